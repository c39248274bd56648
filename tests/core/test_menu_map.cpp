#include "entry/EntryButtons.h"
#include "entry/Hint.h"
#include "entry/MenuMap.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <algorithm>

namespace
{

QStringList captionsIn(MenuId menu)
{
    QStringList captions;
    for (const MenuEntry& entry : menuMap()) {
        if (entry.parent == menu)
            captions << entry.caption.toString();
    }
    return captions;
}

QString captionOf(MenuAction action)
{
    const MenuEntry* entry = findMenuEntry(action);
    return entry ? entry->caption.toString() : QString();
}

QStringList captionsWith(MenuFlag flag)
{
    QStringList captions;
    for (const MenuEntry& entry : menuMap()) {
        if (entry.flags & flag)
            captions << entry.caption.toString();
    }
    return captions;
}

std::string text(const QStringList& list)
{
    return list.join(u" | ").toStdString();
}

struct MenuCase {
    const char* name;
    MenuId menu;
    QStringList captions;
};

void PrintTo(const MenuCase& c, std::ostream* os)
{
    *os << c.name;
}

} // namespace

// --- Captions, menu by menu ---------------------------------------------------

class MenuCaptions : public testing::TestWithParam<MenuCase>
{
};

TEST_P(MenuCaptions, InOrder)
{
    EXPECT_EQ(text(captionsIn(GetParam().menu)), text(GetParam().captions));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MenuMap, MenuCaptions, testing::Values(
    MenuCase{"Bar", MenuId::Bar,
             {"&File", "&Databases", "&Index", "&View", "&Reports", "&Tasks", "T&ools", "&Help"}},
    MenuCase{"File", MenuId::File,
             {"&New Show", "&Open Existing Show...", "Close Show",
              "Import Master Data from Version 2.5", "E&xit"}},
    MenuCase{"Databases", MenuId::Databases,
             {"Mailing List", "Show Dates ", "Dog Master", "Owners", "Judges", "Judge Assignments",
              "Special Databases"}},
    MenuCase{"SpecialDatabases", MenuId::SpecialDatabases,
             {"Breeds", "Classes && Sort Keys", "Catalog Groupings"}},
    MenuCase{"Index", MenuId::Index,
             {"Last Name", "NUR #", "Armband #", "Dog's Registered Name", "Obed High Jump Ht",
              "Rally Jump Heights", "Breed Name", "Input Order"}},
    MenuCase{"ObedienceJumpHeights", MenuId::ObedienceJumpHeights,
             {"Ascending Jump Ht", "Descending Jump Ht"}},
    MenuCase{"RallyJumpHeights", MenuId::RallyJumpHeights,
             {"Ascending Jump Ht", "Descending Jump Ht"}},
    MenuCase{"View", MenuId::View,
             {"View Entry Confirmation for Current Dog", "Grid Format", "Hide Deletes",
              "View Results for Current Dog"}},
    MenuCase{"Reports", MenuId::Reports,
             {"Class Counts (Summaries)", "Counts for NUR Fees",
              "Print Exhibitor Confirmation Slips", "Labels", "Catalog", "Exhibitor Index",
              "Gate Steward Sheets", "List of Armband #'s (with count) for Judging Schedule",
              "List of Confirmations Sent Via Email", "List of Owners && Email Addresses in Show",
              "Special Notes Listing", "Pre-Paid Catalog Listing and Count",
              "Volunteer Workers List", "List of Email Addresses separated by Commas",
              "Obedience High Combined Report", "Rally Judge's Book", "Verify Data Input "}},
    MenuCase{"Labels", MenuId::Labels,
             {"Entry Address Labels", "Return Address Labels", "Check-In Envelopes", "Armbands"}},
    MenuCase{"Catalog", MenuId::Catalog,
             {"Booklet Format (5 1/2\" x 8 1/2\")", "Full Page (8 1/2\" x 11\")",
              "Preview Catalog and Send To File", "Breeds Entered Listing"}},
    MenuCase{"ExhibitorIndex", MenuId::ExhibitorIndex,
             {"Booklet Format", "Full Page Format (can include Phone #'s)",
              "Preview Info and Send To File"}},
    MenuCase{"GateStewardSheets", MenuId::GateStewardSheets,
             {"Obedience  (Armband # && Breed)", "Rally  (Armband # && Breed)",
              "Rally - Print with Score Box"}},
    MenuCase{"JudgingScheduleLists", MenuId::JudgingScheduleLists, {"Obedience", "Rally"}},
    MenuCase{"VerifyDataInput", MenuId::VerifyDataInput,
             {"By Input Order (Record #)", "By Owner's Last Name"}},
    MenuCase{"Tasks", MenuId::Tasks,
             {"Specify Judge Assignments", "Assign Armband Numbers", "Input Actual Scores",
              "Determine Obedience High In Trial", "Confirm Sort Keys", "Pack/Remove Deletes"}},
    MenuCase{"InputActualScores", MenuId::InputActualScores, {"Obedience Scores", "Rally Scores"}},
    MenuCase{"Tools", MenuId::Tools, {"Calendar", "Calculator", "Preferences / Defaults"}},
    MenuCase{"Help", MenuId::Help, {"How To....", "&About...", "Version History"}},
    MenuCase{"HowTo", MenuId::HowTo,
             {"Start A Show", "Add Owner Names", "Backup or Transfer Between Machines",
              "Transfer to a New Secretary"}}),
    [](const testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.name); });
