#include "entry/FieldListChoice.h"

#include <gtest/gtest.h>

namespace
{

using Side = FieldListChoice::Side;

QStringList words(const char* text)
{
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

std::string joined(const QStringList& items)
{
    return items.join(u' ').toStdString();
}

// One move of the dialog, from a starting state to the lists, selections and
// focus it leaves.
struct MoveCase {
    const char* name;
    const char* displayed;
    const char* hidden;
    QList<int> displayedSelection;
    QList<int> hiddenSelection;
    enum { Selected, All } move;
    Side from;
    const char* displayedAfter;
    const char* hiddenAfter;
    QList<int> displayedSelectionAfter;
    QList<int> hiddenSelectionAfter;
};

const MoveCase kMoves[] = {
    {"one field hidden, the next one selected",
     "reg dog breed arm",
     "notes",
     {1},
     {},
     MoveCase::Selected,
     Side::Displayed,
     "reg breed arm",
     "notes dog",
     {1},
     {}},
    {"several arrive in reverse order",
     "reg dog breed arm",
     "notes",
     {0, 2},
     {},
     MoveCase::Selected,
     Side::Displayed,
     "dog arm",
     "notes breed reg",
     {0},
     {}},
    {"the last one moved: the new last item is selected",
     "reg dog breed",
     "",
     {2},
     {},
     MoveCase::Selected,
     Side::Displayed,
     "reg dog",
     "breed",
     {1},
     {}},
    {"the first selection past the end selects the last item",
     "reg dog breed arm",
     "",
     {2, 3},
     {},
     MoveCase::Selected,
     Side::Displayed,
     "reg dog",
     "arm breed",
     {1},
     {}},
    {"nothing selected: nothing moves, the first item is selected",
     "reg dog",
     "notes",
     {},
     {},
     MoveCase::Selected,
     Side::Displayed,
     "reg dog",
     "notes",
     {0},
     {}},
    {"every item moved one by one leaves nothing to select",
     "reg",
     "notes",
     {0},
     {},
     MoveCase::Selected,
     Side::Displayed,
     "",
     "notes reg",
     {},
     {}},
    {"back from the hidden list, reversed, the other list's selection kept",
     "reg dog",
     "notes arm breed",
     {1},
     {0, 2},
     MoveCase::Selected,
     Side::Hidden,
     "reg dog breed notes",
     "arm",
     {1},
     {0}},
    {"all displayed fields hidden, in their order",
     "reg dog breed",
     "notes",
     {1},
     {0},
     MoveCase::All,
     Side::Displayed,
     "",
     "notes reg dog breed",
     {},
     {0}},
    {"all hidden fields shown, in their order",
     "reg",
     "notes arm",
     {0},
     {1},
     MoveCase::All,
     Side::Hidden,
     "reg notes arm",
     "",
     {0},
     {}},
};

} // namespace

TEST(FieldListChoiceTest, MovesBetweenTheLists)
{
    for (const MoveCase& c : kMoves) {
        FieldListChoice choice(words(c.displayed), words(c.hidden));
        choice.setSelection(Side::Displayed, c.displayedSelection);
        choice.setSelection(Side::Hidden, c.hiddenSelection);
        if (c.move == MoveCase::Selected)
            choice.moveSelected(c.from);
        else
            choice.moveAll(c.from);
        EXPECT_EQ(joined(choice.displayed()), c.displayedAfter) << c.name;
        EXPECT_EQ(joined(choice.hidden()), c.hiddenAfter) << c.name;
        EXPECT_EQ(choice.selection(Side::Displayed), c.displayedSelectionAfter) << c.name;
        EXPECT_EQ(choice.selection(Side::Hidden), c.hiddenSelectionAfter) << c.name;
        EXPECT_EQ(choice.focus(), c.from) << c.name << ": the source list keeps the focus";
    }
}

TEST(FieldListChoiceTest, EachButtonWorksExactlyWhileItsSourceListHasItems)
{
    const struct {
        const char* displayed;
        const char* hidden;
        bool hideEnabled; // ">" and ">>"
        bool showEnabled; // "<" and "<<"
    } cases[] = {
        {"reg dog", "notes", true, true},
        {"reg", "", true, false},
        {"", "notes", false, true},
        {"", "", false, false},
    };
    for (const auto& c : cases) {
        const FieldListChoice choice(words(c.displayed), words(c.hidden));
        EXPECT_EQ(choice.canMove(Side::Displayed), c.hideEnabled) << c.displayed;
        EXPECT_EQ(choice.canMove(Side::Hidden), c.showEnabled) << c.hidden;
    }

    // After a move the rule holds for the lists as they are then.
    FieldListChoice choice(words("reg dog"), {});
    choice.moveAll(Side::Displayed);
    EXPECT_FALSE(choice.canMove(Side::Displayed));
    EXPECT_TRUE(choice.canMove(Side::Hidden));
    choice.setSelection(Side::Hidden, {0, 1});
    choice.moveSelected(Side::Hidden);
    EXPECT_TRUE(choice.canMove(Side::Displayed));
    EXPECT_FALSE(choice.canMove(Side::Hidden));
}

TEST(FieldListChoiceTest, ADropInTheDisplayedListChoosesTheColumnOrder)
{
    const struct {
        const char* name;
        const char* displayed;
        int from;
        std::optional<int> onto;
        const char* after;
        QList<int> selection;
    } cases[] = {
        {"down onto an item takes its place", "reg dog breed arm", 0, 2, "dog breed reg arm", {2}},
        {"up onto an item takes its place", "reg dog breed arm", 3, 1, "reg arm dog breed", {1}},
        {"below the last item becomes the last",
         "reg dog breed",
         0,
         std::nullopt,
         "dog breed reg",
         {2}},
        {"onto itself stays and is selected", "reg dog breed", 1, 1, "reg dog breed", {1}},
        {"a single item cannot be dragged", "reg", 0, std::nullopt, "reg", {}},
    };
    for (const auto& c : cases) {
        FieldListChoice choice(words(c.displayed), words("notes"));
        choice.setSelection(Side::Hidden, {0});
        choice.drop(c.from, c.onto);
        EXPECT_EQ(joined(choice.displayed()), c.after) << c.name;
        EXPECT_EQ(choice.selection(Side::Displayed), c.selection) << c.name;
        EXPECT_EQ(joined(choice.hidden()), "notes") << c.name;
        EXPECT_EQ(choice.selection(Side::Hidden), QList<int>{0}) << c.name;
    }
}

TEST(FieldListChoiceTest, SelectionsIgnoreRowsTheListDoesNotHave)
{
    FieldListChoice choice(words("reg dog"), {});
    choice.setSelection(Side::Displayed, {5, 1, -1, 1});
    EXPECT_EQ(choice.selection(Side::Displayed), QList<int>{1});
    choice.moveSelected(Side::Displayed);
    EXPECT_EQ(joined(choice.hidden()), "dog");
}
