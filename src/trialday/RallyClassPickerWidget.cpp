#include "trialday/RallyClassPickerWidget.h"

#include "storage/CommandGuard.h"
#include "storage/DataModule.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

RallyClassPickerWidget::RallyClassPickerWidget(Tdmod& data, QWidget* parent)
    : QWidget(parent), data_(data), trials_(RallyClassChoice::trialTabs(data)),
      tabs_(new QTabBar(this)), list_(new QListWidget(this)),
      selectAll_(new QPushButton(kSelectAll, this)),
      selectOpposite_(new QPushButton(QStringLiteral("Select Opposite"), this)),
      count_(new QLabel(this))
{
    auto* hint = new QLabel(QStringLiteral("Select the Trial # and then the Classes to print"));
    auto* note = new QLabel(QStringLiteral(
        "Classes are listed by Trial #.  If SELECT ALL is chosen, only the classes for the "
        "indicated Trial # will be printed. "));
    note->setWordWrap(true);
    for (const RallyClassChoice::TrialTab& trial : std::as_const(trials_))
        tabs_->addTab(trial.caption);

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        runGuarded(data_.messages(), [this, index] { showTrial(index); });
    });
    connect(list_, &QListWidget::itemChanged, this, &RallyClassPickerWidget::itemChanged);
    connect(selectAll_, &QPushButton::clicked, this, &RallyClassPickerWidget::SelectAllClick);
    connect(selectOpposite_, &QPushButton::clicked, this,
            &RallyClassPickerWidget::SelectOppositeClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAll_);
    buttons->addWidget(selectOpposite_);
    buttons->addStretch();
    buttons->addWidget(count_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(hint);
    layout->addWidget(note);
    layout->addWidget(tabs_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    showTrial(tabs_->currentIndex());
}

int RallyClassPickerWidget::currentTrial() const
{
    return tabs_->currentIndex() + 1;
}

QStringList RallyClassPickerWidget::checkedKeys() const
{
    QStringList keys;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked)
            keys << keys_.value(row);
    }
    return keys;
}

void RallyClassPickerWidget::showTrial(int index)
{
    settingAll_ = true;
    list_->clear();
    keys_.clear();
    checked_ = 0;
    nextSelects_ = true;
    selectAll_->setText(kSelectAll);
    if (index >= 0 && index < trials_.size() && trials_[index].offersRally) {
        for (const RallyClassChoice::RallyClass& cls :
             RallyClassChoice::classesOffered(data_, index + 1)) {
            auto* item = new QListWidgetItem(cls.name, list_);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
            keys_ << cls.key;
        }
    }
    settingAll_ = false;
    showCount();
}

void RallyClassPickerWidget::itemChanged(QListWidgetItem* item)
{
    if (settingAll_)
        return;
    checked_ += item->checkState() == Qt::Checked ? 1 : -1;
    showCount();
}

void RallyClassPickerWidget::setAll(bool checked)
{
    settingAll_ = true;
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    settingAll_ = false;
    checked_ = checked ? list_->count() : 0;
}

void RallyClassPickerWidget::SelectAllClick()
{
    setAll(nextSelects_);
    selectAll_->setText(nextSelects_ ? kDeselectAll : kSelectAll);
    nextSelects_ = !nextSelects_;
    showCount();
}

void RallyClassPickerWidget::SelectOppositeClick()
{
    settingAll_ = true;
    checked_ = 0;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const bool checked = item->checkState() != Qt::Checked;
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        checked_ += checked ? 1 : 0;
    }
    settingAll_ = false;
    showCount();
}

void RallyClassPickerWidget::showCount()
{
    count_->setText(QStringLiteral("Selected records = ") + QString::number(checked_));
}
