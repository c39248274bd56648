#include "ui/AutoCaps.h"
#include "ui/DataEntryKeys.h"

#include "storage/SessionSettings.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>

#include <gtest/gtest.h>

TEST(AutoCaps, WhichTypedLettersAreCapitalised)
{
    struct Case {
        AutoCapsRule rule;
        QString text;
        int cursor;
        int selectionStart;
        int selectionLength;
        bool capital;
    };
    const auto T = AutoCapsRule::TextStart;
    const auto W = AutoCapsRule::WordStart;
    const auto N = AutoCapsRule::NameList;
    const auto P = AutoCapsRule::OwnerPick;
    const std::vector<Case> cases = {
        {T, "", 0, -1, 0, true},          // empty box
        {T, "o", 1, -1, 0, false},        // o'neil: only the first letter
        {T, "O'", 2, -1, 0, false},       // not after an apostrophe
        {T, "Mary ", 5, -1, 0, true},     // after a blank at the end
        {T, "Smith-", 6, -1, 0, true},    // after a hyphen at the end
        {T, "Mary Ann", 8, 0, 8, true},   // wholly selected: replaced
        {T, "Mary Ann", 8, 5, 3, false},  // partly selected
        {T, "Mary Ann", 0, -1, 0, false}, // caret moved to the start of a filled box
        {T, "Ann ", 1, -1, 0, true},      // the text ends with a blank, wherever the caret
        {W, "", 0, -1, 0, true},          // start of the line
        {W, "Ch Rex", 3, -1, 0, true},    // right after a blank inside the text
        {W, "Ch Rex", 4, -1, 0, false},   // inside a word
        {W, "Mary-ann", 5, -1, 0, true},  // right after a hyphen
        {W, "Ch Rex", 6, 3, 3, true},     // the selection starts after a blank
        {N, "", 0, -1, 0, true},          // the pick list: the start
        {N, "Smith,", 6, -1, 0, true},    // after the comma of "Last, First"
        {N, "Smith & ", 8, -1, 0, true},  // after "&"
        {N, "Smith/", 6, -1, 0, true},    // after "/"
        {N, "St.", 3, -1, 0, true},       // after a period
        {N, "Sm", 2, -1, 0, false},       // inside a word
        {P, "", 0, -1, 0, true},          // start of the pick field
        {P, "Smith,", 6, -1, 0, true},    // after the comma of "Last,First"
        {P, "St.", 3, -1, 0, true},       // after a period
        {P, "Lee/", 4, -1, 0, true},      // after a slash
        {P, "Lee-", 4, -1, 0, true},      // after a hyphen
        {P, "O'", 2, -1, 0, false},       // not after an apostrophe
        {P, "Smith, m", 8, -1, 0, false}, // inside a word
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " at " + std::to_string(c.cursor));
        const TypingPoint point{c.text, c.cursor, c.selectionStart, c.selectionLength};
        EXPECT_EQ(autoCapsApplies(c.rule, point), c.capital);
    }
}

namespace
{

// Stands in for a line edit: the filter reads these properties and receives
// the capital in place of the typed letter.
class FakeBox : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER text)
    Q_PROPERTY(int cursorPosition MEMBER cursorPosition)
public:
    QString text;
    int cursorPosition = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::event(event);
        text.insert(cursorPosition++, static_cast<QKeyEvent*>(event)->text());
        return true;
    }
};

} // namespace

TEST(AutoCaps, FilterSendsTheCapitalInstead)
{
    FakeBox box;
    AutoCapsFilter filter(AutoCapsRule::TextStart);
    filter.watch(&box);
    for (const QChar c : QStringLiteral("o'neil mc-d")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&box, &key);
    }
    EXPECT_EQ(box.text.toStdString(), "O'neil Mc-D");

    filter.setEnabled(false);
    box.text.clear();
    box.cursorPosition = 0;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&box, &key);
    EXPECT_EQ(box.text.toStdString(), "a") << "AutoCaps off";
}

TEST(DataEntryKeys, KeysActOnlyUnderTheirPreference)
{
    KeyboardSettings off{false, false, false, false};
    KeyboardSettings enterOnly = off;
    enterOnly.enterAsTab = true;
    KeyboardSettings pgdnOnly = off;
    pgdnOnly.pgdnAsSave = true;

    struct Case {
        int key;
        DataEntryKey enter;
        DataEntryKey pgdn;
    };
    const std::vector<Case> cases = {
        {Qt::Key_Return, DataEntryKey::NextField, DataEntryKey::None},
        {Qt::Key_Enter, DataEntryKey::NextField, DataEntryKey::None},
        {Qt::Key_Escape, DataEntryKey::None, DataEntryKey::Cancel},
        {Qt::Key_PageDown, DataEntryKey::None, DataEntryKey::Save},
        {Qt::Key_PageUp, DataEntryKey::None, DataEntryKey::Save},
        {Qt::Key_Up, DataEntryKey::None, DataEntryKey::NextField},
        {Qt::Key_Down, DataEntryKey::None, DataEntryKey::PreviousField},
        {Qt::Key_Tab, DataEntryKey::None, DataEntryKey::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(dataEntryKey(off, c.key), DataEntryKey::None);
        EXPECT_EQ(dataEntryKey(enterOnly, c.key), c.enter);
        EXPECT_EQ(dataEntryKey(pgdnOnly, c.key), c.pgdn);
    }
    EXPECT_EQ(dataEntryKey(pgdnOnly, Qt::Key_PageDown, Qt::ControlModifier), DataEntryKey::None);
}

#include "test_data_entry_keys.moc"
