#pragma once

#include <QObject>
#include <QString>

// Automatic capitals: while the secretary types names and addresses, the
// first letter of each word comes out upper case without the shift key.
enum class AutoCapsRule {
    // Names, addresses and notes: a letter typed into an empty or wholly
    // selected box, or when the box's text ends with a blank or a hyphen.
    TextStart,
    // Breeder, sire, dam and co-owner: a letter typed at the start of the text
    // or right after a blank or a hyphen, wherever the caret is.
    WordStart,
    // The owner pick lists, where a name is typed as "Last, First": a letter
    // typed with the caret at the start, or when the text ends with a blank,
    // a period, a hyphen, a comma, "&" or "/".
    NameList,
    // The dog master's owner pick field: a letter typed at the start of the
    // text or right after a blank, ".", "-", "," or "/", wherever the caret is.
    OwnerPick,
};

// What the edit box looks like when a letter is typed.
struct TypingPoint {
    QString text;
    int cursor = 0;          // caret position
    int selectionStart = -1; // -1: nothing selected
    int selectionLength = 0;
};

// True when a letter typed at this point is to be upper-cased.
bool autoCapsApplies(AutoCapsRule rule, const TypingPoint& point);

// Applies the rule to every line edit it watches: a lower-case letter that the
// rule capitalises reaches the box as its capital. Works through the boxes'
// properties (text, cursorPosition, selectionStart, selectedText), so any
// widget with those properties can be watched.
class AutoCapsFilter : public QObject
{
    Q_OBJECT
public:
    explicit AutoCapsFilter(AutoCapsRule rule, QObject* parent = nullptr);

    // Switched off, the filter passes every key through untouched.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }
    // Installs the filter on the box.
    void watch(QObject* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AutoCapsRule rule_;
    bool enabled_ = true;
};