// clang-format on

// --- Shape of the map ---------------------------------------------------------

TEST(MenuMapShape, EveryCommandHasExactlyOneRow)
{
    for (int id = int(MenuAction::None) + 1; id <= int(MenuAction::VersionHistory); ++id) {
        const auto rows = std::ranges::count(menuMap(), MenuAction(id), &MenuEntry::action);
        EXPECT_EQ(rows, 1) << "command " << id;
    }
}

TEST(MenuMapShape, EveryMenuIsOpenedOnceBeforeItsRows)
{
    QSet<MenuId> opened{MenuId::Bar};
    for (const MenuEntry& entry : menuMap()) {
        EXPECT_TRUE(opened.contains(entry.parent)) << entry.caption.toString().toStdString();
        EXPECT_NE(entry.isSubmenu(), entry.action != MenuAction::None)
            << entry.caption.toString().toStdString();
        if (entry.isSubmenu()) {
            EXPECT_FALSE(opened.contains(entry.submenu)) << entry.caption.toString().toStdString();
            opened.insert(entry.submenu);
        }
    }
    for (int id = int(MenuId::Bar); id <= int(MenuId::HowTo); ++id)
        EXPECT_TRUE(opened.contains(MenuId(id))) << "menu " << id;
}

TEST(MenuMapShape, LookupsFindTheirRowsAndNothingForNone)
{
    EXPECT_EQ(captionOf(MenuAction::Preferences), "Preferences / Defaults");
    EXPECT_EQ(findMenuEntry(MenuId::Index)->caption.toString(), "&Index");
    EXPECT_EQ(findMenuEntry(MenuAction::None), nullptr);
    EXPECT_EQ(findMenuEntry(MenuId::None), nullptr);
}

// --- What the commands need ---------------------------------------------------

TEST(MenuMapFlags, OnlyTheFourMenusAndJudgeAssignmentsWaitForAShow)
{
    EXPECT_EQ(text(captionsWith(MenuFlag::NeedsShow)),
              text({"Judge Assignments", "&Index", "&View", "&Reports", "&Tasks"}));
}

TEST(MenuMapFlags, SectionOnlyCommands)
{
    EXPECT_EQ(text(captionsWith(MenuFlag::ObedienceOnly)),
              text({"Obed High Jump Ht", "Obedience  (Armband # && Breed)", "Obedience",
                    "Obedience High Combined Report", "Obedience Scores",
                    "Determine Obedience High In Trial"}));
    EXPECT_EQ(
        text(captionsWith(MenuFlag::RallyOnly)),
        text({"Rally Jump Heights", "Rally  (Armband # && Breed)", "Rally - Print with Score Box",
              "Rally", "Rally Judge's Book", "Rally Scores"}));
}

TEST(MenuMapFlags, GateSheetsAndScheduleListsNeedEntries)
{
    EXPECT_EQ(text(captionsWith(MenuFlag::NeedsEntries)),
              text({"Obedience  (Armband # && Breed)", "Rally  (Armband # && Breed)", "Obedience",
                    "Rally"}));
}

TEST(MenuMapFlags, ClubInfoGuardsSlipsCatalogsAndResults)
{
    EXPECT_EQ(text(captionsWith(MenuFlag::NeedsClubInfo)),
              text({"View Entry Confirmation for Current Dog", "View Results for Current Dog",
                    "Print Exhibitor Confirmation Slips", "Booklet Format (5 1/2\" x 8 1/2\")",
                    "Full Page (8 1/2\" x 11\")", "Preview Catalog and Send To File"}));
}

