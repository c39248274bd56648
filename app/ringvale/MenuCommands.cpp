#include "MenuCommands.h"

#include "entry/MainForm.h"
#include "masters/BreedForm.h"
#include "masters/JudgeForm.h"
#include "masters/OwnerForm.h"
#include "setup/CatGroupForm.h"
#include "setup/ClassForm.h"
#include "setup/ConfirmSortKeysForm.h"
#include "setup/ShowDatesForm2.h"
#include "storage/DataModule.h"
#include "storage/SessionSettings.h"

void connectMenuCommands(TMainForm& form, Tdmod& data, SessionSettings& session)
{
    const auto showState = [&form, &data] {
        if (data.showOpen())
            form.showShowOpenState(data.currentShowNumber(), data.currentShowDateText());
        else
            form.showNoShowState();
    };
    const auto closeShow = [&data, showState] {
        data.CloseShow();
        showState();
    };

    form.setCommand(MenuAction::NewShow, [&form, &data, closeShow, showState] {
        // The entry table stays closed while a new show is being created.
        closeShow();
        openShowDatesWindow(data, &form, true);
        showState();
    });
    form.setCommand(MenuAction::OpenShow, [&data, showState] {
        data.OpenExistingShow();
        showState();
    });
    form.setCommand(MenuAction::CloseShow, closeShow);
    form.setCloseShowBeforePreferences(closeShow);

    form.setCommand(MenuAction::ShowDates,
                    [&form, &data] { openShowDatesWindow(data, &form, false); });
    form.setCommand(MenuAction::Owners,
                    [&form, &data, &session] { openOwnersWindow(data, session.keyboard, &form); });
    form.setCommand(MenuAction::Judges, [&form, &data, &session] {
        data.OpenJudges();
        openJudgesWindow(data, session.keyboard, &form);
    });
    form.setCommand(MenuAction::Breeds, [&form, &data] { openBreedsWindow(data, &form); });
    form.setCommand(MenuAction::ClassesAndSortKeys,
                    [&form, &data] { openClassesWindow(data, &form); });
    form.setCommand(MenuAction::CatalogGroupings,
                    [&form, &data] { openCatGroupsWindow(data, &form); });
    form.setCommand(MenuAction::ConfirmSortKeys,
                    [&form, &data] { openConfirmSortKeysWindow(data, &form); });
}
