#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QLineEdit;

namespace dbf
{
class Table;
}

// The owner's edit boxes with their captions, typing limits and field rules,
// shared by the owner database window and the owner dialog: the phone
// numbers take digits in the pattern 999-999-9999, the zip code is always in
// capitals, and State and Country are tidied when the secretary leaves them.
class OwnerFieldsWidget : public QWidget
{
    Q_OBJECT
public:
    // The window shows every field; the dialog leaves out notes and the date
    // of the last change and calls the cell phone "Cell #".
    enum class Use { Window, Dialog };

    struct Box {
        QString field;
        QLineEdit* edit;
    };

    explicit OwnerFieldsWidget(Use use, QWidget* parent = nullptr);

    const QList<Box>& boxes() const { return boxes_; }
    // nullptr for a field this use does not show.
    QLineEdit* box(const QString& field) const;
    // The boxes where automatic capitals apply: names, address, city and
    // country, and in the dialog also state and zip code.
    QList<QLineEdit*> autoCapsBoxes() const;

    // Lets a box keep a stored value longer than its edit limit (the limit
    // holds only for typing); call it after the boxes were loaded.
    void allowStoredLengths();

    // The dialog's own reading and writing of the record buffer; the window
    // binds the boxes instead. Read-only boxes are not written.
    void load(const dbf::Table& owner);
    void write(dbf::Table& owner) const;

private:
    class TypingLimit;

    void addBox(const QString& field, const QString& caption, int limit);

    Use use_;
    QList<Box> boxes_;
    QList<TypingLimit*> limits_;
};
