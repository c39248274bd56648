#pragma once

#include <QList>
#include <QStringList>

#include <optional>

// The choice of the grid view's columns in the field-list dialog: the
// displayed fields in the order the grid will show them, and the hidden
// ones, each list with its own selection. The dialog only presents this:
// its buttons call the moves, and a drag in the displayed list calls drop().
class FieldListChoice
{
public:
    enum class Side { Displayed, Hidden };

    FieldListChoice(QStringList displayed = {}, QStringList hidden = {});

    const QStringList& items(Side side) const;
    const QStringList& displayed() const { return displayed_; }
    const QStringList& hidden() const { return hidden_; }

    // The selected rows of a list, ascending; rows out of range are ignored.
    QList<int> selection(Side side) const;
    void setSelection(Side side, QList<int> rows);
    // The list that took the focus with the last move; none before any move.
    std::optional<Side> focus() const { return focus_; }

    // ">" (from the displayed list) and "<" (from the hidden list): the
    // selected items go to the end of the other list. They are taken from the
    // bottom of the list upwards, so they arrive in reverse order. The source
    // list keeps the focus with one item selected where its first selection
    // was (the last item when that is now past the end, the first when
    // nothing was selected).
    void moveSelected(Side from);
    // ">>" and "<<": every item of the list goes to the end of the other, in
    // its order; the emptied list keeps the focus.
    void moveAll(Side from);
    // The enabling rule of the four buttons: ">" and ">>" work while the
    // displayed list has items, "<" and "<<" while the hidden list has.
    bool canMove(Side from) const { return !items(from).isEmpty(); }

    // A drag within the displayed list: the item at row `from` dropped on the
    // item at row `onto` takes that row; dropped below the last item (no
    // `onto`) it becomes the last. The dropped item is then the selection.
    // With fewer than two items nothing happens.
    void drop(int from, std::optional<int> onto);

private:
    QStringList& list(Side side);
    QList<int>& selected(Side side);
    void selectOnly(Side side, int row);

    QStringList displayed_;
    QStringList hidden_;
    QList<int> displayedSelection_;
    QList<int> hiddenSelection_;
    std::optional<Side> focus_;
};
