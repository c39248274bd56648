#include "entry/MenuGate.h"

#include <gtest/gtest.h>

namespace
{

MenuState openShow()
{
    MenuState s;
    s.showOpen = true;
    s.clubInfoSet = true;
    s.showHasObedience = true;
    s.showHasRally = true;
    s.hasEntries = true;
    return s;
}

struct GateCase {
    const char* name;
    MenuAction action;
    MenuState state;
    QString message; // empty: it runs
};

class MenuGateDecides : public testing::TestWithParam<GateCase>
{
};

TEST_P(MenuGateDecides, WhetherACommandRunsOrWhatItSays)
{
    const GateCase& c = GetParam();
    const GateDecision decision = MenuGate::decide(c.action, c.state);
    EXPECT_EQ(decision.runs, c.message.isEmpty());
    EXPECT_EQ(decision.message.toStdString(), c.message.toStdString());
}

MenuState with(void (*change)(MenuState&))
{
    MenuState s = openShow();
    change(s);
    return s;
}

using namespace MenuGate;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, MenuGateDecides, testing::Values(
    GateCase{"CatalogRunsWithClubInfo", MenuAction::CatalogBooklet, openShow(), {}},
    GateCase{"CatalogNeedsClubInfo", MenuAction::CatalogBooklet,
             with([](MenuState& s) { s.clubInfoSet = false; }), kNeedsClubInfo},
    GateCase{"SlipsNeedClubInfo", MenuAction::ExhibitorSlips,
             with([](MenuState& s) { s.clubInfoSet = false; }), kNeedsClubInfo},
    GateCase{"ResultsSayOptions", MenuAction::ViewResults,
             with([](MenuState& s) { s.clubInfoSet = false; }), kNeedsClubInfoForResults},
    GateCase{"ObedienceGateSheetsNeedObedience", MenuAction::GateSheetsObedience,
             with([](MenuState& s) { s.showHasObedience = false; }), kNoObedience},
    GateCase{"ObedienceGateSheetsNeedEntries", MenuAction::GateSheetsObedience,
             with([](MenuState& s) { s.hasEntries = false; }), kNoEntries},
    GateCase{"NoClassesIsToldBeforeNoEntries", MenuAction::ScheduleListRally,
             with([](MenuState& s) { s.showHasRally = false; s.hasEntries = false; }), kNoRally},
    GateCase{"ScoreBoxesNeedRallyButNotEntries", MenuAction::GateSheetsRallyScoreBox,
             with([](MenuState& s) { s.hasEntries = false; }), {}},
    GateCase{"RallyScoresNeedRally", MenuAction::RallyScores,
             with([](MenuState& s) { s.showHasRally = false; }), kNoRally},
    GateCase{"HighInTrialNeedsObedience", MenuAction::ObedienceHighInTrial,
             with([](MenuState& s) { s.showHasObedience = false; }), kNoObedience},
    GateCase{"JudgesBookNeedsRally", MenuAction::RallyJudgesBook,
             with([](MenuState& s) { s.showHasRally = false; }), kNoRally},
    GateCase{"OwnersAlwaysRun", MenuAction::Owners, MenuState{}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(MenuGate, DetachedCommandsLetGoOfTheEntryTable)
{
    const MenuState closed;
    const MenuState open = openShow();
    EXPECT_TRUE(detaches(MenuAction::ConfirmSortKeys, open));
    EXPECT_TRUE(detaches(MenuAction::GridFormat, open));
    EXPECT_TRUE(detaches(MenuAction::DogMaster, open));
    EXPECT_FALSE(detaches(MenuAction::DogMaster, closed)) << "detached only while a show is open";
    EXPECT_FALSE(detaches(MenuAction::Owners, open));
}

TEST(MenuGate, JumpHeightMenusFollowTheOfferedSections)
{
    const MenuEntry& obedience = *findMenuEntry(MenuId::ObedienceJumpHeights);
    const MenuEntry& rally = *findMenuEntry(MenuId::RallyJumpHeights);
    MenuState rallyOnly = openShow();
    rallyOnly.showHasObedience = false;
    EXPECT_FALSE(enabled(obedience, rallyOnly));
    EXPECT_TRUE(enabled(rally, rallyOnly));
    EXPECT_TRUE(enabled(obedience, openShow()));
    EXPECT_FALSE(enabled(rally, MenuState{})) << "no show open";

    EXPECT_FALSE(enabled(*findMenuEntry(MenuAction::ConfirmSortKeys), MenuState{}));
    EXPECT_TRUE(enabled(*findMenuEntry(MenuAction::ConfirmSortKeys), openShow()));
    EXPECT_TRUE(enabled(*findMenuEntry(MenuAction::Owners), MenuState{}));
}

} // namespace
