#include "entry/DualListDialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

// The displayed list, whose items are dragged into the column order. The
// drag is the list's own, not a drag-and-drop between windows: pressing an
// item and letting go over another moves it there.
class TDualListDlg::DragList : public QListWidget
{
public:
    std::function<void(int from, std::optional<int> onto)> dropped;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        pressedRow_ = event->button() == Qt::LeftButton ? indexAt(event->pos()).row() : -1;
        pressedAt_ = event->pos();
        QListWidget::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!dragging_ && pressedRow_ >= 0 && count() >= 2 && event->buttons() & Qt::LeftButton &&
            (event->pos() - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
            dragging_ = true;
            viewport()->setCursor(Qt::DragMoveCursor);
        }
        // While dragging, the mouse must not sweep a range of items into the selection.
        if (!dragging_)
            QListWidget::mouseMoveEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QListWidget::mouseReleaseEvent(event);
        if (!dragging_)
            return;
        dragging_ = false;
        viewport()->unsetCursor();
        const QModelIndex under = indexAt(event->pos());
        const int from = pressedRow_;
        pressedRow_ = -1;
        if (dropped)
            dropped(from, under.isValid() ? std::optional<int>(under.row()) : std::nullopt);
    }

private:
    int pressedRow_ = -1;
    QPoint pressedAt_;
    bool dragging_ = false;
};

TDualListDlg::TDualListDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Field List Manager"));
    setModal(true);

    auto* instruction =
        new QLabel(QStringLiteral("Select the Fields and Order to Show in the Grid "));
    auto* dragList = new DragList;
    displayed_ = dragList;
    hidden_ = new QListWidget;
    for (QListWidget* list : {displayed_, hidden_}) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setMinimumWidth(160);
    }
    displayed_->setObjectName(QStringLiteral("displayedFields"));
    hidden_->setObjectName(QStringLiteral("hiddenFields"));

    include_ = new QPushButton(QStringLiteral(">"));
    includeAll_ = new QPushButton(QStringLiteral(">>"));
    exclude_ = new QPushButton(QStringLiteral("<"));
    excludeAll_ = new QPushButton(QStringLiteral("<<"));
    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* button : {include_, includeAll_, exclude_, excludeAll_}) {
        button->setAutoDefault(false);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("<<<<")) + 24);
        moves->addWidget(button);
    }
    moves->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Displayed Fields")), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Hidden Fields")), 0, 2);
    lists->addWidget(displayed_, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(hidden_, 1, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);

    using Side = FieldListChoice::Side;
    connect(include_, &QPushButton::clicked, this, [this] { move(Side::Displayed, false); });
    connect(includeAll_, &QPushButton::clicked, this, [this] { move(Side::Displayed, true); });
    connect(exclude_, &QPushButton::clicked, this, [this] { move(Side::Hidden, false); });
    connect(excludeAll_, &QPushButton::clicked, this, [this] { move(Side::Hidden, true); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(displayed_, &QListWidget::itemSelectionChanged, this, &TDualListDlg::takeSelection);
    connect(hidden_, &QListWidget::itemSelectionChanged, this, &TDualListDlg::takeSelection);
    dragList->dropped = [this](int from, std::optional<int> onto) {
        choice_.drop(from, onto);
        present();
    };
    resize(460, 380);
    present();
}

TDualListDlg::~TDualListDlg() = default;

void TDualListDlg::setChoice(FieldListChoice choice)
{
    choice_ = std::move(choice);
    present();
}

QStringList TDualListDlg::run(FieldListChoice choice)
{
    setChoice(std::move(choice));
    exec();
    return choice_.displayed();
}

void TDualListDlg::move(FieldListChoice::Side from, bool all)
{
    if (all)
        choice_.moveAll(from);
    else
        choice_.moveSelected(from);
    present();
}

void TDualListDlg::present()
{
    using Side = FieldListChoice::Side;
    presenting_ = true;
    const std::pair<QListWidget*, Side> lists[] = {{displayed_, Side::Displayed},
                                                   {hidden_, Side::Hidden}};
    for (const auto& [list, side] : lists) {
        list->clear();
        list->addItems(choice_.items(side));
        const QList<int> rows = choice_.selection(side);
        for (int row : rows)
            list->item(row)->setSelected(true);
        if (!rows.isEmpty())
            list->setCurrentRow(rows.front(), QItemSelectionModel::NoUpdate);
    }
    presenting_ = false;
    if (const auto focus = choice_.focus())
        (*focus == Side::Displayed ? displayed_ : hidden_)->setFocus();
    include_->setEnabled(choice_.canMove(Side::Displayed));
    includeAll_->setEnabled(choice_.canMove(Side::Displayed));
    exclude_->setEnabled(choice_.canMove(Side::Hidden));
    excludeAll_->setEnabled(choice_.canMove(Side::Hidden));
}

void TDualListDlg::takeSelection()
{
    if (presenting_)
        return;
    using Side = FieldListChoice::Side;
    const std::pair<QListWidget*, Side> lists[] = {{displayed_, Side::Displayed},
                                                   {hidden_, Side::Hidden}};
    for (const auto& [list, side] : lists) {
        QList<int> rows;
        for (const QListWidgetItem* item : list->selectedItems())
            rows << list->row(item);
        choice_.setSelection(side, rows);
    }
}
