#include "masters/JudgLabelsForm.h"

#include "masters/JudgeLabels.h"
#include "masters/JudgeOrders.h"
#include "storage/CommandGuard.h"
#include "storage/Messages.h"
#include "ui/LabelStartWidget.h"
#include "ui/PrinterDialog.h"

#include "dbf/Table.h"

#include <QActionGroup>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

constexpr int RecordRole = Qt::UserRole + 1;
const QString kSelectAll = QStringLiteral("Select All");
const QString kDeselectAll = QStringLiteral("De-Select All");

} // namespace

TJudgLabels::TJudgLabels(dbf::Table& judges, Messages& messages, QWidget* parent)
    : QDialog(parent), judges_(judges), messages_(messages), list_(new QListWidget(this)),
      selected_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Judge Labels"));
    const LabelStock& stock = JudgeLabels::stock();

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    connect(file->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &QDialog::reject);
    QMenu* index = menus->addMenu(QStringLiteral("&Index"));
    auto* orders = new QActionGroup(this);
    byName_ = index->addAction(JudgeOrders::byName().menuText);
    byState_ = index->addAction(JudgeOrders::byState().menuText);
    for (QAction* action : {byName_, byState_}) {
        action->setCheckable(true);
        orders->addAction(action);
    }
    connect(byName_, &QAction::triggered, this,
            [this] { runGuarded(messages_, [this] { selectOrder(JudgeOrders::byName().tag); }); });
    connect(byState_, &QAction::triggered, this,
            [this] { runGuarded(messages_, [this] { selectOrder(JudgeOrders::byState().tag); }); });

    // The lines are laid out in columns.
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(list_, &QListWidget::itemChanged, this, &TJudgLabels::countSelected);

    selectAll_ = new QPushButton(kSelectAll, this);
    selectOpposite_ = new QPushButton(QStringLiteral("Select Opposite"), this);
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    auto* pdf = new QPushButton(QStringLiteral("Save as PDF"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel "), this);
    connect(selectAll_, &QPushButton::clicked, this, &TJudgLabels::toggleSelectAll);
    connect(selectOpposite_, &QPushButton::clicked, this, &TJudgLabels::selectOpposite);
    connect(print, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { this->print(); }); });
    connect(pdf, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { saveAsPdf(); }); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    start_ = new LabelStartWidget(stock, this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Select the Judges to have labels printed"), this));
    left->addWidget(list_, 1);
    left->addWidget(selected_);
    auto* selecting = new QHBoxLayout;
    selecting->addWidget(selectAll_);
    selecting->addWidget(selectOpposite_);
    selecting->addStretch();
    left->addLayout(selecting);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Select Label to start printing with"), this));
    right->addWidget(new QLabel(stock.caption, this));
    right->addWidget(start_);
    right->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(900, 520);

    tag_ = QString::fromStdString(judges_.order());
    const JudgeOrder* order = JudgeOrders::find(tag_);
    if (order == &JudgeOrders::byName())
        byName_->setChecked(true);
    else if (order == &JudgeOrders::byState())
        byState_->setChecked(true);
    rebuild();
}

QAbstractButton* TJudgLabels::startButton(int label) const
{
    return start_->startButton(label);
}

QAction* TJudgLabels::orderAction(const QString& tag) const
{
    return tag == JudgeOrders::byState().tag ? byState_ : byName_;
}

LabelPosition TJudgLabels::startPosition() const
{
    return start_->startPosition();
}

std::set<std::uint32_t> TJudgLabels::ticked() const
{
    std::set<std::uint32_t> records;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->checkState() == Qt::Checked)
            records.insert(list_->item(row)->data(RecordRole).toUInt());
    return records;
}

void TJudgLabels::rebuild()
{
    // Ticks stay with their judges when the order changes.
    const std::set<std::uint32_t> keep = ticked();
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const JudgeLabels::Choice& choice : JudgeLabels::checkList(judges_, tag_)) {
        auto* item = new QListWidgetItem(choice.line, list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(keep.contains(choice.recno) ? Qt::Checked : Qt::Unchecked);
        item->setData(RecordRole, choice.recno);
    }
    countSelected();
}

void TJudgLabels::countSelected()
{
    selected_->setText(JudgeLabels::selectedText(int(ticked().size())));
}

void TJudgLabels::selectOrder(const QString& tag)
{
    tag_ = tag;
    orderAction(tag)->setChecked(true);
    rebuild();
}

void TJudgLabels::toggleSelectAll()
{
    const bool select = selectAll_->text() == kSelectAll;
    const QSignalBlocker quiet(list_);
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(select ? Qt::Checked : Qt::Unchecked);
    selectAll_->setText(select ? kDeselectAll : kSelectAll);
    countSelected();
}

void TJudgLabels::selectOpposite()
{
    const QSignalBlocker quiet(list_);
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    countSelected();
}

bool TJudgLabels::anyTicked()
{
    if (!ticked().empty())
        return true;
    messages_.inform(QStringLiteral("Tick the judges to print labels for."));
    return false;
}

LabelRun TJudgLabels::labels() const
{
    return JudgeLabels::labels(judges_, tag_, ticked(), startPosition());
}

void TJudgLabels::print()
{
    if (!anyTicked())
        return;
    const auto outcome = printOnChosenPrinter(labels(), messages_, this);
    if (outcome && !outcome->deviceFailed)
        messages_.inform(JudgeLabels::doneMessage);
}

bool TJudgLabels::saveAsPdf()
{
    if (!anyTicked() || !askAndWrite(labels(), PrintFormat::Pdf, messages_))
        return false;
    messages_.inform(JudgeLabels::doneMessage);
    return true;
}
