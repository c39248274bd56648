#pragma once

#include <QFlags>
#include <QStringView>

#include <span>

// The main window's menus: every menu and command in the order the secretary
// sees them, with what each needs before it may run. The window only builds
// QMenus from this table, so the captions can be checked without a window.
//
// Captions are as shown, with "&" before the mnemonic letter and "&&" for an
// ampersand that shows.

// The menus: the menu bar, its menus and their submenus.
enum class MenuId {
    None, // for commands: they open no menu
    Bar,
    File,
    Databases,
    SpecialDatabases,
    Index,
    ObedienceJumpHeights,
    RallyJumpHeights,
    View,
    Reports,
    Labels,
    Catalog,
    ExhibitorIndex,
    GateStewardSheets,
    JudgingScheduleLists,
    VerifyDataInput,
    Tasks,
    InputActualScores,
    Tools,
    Help,
    HowTo,
};

// The commands, one per menu item.
enum class MenuAction {
    None, // for menus: they run no command
    NewShow,
    OpenShow,
    CloseShow,
    ImportMasterData,
    Exit,
    MailingList,
    ShowDates,
    DogMaster,
    Owners,
    Judges,
    JudgeAssignments,
    Breeds,
    ClassesAndSortKeys,
    CatalogGroupings,
    OrderLastName,
    OrderNurNumber,
    OrderArmband,
    OrderDogName,
    OrderObedienceJumpAscending,
    OrderObedienceJumpDescending,
    OrderRallyJumpAscending,
    OrderRallyJumpDescending,
    OrderBreedName,
    OrderInputOrder,
    ViewEntryConfirmation,
    GridFormat,
    HideDeletes,
    ViewResults,
    ClassCounts,
    FeeCounts,
    ExhibitorSlips,
    EntryAddressLabels,
    ReturnAddressLabels,
    CheckInEnvelopes,
    ArmbandLabels,
    CatalogBooklet,
    CatalogFullPage,
    CatalogPreview,
    BreedsEnteredListing,
    ExhibitorIndexBooklet,
    ExhibitorIndexFullPage,
    ExhibitorIndexPreview,
    GateSheetsObedience,
    GateSheetsRally,
    GateSheetsRallyScoreBox,
    ScheduleListObedience,
    ScheduleListRally,
    EmailConfirmationsListing,
    OwnersEmailListing,
    SpecialNotesListing,
    PrePaidCatalogListing,
    VolunteerWorkersListing,
    EmailAddressesListing,
    ObedienceHighCombined,
    RallyJudgesBook,
    VerifyByInputOrder,
    VerifyByLastName,
    SpecifyJudgeAssignments,
    AssignArmbandNumbers,
    ObedienceScores,
    RallyScores,
    ObedienceHighInTrial,
    ConfirmSortKeys,
    PackRemoveDeletes,
    Calendar,
    Calculator,
    Preferences,
    HowToStartShow,
    HowToAddOwnerNames,
    HowToBackupOrTransfer,
    HowToNewSecretary,
    About,
    VersionHistory, // the last: the tests walk the ids up to it
};

enum class MenuFlag {
    // Disabled while no show is open.
    NeedsShow = 0x01,
    // Runs only when the club name and the secretary's name are set.
    NeedsClubInfo = 0x02,
    // Its window walks the show entry table, so the main window lets go of the
    // table's record-move and state-change hooks while it is open.
    Detached = 0x04,
    // Detached only while a show is open.
    DetachedWhileShowOpen = 0x08,
    // Runs only when the show offers obedience classes, respectively rally
    // classes; for a submenu: enabled only then.
    ObedienceOnly = 0x10,
    RallyOnly = 0x20,
    // Runs only when the show has at least one entry.
    NeedsEntries = 0x40,
    // One of a group of radio items: choosing it checks it and unchecks the
    // others of the same menu.
    Radio = 0x80,
};
Q_DECLARE_FLAGS(MenuFlags, MenuFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(MenuFlags)

// One row of the map: either a command or a submenu, in the menu `parent`.
struct MenuEntry {
    MenuId parent;
    QStringView caption;
    MenuAction action; // a command's id; None for a submenu
    MenuId submenu;    // a submenu's id; None for a command
    QStringView hint;  // "short|long": the tool tip before "|", the status text after it
    MenuFlags flags;

    bool isSubmenu() const { return submenu != MenuId::None; }
};

// Every row, depth first: each submenu's row comes before the rows it holds.
std::span<const MenuEntry> menuMap();

// The row of a command or of a submenu; nullptr when the map has none.
const MenuEntry* findMenuEntry(MenuAction action);
const MenuEntry* findMenuEntry(MenuId submenu);
