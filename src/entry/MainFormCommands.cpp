#include "entry/MainFormCommands.h"

#include "entry/EntryDeskWidget.h"
#include "entry/EntryDog.h"
#include "entry/EntryOrders.h"
#include "entry/MainForm.h"
#include "entry/ShwGridForm1.h"
#include "masters/BreedForm.h"
#include "masters/DogForm.h"
#include "masters/JudgeForm.h"
#include "masters/OwnerForm.h"
#include "preparation/AddArmForm.h"
#include "preparation/AssignJudgeForm.h"
#include "preparation/BreedsEnteredForm.h"
#include "preparation/CatalogPreviewForm1.h"
#include "preparation/CatalogPrintForm.h"
#include "preparation/ExhibitorIndexForm.h"
#include "preparation/ViewExhibitorsForm.h"
#include "reports/CountsReportForm.h"
#include "reports/ShowListingForm.h"
#include "reports/VerifyInputForm.h"
#include "setup/CatGroupForm.h"
#include "setup/ClassForm.h"
#include "setup/ConfirmSortKeysForm.h"
#include "setup/ShowDatesForm2.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/SessionSettings.h"
#include "trialday/ObJudgeSchedForm1.h"
#include "trialday/ObedGateForm.h"
#include "trialday/RallyBookForm1.h"
#include "trialday/RallyGatePrtForm1.h"
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

// The dog master opens on the dog of the entry the desk shows. An entry being
// typed is saved first: the dog master window may pack the dogs, renumbering
// the record the entry's save would write its dog to. The desk reads the
// entry's owner and dog again when its hooks come back after the window.
void openDogMaster(MenuCommandContext& c)
{
    if (c.data.showOpen()) {
        EntryDeskWidget* desk = c.form.entryDesk();
        if (desk->editing())
            desk->save();
        if (desk->editing())
            return;
        const dbf::Table& entries = *c.data.TzDbf1();
        if (!entries.isEmpty()) {
            const QString reg = RecordValues::text(entries.record(entries.recno()), "reg");
            if (const auto dog = EntryDog(c.data).find(reg))
                c.data.Dogs()->go(*dog);
        }
    }
    openDogMasterWindow(c.data, c.session, &c.form);
}

void openBreeds(MenuCommandContext& c)
{
    openBreedsWindow(c.data, &c.form);
    if (c.data.showOpen())
        c.form.entryDesk()->reloadBreeds();
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

// A window that reads the entries as stored: an entry being typed is saved
// first, as a move on the desk saves it. False when it could not be saved.
bool entrySaved(MenuCommandContext& c)
{
    EntryDeskWidget* desk = c.form.entryDesk();
    if (desk->editing())
        desk->save();
    return !desk->editing();
}

// The catalog windows: afterwards the desk shows the first entry in Last
// Name order.
void openCatalog(MenuCommandContext& c, void (*open)(Tdmod&, QWidget*))
{
    if (!entrySaved(c))
        return;
    open(c.data, &c.form);
    EntryDeskWidget* desk = c.form.entryDesk();
    desk->selectOrder(MenuAction::OrderLastName);
    c.form.action(MenuAction::OrderLastName)->setChecked(true);
    desk->goFirst();
}

// The exhibitor index and the breeds listing: afterwards the desk shows the
// first entry of its order.
void openListing(MenuCommandContext& c, void (*open)(Tdmod&, QWidget*))
{
    if (!entrySaved(c))
        return;
    open(c.data, &c.form);
    c.form.entryDesk()->goFirst();
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
    {MenuAction::DogMaster, openDogMaster},
    {MenuAction::Owners, openOwners},
    {MenuAction::Judges,
     [](MenuCommandContext& c) { openJudgesWindow(c.data, c.session.keyboard, &c.form); }},
    {MenuAction::JudgeAssignments,
     [](MenuCommandContext& c) { openAssignJudgeWindow(c.data, &c.form); }},
    {MenuAction::Breeds, openBreeds},
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
    {MenuAction::GateSheetsObedience,
     [](MenuCommandContext& c) {
         openObedGateWindow(c.data, ClassCodes::Section::Obedience, &c.form);
     }},
    {MenuAction::GateSheetsRally,
     [](MenuCommandContext& c) {
         openObedGateWindow(c.data, ClassCodes::Section::Rally, &c.form);
     }},
    {MenuAction::GateSheetsRallyScoreBox,
     [](MenuCommandContext& c) { openRallyGatePrtWindow(c.data, &c.form); }},
    {MenuAction::ScheduleListObedience,
     [](MenuCommandContext& c) {
         openJudgeSchedWindow(c.data, ClassCodes::Section::Obedience, &c.form);
     }},
    {MenuAction::ScheduleListRally,
     [](MenuCommandContext& c) {
         openJudgeSchedWindow(c.data, ClassCodes::Section::Rally, &c.form);
     }},
    {MenuAction::RallyJudgesBook,
     [](MenuCommandContext& c) { openRallyBookWindow(c.data, &c.form); }},
    {MenuAction::CatalogBooklet,
     [](MenuCommandContext& c) {
         openCatalog(c,
                     [](Tdmod& data, QWidget* parent) { openCatalogBookletWindow(data, parent); });
     }},
    {MenuAction::CatalogFullPage,
     [](MenuCommandContext& c) {
         openCatalog(c,
                     [](Tdmod& data, QWidget* parent) { openCatalogFullPageWindow(data, parent); });
     }},
    {MenuAction::CatalogPreview,
     [](MenuCommandContext& c) {
         openCatalog(c,
                     [](Tdmod& data, QWidget* parent) { openCatalogPreviewWindow(data, parent); });
     }},
    {MenuAction::BreedsEnteredListing,
     [](MenuCommandContext& c) { openListing(c, openBreedsEnteredWindow); }},
    {MenuAction::ExhibitorIndexBooklet,
     [](MenuCommandContext& c) {
         openListing(c, [](Tdmod& data, QWidget* parent) {
             openExhibitorIndexWindow(data, BookletSheets::Format::Booklet, parent);
         });
     }},
    {MenuAction::ExhibitorIndexFullPage,
     [](MenuCommandContext& c) {
         openListing(c, [](Tdmod& data, QWidget* parent) {
             openExhibitorIndexWindow(data, BookletSheets::Format::FullPage, parent);
         });
     }},
    {MenuAction::ExhibitorIndexPreview,
     [](MenuCommandContext& c) { openListing(c, openViewExhibitorsWindow); }},
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