TEST(MenuMapFlags, DetachedCommands)
{
    for (MenuAction action :
         {MenuAction::GridFormat, MenuAction::ClassCounts, MenuAction::FeeCounts,
          MenuAction::ArmbandLabels, MenuAction::GateSheetsRallyScoreBox,
          MenuAction::ScheduleListRally, MenuAction::VolunteerWorkersListing,
          MenuAction::ObedienceHighCombined, MenuAction::RallyJudgesBook,
          MenuAction::VerifyByLastName, MenuAction::AssignArmbandNumbers,
          MenuAction::ConfirmSortKeys})
        EXPECT_TRUE(findMenuEntry(action)->flags & MenuFlag::Detached)
            << captionOf(action).toStdString();
    for (MenuAction action : {MenuAction::MailingList, MenuAction::DogMaster})
        EXPECT_TRUE(findMenuEntry(action)->flags & MenuFlag::DetachedWhileShowOpen);
    for (MenuAction action :
         {MenuAction::EmailAddressesListing, MenuAction::Owners, MenuAction::EntryAddressLabels,
          MenuAction::SpecifyJudgeAssignments, MenuAction::PackRemoveDeletes})
        EXPECT_FALSE(findMenuEntry(action)->flags &
                     (MenuFlag::Detached | MenuFlag::DetachedWhileShowOpen))
            << captionOf(action).toStdString();
}

TEST(MenuMapFlags, TheOrdersAreRadioItemsOfTheirOwnMenu)
{
    for (const MenuEntry& entry : menuMap()) {
        const bool inIndex = entry.parent == MenuId::Index ||
                             entry.parent == MenuId::ObedienceJumpHeights ||
                             entry.parent == MenuId::RallyJumpHeights;
        EXPECT_EQ(bool(entry.flags & MenuFlag::Radio), inIndex)
            << entry.caption.toString().toStdString();
    }
    EXPECT_EQ(findMenuEntry(MenuAction::OrderLastName)->hint, u"Sort by Owner's Last Name");
    EXPECT_EQ(findMenuEntry(MenuAction::OrderNurNumber)->hint, u"Sort by NUR Reg #");
    EXPECT_EQ(findMenuEntry(MenuAction::OrderArmband)->hint, u"Sort by Armband #");
    EXPECT_EQ(findMenuEntry(MenuAction::OrderInputOrder)->hint, u"No Sort");
}

// --- Tool bar -----------------------------------------------------------------

TEST(EntryButtonsMap, CaptionsAndHintsLeftToRight)
{
    struct Expected {
        const char* caption;
        const char* hint;
        MenuAction action;
    };
    // clang-format off
    const Expected expected[] = {
        {"", "First record", MenuAction::None},
        {"", "Prior record", MenuAction::None},
        {"", "Next record", MenuAction::None},
        {"", "Last record", MenuAction::None},
        {"&Add", "Add a new Entry", MenuAction::None},
        {"&Edit", "Edit the current Entry", MenuAction::None},
        {"&Delete ", "Toggle Delete/UnDelete", MenuAction::None},
        {"&Save", "Save the current data", MenuAction::None},
        {"&Cancel", "Cancel the current edits", MenuAction::None},
        {"&Find", "Find by the current index", MenuAction::None},
        {"E&xit", "", MenuAction::Exit},
        {"", "New|Start a new show", MenuAction::NewShow},
        {"", "Open|Open an existing show", MenuAction::OpenShow},
        {"", "Close Current Show", MenuAction::CloseShow},
    };
    // clang-format on
    const auto buttons = entryButtons();
    ASSERT_EQ(buttons.size(), std::size(expected));
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(int(buttons[i].id), int(i));
        EXPECT_EQ(buttons[i].caption.toString(), expected[i].caption);
        EXPECT_EQ(buttons[i].hint.toString(), expected[i].hint);
        EXPECT_EQ(buttons[i].action, expected[i].action) << expected[i].hint;
    }
}

TEST(EntryButtonsMap, OnlyTheNavigatorAndTheSixButtonsWorkOnEntries)
{
    QStringList working;
    for (const EntryButtonEntry& entry : entryButtons()) {
        if (worksOnEntries(entry.id))
            working << (entry.caption.isEmpty() ? entry.hint : entry.caption).toString();
    }
    EXPECT_EQ(text(working), text({"First record", "Prior record", "Next record", "Last record",
                                   "&Add", "&Edit", "&Delete ", "&Save", "&Cancel", "&Find"}));
}

TEST(Hints, ShortPartIsTheToolTipAndLongPartTheStatusText)
{
    EXPECT_EQ(Hint::shortPart(u"New|Start a new show"), "New");
    EXPECT_EQ(Hint::longPart(u"New|Start a new show"), "Start a new show");
    EXPECT_EQ(Hint::shortPart(u"Close Current Show"), "Close Current Show");
    EXPECT_EQ(Hint::longPart(u"Close Current Show"), "Close Current Show");
    EXPECT_EQ(Hint::shortPart(u"|only long"), "");
    EXPECT_EQ(Hint::longPart(u"a|b|c"), "b|c");
}
