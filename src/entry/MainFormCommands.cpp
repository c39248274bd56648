#include "entry/MainFormCommands.h"

#include "entry/EntryDeskWidget.h"
#include "entry/EntryOrders.h"
#include "entry/MainForm.h"
#include "entry/ShwGridForm1.h"
#include "masters/BreedForm.h"
#include "masters/JudgeForm.h"
#include "masters/OwnerForm.h"
#include "reports/CountsReportForm.h"
#include "reports/ShowListingForm.h"
#include "reports/VerifyInputForm.h"
#include "setup/CatGroupForm.h"
#include "setup/ClassForm.h"
#include "setup/ConfirmSortKeysForm.h"
#include "setup/ShowDatesForm2.h"
#include "storage/DataModule.h"
#include "storage/SessionSettings.h"
#include "ui/HelpText.h"
#include "ui/HelpViewerWindow.h"

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

// A help item shows its text, titled with the item's caption.
void showHelp(MenuCommandContext& c, MenuAction item, QStringView file)
{
    const MenuEntry* entry = findMenuEntry(item);
    const QString caption = entry ? entry->caption.toString() : file.toString();
    showHelpFile(c.data.root(), c.data.messages(), file, caption, &c.form);
}

// The owner database window: the main window is out of the way while it is
// open (minimised, and so the owners window is no child of it, which the
// window manager would minimise with it) and comes back as it was.
void openOwners(MenuCommandContext& c)
{
    const Qt::WindowStates before = c.form.windowState();
    c.form.setWindowState((before & ~Qt::WindowActive) | Qt::WindowMinimized);
    struct Restore {
        TMainForm& form;
        Qt::WindowStates state;
        ~Restore()
        {
            form.setWindowState(state & ~Qt::WindowMinimized);
            form.activateWindow();
        }
    } restore{c.form, before};
    openOwnersWindow(c.data, c.session.keyboard, nullptr);
    // The owners window may have changed the owner the desk shows.
    if (c.data.showOpen())
        c.form.entryDesk()->refresh();
}

void openBreeds(MenuCommandContext& c)
{
    openBreedsWindow(c.data, &c.form);
    if (c.data.showOpen())
        c.form.entryDesk()->reloadBreeds();
}

// A report of the open show in the preview.
template <typename Form> void previewReport(MenuCommandContext& c)
{
    Form form(c.data, c.data.messages(), &c.form);
    form.printToPreview();
}

// The verify listing reads the entries in its own order; the desk's order is
// put back before the preview opens.
template <VerifyOrder order> void previewVerifyInput(MenuCommandContext& c)
{
    TfrmVerifyInput form(c.data, order, c.data.messages(), &c.form);
    form.printToPreview();
}

template <typename Window> void showListing(MenuCommandContext& c)
{
    Window window(c.data, &c.form);
    window.exec();
}

constexpr MenuCommand kCommands[] = {
    {MenuAction::NewShow, newShow},
    {MenuAction::OpenShow, openShow},
    {MenuAction::CloseShow, closeShow},
    {MenuAction::ShowDates,
     [](MenuCommandContext& c) { openShowDatesWindow(c.data, &c.form, false); }},
    {MenuAction::Owners, openOwners},
    {MenuAction::Judges,
     [](MenuCommandContext& c) { openJudgesWindow(c.data, c.session.keyboard, &c.form); }},
    {MenuAction::Breeds, openBreeds},
    {MenuAction::ClassesAndSortKeys,
     [](MenuCommandContext& c) { openClassesWindow(c.data, &c.form); }},
    {MenuAction::CatalogGroupings,
     [](MenuCommandContext& c) { openCatGroupsWindow(c.data, &c.form); }},
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
    {MenuAction::GridFormat,
     [](MenuCommandContext& c) {
         // A move in the grid would throw away an entry being typed: it is
         // saved first, as a move on the desk saves it.
         EntryDeskWidget* desk = c.form.entryDesk();
         if (desk->editing())
             desk->save();
         if (!desk->editing())
             openShowGridWindow(c.data, &c.form);
     }},
    {MenuAction::HideDeletes, hideOrShowDeletes},
    {MenuAction::ClassCounts, previewReport<TfrmClassCounts>},
    {MenuAction::FeeCounts, previewReport<TfrmFeeCounts>},
    {MenuAction::EmailConfirmationsListing, showListing<TEmailSentListForm>},
    {MenuAction::OwnersEmailListing, showListing<TListEmailsForm>},
    {MenuAction::SpecialNotesListing, showListing<TNotesListForm>},
    {MenuAction::PrePaidCatalogListing, showListing<TPrePaidListForm>},
    {MenuAction::VolunteerWorkersListing, showListing<TWorkerListForm>},
    {MenuAction::EmailAddressesListing, showListing<TEmailStringForm1>},
    {MenuAction::VerifyByInputOrder, previewVerifyInput<VerifyOrder::InputOrder>},
    {MenuAction::VerifyByLastName, previewVerifyInput<VerifyOrder::OwnerName>},
    {MenuAction::PackRemoveDeletes, [](MenuCommandContext& c) { c.form.entryDesk()->pack(); }},
    {MenuAction::HowToStartShow,
     [](MenuCommandContext& c) { showHelp(c, MenuAction::HowToStartShow, HelpText::startAShow); }},
    {MenuAction::HowToAddOwnerNames,
     [](MenuCommandContext& c) {
         showHelp(c, MenuAction::HowToAddOwnerNames, HelpText::addOwnerNames);
     }},
    {MenuAction::HowToBackupOrTransfer,
     [](MenuCommandContext& c) {
         showHelp(c, MenuAction::HowToBackupOrTransfer, HelpText::backupOrTransfer);
     }},
    {MenuAction::HowToNewSecretary,
     [](MenuCommandContext& c) {
         showHelp(c, MenuAction::HowToNewSecretary, HelpText::newSecretary);
     }},
    {MenuAction::VersionHistory,
     [](MenuCommandContext& c) {
         showHelp(c, MenuAction::VersionHistory, HelpText::versionHistory);
     }},
};

} // namespace

std::span<const MenuCommand> menuCommands()
{
    return kCommands;
}

void connectMenuCommands(TMainForm& form, Tdmod& data, SessionSettings& session)
{
    // The context lives as long as the window whose commands use it.
    auto* desk = new EntryDeskWidget(data, session, data.messages(), &form);
    form.setEntryDesk(desk);
    auto* context = new MenuCommandContext{form, data, session};
    // The "OwnerHelp " button beside the owner boxes.
    QObject::connect(desk, &EntryDeskWidget::showHelp, &form, [context] {
        showHelp(*context, MenuAction::HowToAddOwnerNames, HelpText::addOwnerNames);
    });
    QObject::connect(&form, &QObject::destroyed, [context] { delete context; });
    form.setMenuStateSource([&data] { return MenuState::of(data); });
    for (const MenuCommand& command : menuCommands())
        form.setCommand(command.action, [context, run = command.run] { run(*context); });
    form.setCloseShowBeforePreferences([context] { closeShow(*context); });
}
