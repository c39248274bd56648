#include "preparation/CatalogClassListWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace
{

const QString kSelectAll = QStringLiteral("Select &All");
const QString kDeselectAll = QStringLiteral("De-Select All");

} // namespace

CatalogClassListWidget::CatalogClassListWidget(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)),
      gathering_(new QLabel(QStringLiteral("Patience - Gathering Data"), this)),
      list_(new QListWidget(this)), selectAll_(new QPushButton(kSelectAll, this)),
      selectOpposite_(new QPushButton(QStringLiteral("&Select Opposite"), this)),
      clear_(new QPushButton(QStringLiteral("&Clear CheckMarks"), this))
{
    gathering_->setAlignment(Qt::AlignCenter);
    gathering_->hide();
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && std::size_t(index) < sections_.size())
            emit sectionChosen(sections_[std::size_t(index)]);
    });
    connect(list_, &QListWidget::itemChanged, this, &CatalogClassListWidget::ticksChanged);
    connect(selectAll_, &QPushButton::clicked, this,
            [this] { tickAll(selectAll_->text() == kSelectAll); });
    connect(selectOpposite_, &QPushButton::clicked, this, [this] {
        const QSignalBlocker quiet(list_);
        for (int row = 0; row < list_->count(); ++row) {
            QListWidgetItem* item = list_->item(row);
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
        ticksChanged();
    });
    connect(clear_, &QPushButton::clicked, this, [this] { tickAll(false); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAll_);
    buttons->addWidget(selectOpposite_);
    buttons->addWidget(clear_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    layout->addWidget(gathering_, 1);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    ticksChanged();
}

void CatalogClassListWidget::setSections(const std::vector<ClassCodes::Section>& sections)
{
    const QSignalBlocker quiet(tabs_);
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    sections_ = sections;
    for (ClassCodes::Section section : sections)
        tabs_->addTab(ClassCodes::sectionName(section));
    tabs_->setCurrentIndex(sections.empty() ? -1 : 0);
}

std::optional<ClassCodes::Section> CatalogClassListWidget::section() const
{
    const int index = tabs_->currentIndex();
    if (index < 0 || std::size_t(index) >= sections_.size())
        return std::nullopt;
    return sections_[std::size_t(index)];
}

void CatalogClassListWidget::setClasses(std::vector<CatalogClass> classes)
{
    classes_ = std::move(classes);
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const CatalogClass& cls : classes_) {
        auto* item = new QListWidgetItem(cls.name.trimmed(), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    ticksChanged();
}

void CatalogClassListWidget::setGathering(bool gathering)
{
    gathering_->setVisible(gathering);
    list_->setVisible(!gathering);
    if (gathering)
        gathering_->repaint();
}

std::vector<CatalogClass> CatalogClassListWidget::ticked() const
{
    std::vector<CatalogClass> chosen;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked)
            chosen.push_back(classes_.at(std::size_t(row)));
    }
    return chosen;
}

void CatalogClassListWidget::tickAll(bool ticked)
{
    const QSignalBlocker quiet(list_);
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    ticksChanged();
}

void CatalogClassListWidget::tickKeys(const QStringList& keys)
{
    const QSignalBlocker quiet(list_);
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(
            keys.contains(classes_.at(std::size_t(row)).classKey) ? Qt::Checked : Qt::Unchecked);
    ticksChanged();
}

void CatalogClassListWidget::ticksChanged()
{
    int count = 0;
    for (int row = 0; row < list_->count(); ++row)
        count += list_->item(row)->checkState() == Qt::Checked;
    clear_->setEnabled(count > 0);
    // Every class ticked: the button takes them all off again.
    selectAll_->setText(count > 0 && count == list_->count() ? kDeselectAll : kSelectAll);
}
