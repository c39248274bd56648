#include "entry/MenuMap.h"

#include <algorithm>
#include <array>

namespace
{

using enum MenuId;
using A = MenuAction;
using F = MenuFlag;

constexpr MenuEntry menu(MenuId parent, QStringView caption, MenuId id, MenuFlags flags = {})
{
    return {parent, caption, A::None, id, {}, flags};
}

constexpr MenuEntry item(MenuId parent, QStringView caption, MenuAction action,
                         MenuFlags flags = {}, QStringView hint = {})
{
    return {parent, caption, action, None, hint, flags};
}

const MenuFlags detached = F::Detached;
const MenuFlags detachedWithClubInfo = F::Detached | F::NeedsClubInfo;
const MenuFlags obedienceGate = F::Detached | F::ObedienceOnly | F::NeedsEntries;
const MenuFlags rallyGate = F::Detached | F::RallyOnly | F::NeedsEntries;
const MenuFlags radio = F::Radio;

// clang-format off
const auto kMap = std::to_array<MenuEntry>({
    menu(Bar, u"&File", File),
    item(File, u"&New Show", A::NewShow),
    item(File, u"&Open Existing Show...", A::OpenShow),
    item(File, u"Close Show", A::CloseShow),
    item(File, u"Import Master Data from Version 2.5", A::ImportMasterData),
    item(File, u"E&xit", A::Exit),

    menu(Bar, u"&Databases", Databases),
    item(Databases, u"Mailing List", A::MailingList, F::DetachedWhileShowOpen),
    item(Databases, u"Show Dates ", A::ShowDates),
    item(Databases, u"Dog Master", A::DogMaster, F::DetachedWhileShowOpen),
    item(Databases, u"Owners", A::Owners),
    item(Databases, u"Judges", A::Judges),
    item(Databases, u"Judge Assignments", A::JudgeAssignments, F::NeedsShow),
    menu(Databases, u"Special Databases", SpecialDatabases),
    item(SpecialDatabases, u"Breeds", A::Breeds),
    item(SpecialDatabases, u"Classes && Sort Keys", A::ClassesAndSortKeys),
    item(SpecialDatabases, u"Catalog Groupings", A::CatalogGroupings),

    menu(Bar, u"&Index", Index, F::NeedsShow),
    item(Index, u"Last Name", A::OrderLastName, radio, u"Sort by Owner's Last Name"),
    item(Index, u"NUR #", A::OrderNurNumber, radio, u"Sort by NUR Reg #"),
    item(Index, u"Armband #", A::OrderArmband, radio, u"Sort by Armband #"),
    item(Index, u"Dog's Registered Name", A::OrderDogName, radio),
    menu(Index, u"Obed High Jump Ht", ObedienceJumpHeights, F::Radio | F::ObedienceOnly),
    item(ObedienceJumpHeights, u"Ascending Jump Ht", A::OrderObedienceJumpAscending, radio),
    item(ObedienceJumpHeights, u"Descending Jump Ht", A::OrderObedienceJumpDescending, radio),
    menu(Index, u"Rally Jump Heights", RallyJumpHeights, F::Radio | F::RallyOnly),
    item(RallyJumpHeights, u"Ascending Jump Ht", A::OrderRallyJumpAscending, radio),
    item(RallyJumpHeights, u"Descending Jump Ht", A::OrderRallyJumpDescending, radio),
    item(Index, u"Breed Name", A::OrderBreedName, radio),
    item(Index, u"Input Order", A::OrderInputOrder, radio, u"No Sort"),

    menu(Bar, u"&View", View, F::NeedsShow),
    item(View, u"View Entry Confirmation for Current Dog", A::ViewEntryConfirmation, F::NeedsClubInfo),
    item(View, u"Grid Format", A::GridFormat, detached),
    item(View, u"Hide Deletes", A::HideDeletes),
    item(View, u"View Results for Current Dog", A::ViewResults, F::NeedsClubInfo),

    menu(Bar, u"&Reports", Reports, F::NeedsShow),
    item(Reports, u"Class Counts (Summaries)", A::ClassCounts, detached),
    item(Reports, u"Counts for NUR Fees", A::FeeCounts, detached),
    item(Reports, u"Print Exhibitor Confirmation Slips", A::ExhibitorSlips, F::NeedsClubInfo),
    menu(Reports, u"Labels", Labels),
    item(Labels, u"Entry Address Labels", A::EntryAddressLabels),
    item(Labels, u"Return Address Labels", A::ReturnAddressLabels),
    item(Labels, u"Check-In Envelopes", A::CheckInEnvelopes),
    item(Labels, u"Armbands", A::ArmbandLabels, detached),
    menu(Reports, u"Catalog", Catalog),
    item(Catalog, u"Booklet Format (5 1/2\" x 8 1/2\")", A::CatalogBooklet, F::NeedsClubInfo),
    item(Catalog, u"Full Page (8 1/2\" x 11\")", A::CatalogFullPage, F::NeedsClubInfo),
    item(Catalog, u"Preview Catalog and Send To File", A::CatalogPreview, F::NeedsClubInfo),
    item(Catalog, u"Breeds Entered Listing", A::BreedsEnteredListing),
    menu(Reports, u"Exhibitor Index", ExhibitorIndex),
    item(ExhibitorIndex, u"Booklet Format", A::ExhibitorIndexBooklet),
    item(ExhibitorIndex, u"Full Page Format (can include Phone #'s)", A::ExhibitorIndexFullPage),
    item(ExhibitorIndex, u"Preview Info and Send To File", A::ExhibitorIndexPreview),
    menu(Reports, u"Gate Steward Sheets", GateStewardSheets),
    item(GateStewardSheets, u"Obedience  (Armband # && Breed)", A::GateSheetsObedience, obedienceGate),
    item(GateStewardSheets, u"Rally  (Armband # && Breed)", A::GateSheetsRally, rallyGate),
    item(GateStewardSheets, u"Rally - Print with Score Box", A::GateSheetsRallyScoreBox, F::Detached | F::RallyOnly),
    menu(Reports, u"List of Armband #'s (with count) for Judging Schedule", JudgingScheduleLists),
    item(JudgingScheduleLists, u"Obedience", A::ScheduleListObedience, obedienceGate),
    item(JudgingScheduleLists, u"Rally", A::ScheduleListRally, rallyGate),
    item(Reports, u"List of Confirmations Sent Via Email", A::EmailConfirmationsListing, detached),
    item(Reports, u"List of Owners && Email Addresses in Show", A::OwnersEmailListing, detached),
    item(Reports, u"Special Notes Listing", A::SpecialNotesListing, detached),
    item(Reports, u"Pre-Paid Catalog Listing and Count", A::PrePaidCatalogListing, detached),
    item(Reports, u"Volunteer Workers List", A::VolunteerWorkersListing, detached),
    item(Reports, u"List of Email Addresses separated by Commas", A::EmailAddressesListing),
    item(Reports, u"Obedience High Combined Report", A::ObedienceHighCombined, F::Detached | F::ObedienceOnly),
    item(Reports, u"Rally Judge's Book", A::RallyJudgesBook, F::Detached | F::RallyOnly),
    menu(Reports, u"Verify Data Input ", VerifyDataInput),
    item(VerifyDataInput, u"By Input Order (Record #)", A::VerifyByInputOrder, detached),
    item(VerifyDataInput, u"By Owner's Last Name", A::VerifyByLastName, detached),

    menu(Bar, u"&Tasks", Tasks, F::NeedsShow),
    item(Tasks, u"Specify Judge Assignments", A::SpecifyJudgeAssignments),
    item(Tasks, u"Assign Armband Numbers", A::AssignArmbandNumbers, detached),
    menu(Tasks, u"Input Actual Scores", InputActualScores),
    item(InputActualScores, u"Obedience Scores", A::ObedienceScores, F::ObedienceOnly),
    item(InputActualScores, u"Rally Scores", A::RallyScores, F::RallyOnly),
    item(Tasks, u"Determine Obedience High In Trial", A::ObedienceHighInTrial, F::ObedienceOnly),
    item(Tasks, u"Confirm Sort Keys", A::ConfirmSortKeys, detached),
    item(Tasks, u"Pack/Remove Deletes", A::PackRemoveDeletes),

    menu(Bar, u"T&ools", Tools),
    item(Tools, u"Calendar", A::Calendar),
    item(Tools, u"Calculator", A::Calculator),
    item(Tools, u"Preferences / Defaults", A::Preferences),

    menu(Bar, u"&Help", Help),
    menu(Help, u"How To....", HowTo),
    item(HowTo, u"Start A Show", A::HowToStartShow),
    item(HowTo, u"Add Owner Names", A::HowToAddOwnerNames),
    item(HowTo, u"Backup or Transfer Between Machines", A::HowToBackupOrTransfer),
    item(HowTo, u"Transfer to a New Secretary", A::HowToNewSecretary),
    item(Help, u"&About...", A::About),
    item(Help, u"Version History", A::VersionHistory),
});
// clang-format on

} // namespace

std::span<const MenuEntry> menuMap()
{
    return kMap;
}

const MenuEntry* findMenuEntry(MenuAction action)
{
    const auto* found = std::ranges::find(kMap, action, &MenuEntry::action);
    return action != MenuAction::None && found != kMap.end() ? found : nullptr;
}

const MenuEntry* findMenuEntry(MenuId submenu)
{
    const auto* found = std::ranges::find(kMap, submenu, &MenuEntry::submenu);
    return submenu != MenuId::None && found != kMap.end() ? found : nullptr;
}
