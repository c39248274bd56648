#include "entry/MainFormCommands.h"

#include "entry/EntryDeskWidget.h"
#include "entry/EntryOrders.h"
#include "entry/MainForm.h"
#include "masters/BreedForm.h"
#include "masters/JudgeForm.h"
#include "masters/OwnerForm.h"
#include "preparation/AddArmForm.h"
#include "preparation/AssignJudgeForm.h"
#include "setup/CatGroupForm.h"
#include "setup/ClassForm.h"
#include "setup/ConfirmSortKeysForm.h"
#include "setup/ShowDatesForm2.h"
#include "storage/DataModule.h"
#include "storage/SessionSettings.h"

namespace
{

void showState(MenuCommandContext& c)
{
    if (c.data.showOpen())
        c.form.showShowOpenState(c.data.currentShowNumber(), c.data.currentShowDateText());
    else
        c.form.showNoShowState();
}

void closeShow(MenuCommandContext& c)
{
    if (EntryDeskWidget* desk = c.form.entryDesk(); desk && desk->editing())
        desk->cancel();
    c.data.CloseShow();
    showState(c);
}

void hideOrShowDeletes(MenuCommandContext& c)
{
    const QString caption = c.form.entryDesk()->toggleHideDeletes();
    c.form.action(MenuAction::HideDeletes)->setText(caption);
}

template <MenuAction order> void selectOrder(MenuCommandContext& c)
{
    c.form.entryDesk()->selectOrder(order);
}

void newShow(MenuCommandContext& c)
{
    // The entry table stays closed while a new show is being created.
    closeShow(c);
    openShowDatesWindow(c.data, &c.form, true);
    showState(c);
}

void openShow(MenuCommandContext& c)
{
    c.data.OpenExistingShow();
    showState(c);
}

void assignArmbandNumbers(MenuCommandContext& c)
{
    openAddArmWindow(c.data, c.session.keyboard, &c.form);
    // The window walked the entries its own way and showed the deleted ones.
    c.form.entryDesk()->showAllFromTheStart();
    c.form.action(MenuAction::OrderLastName)->setChecked(true);
    c.form.action(MenuAction::HideDeletes)
        ->setText(findMenuEntry(MenuAction::HideDeletes)->caption.toString());
}

constexpr MenuCommand kCommands[] = {
    {MenuAction::NewShow, newShow},
    {MenuAction::OpenShow, openShow},
    {MenuAction::CloseShow, closeShow},
    {MenuAction::ShowDates,
     [](MenuCommandContext& c) { openShowDatesWindow(c.data, &c.form, false); }},
    {MenuAction::Owners,
     [](MenuCommandContext& c) { openOwnersWindow(c.data, c.session.keyboard, &c.form); }},
    {MenuAction::Judges,
     [](MenuCommandContext& c) { openJudgesWindow(c.data, c.session.keyboard, &c.form); }},
    {MenuAction::JudgeAssignments,
     [](MenuCommandContext& c) { openAssignJudgeWindow(c.data, &c.form); }},
    {MenuAction::Breeds, [](MenuCommandContext& c) { openBreedsWindow(c.data, &c.form); }},
    {MenuAction::ClassesAndSortKeys,
     [](MenuCommandContext& c) { openClassesWindow(c.data, &c.form); }},
    {MenuAction::CatalogGroupings,
     [](MenuCommandContext& c) { openCatGroupsWindow(c.data, &c.form); }},
    {MenuAction::SpecifyJudgeAssignments,
     [](MenuCommandContext& c) { openAssignJudgeWindow(c.data, &c.form); }},
    {MenuAction::AssignArmbandNumbers, assignArmbandNumbers},
    {MenuAction::ConfirmSortKeys,
     [](MenuCommandContext& c) { openConfirmSortKeysWindow(c.data, &c.form); }},
    {MenuAction::OrderLastName, selectOrder<MenuAction::OrderLastName>},
    {MenuAction::OrderNurNumber, selectOrder<MenuAction::OrderNurNumber>},
    {MenuAction::OrderArmband, selectOrder<MenuAction::OrderArmband>},
    {MenuAction::OrderDogName, selectOrder<MenuAction::OrderDogName>},
    {MenuAction::OrderObedienceJumpAscending, selectOrder<MenuAction::OrderObedienceJumpAscending>},
    {MenuAction::OrderObedienceJumpDescending,
     selectOrder<MenuAction::OrderObedienceJumpDescending>},
    {MenuAction::OrderRallyJumpAscending, selectOrder<MenuAction::OrderRallyJumpAscending>},
    {MenuAction::OrderRallyJumpDescending, selectOrder<MenuAction::OrderRallyJumpDescending>},
    {MenuAction::OrderBreedName, selectOrder<MenuAction::OrderBreedName>},
    {MenuAction::OrderInputOrder, selectOrder<MenuAction::OrderInputOrder>},
    {MenuAction::HideDeletes, hideOrShowDeletes},
    {MenuAction::PackRemoveDeletes, [](MenuCommandContext& c) { c.form.entryDesk()->pack(); }},
};

} // namespace

std::span<const MenuCommand> menuCommands()
{
    return kCommands;
}

void connectMenuCommands(TMainForm& form, Tdmod& data, SessionSettings& session)
{
    // The context lives as long as the window whose commands use it.
    form.setEntryDesk(new EntryDeskWidget(data, session, data.messages(), &form));
    auto* context = new MenuCommandContext{form, data, session};
    QObject::connect(&form, &QObject::destroyed, [context] { delete context; });
    form.setMenuStateSource([&data] { return MenuState::of(data); });
    for (const MenuCommand& command : menuCommands())
        form.setCommand(command.action, [context, run = command.run] { run(*context); });
    form.setCloseShowBeforePreferences([context] { closeShow(*context); });
}
