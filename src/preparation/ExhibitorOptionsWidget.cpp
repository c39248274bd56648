#include "preparation/ExhibitorOptionsWidget.h"

#include "preparation/ChoiceGroupWidget.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>

namespace
{

const QStringList kYesNo{QStringLiteral("Yes"), QStringLiteral("No")};
const QStringList kNoYes{QStringLiteral("No"), QStringLiteral("Yes")};

} // namespace

ExhibitorOptionsWidget::ExhibitorOptionsWidget(Kind kind, QWidget* parent) : QWidget(parent)
{
    const bool preview = kind == Kind::Preview;
    armbands_ = new ChoiceGroupWidget(QStringLiteral("Include Armband Numbers ?   "), kYesNo, 0);
    bold_ = new ChoiceGroupWidget(QStringLiteral("Bold Owner's Names ? "), kYesNo, 1);
    caps_ = new ChoiceGroupWidget(QStringLiteral("Owner's Names in CAPS ? "), kYesNo, 1);
    startPage_ = new QLineEdit(QStringLiteral("1"));
    startSide_ = new ChoiceGroupWidget(QStringLiteral("Start Printing on  "),
                                       {QStringLiteral("Left Side"), QStringLiteral("Right Side")});
    clubName_ = new ChoiceGroupWidget(preview ? QStringLiteral("Print Club Name at Top ?   ")
                                              : QStringLiteral("Print Club Name    "),
                                      kNoYes);
    showDate_ = new ChoiceGroupWidget(preview ? QStringLiteral("Print Show Date at Top ?  ")
                                              : QStringLiteral("Print Show Date    "),
                                      kNoYes);
    eachPage_ = new ChoiceGroupWidget(QStringLiteral("Print Club Info at the top of?   "),
                                      {QStringLiteral("First Page"), QStringLiteral("Each Page")});
    phones_ = new ChoiceGroupWidget(QStringLiteral("Include Phone Numbers ?  "), kNoYes);
    sections_ = new ChoiceGroupWidget(
        QStringLiteral("What Sections (Classes) will be included?  "),
        {QStringLiteral("All Combined"), QStringLiteral("Obed Only   "),
         preview ? QStringLiteral("Rally Only     ") : QStringLiteral("Rally Only ")});
    shortNames_ = new ChoiceGroupWidget(QStringLiteral("Use Breed Short Names?  "), kYesNo, 1);
    separation_ = new ChoiceGroupWidget(
        QStringLiteral("Format / Style of Output   "),
        {QStringLiteral("Show Alpha Letters Separation  ( like   -- A --  before the A names)"),
         QStringLiteral("Blank Line between Alpha Letters"),
         QStringLiteral("No separation between Alpha Letters")},
        0, Qt::Vertical);

    auto* startPage = new QFormLayout;
    startPage->addRow(QStringLiteral("Start with Page Number: "), startPage_);
    startPage_->setMaximumWidth(startPage_->fontMetrics().horizontalAdvance(u'0') * 8);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(armbands_, 0, 0);
    grid->addWidget(bold_, 1, 0);
    grid->addWidget(caps_, 2, 0);
    grid->addLayout(startPage, 3, 0);
    grid->addWidget(startSide_, 4, 0);
    grid->addWidget(phones_, 5, 0);
    grid->addWidget(clubName_, 0, 1);
    grid->addWidget(showDate_, 1, 1);
    grid->addWidget(eachPage_, 2, 1);
    grid->addWidget(sections_, 3, 1, 2, 1);
    grid->addWidget(shortNames_, 5, 1);
    grid->addWidget(separation_, 6, 0, 1, 2);

    bold_->setVisible(!preview);
    startPage_->setVisible(!preview);
    startPage->labelForField(startPage_)->setVisible(!preview);
    startSide_->setVisible(kind == Kind::Booklet);
    eachPage_->setVisible(!preview);
    phones_->setVisible(kind != Kind::Booklet);
}

ExhibitorIndex::Options ExhibitorOptionsWidget::options() const
{
    ExhibitorIndex::Options o;
    o.armbands = armbands_->index() == 0;
    o.boldNames = !bold_->isHidden() && bold_->index() == 0;
    o.capitals = caps_->index() == 0;
    o.startPage = startPage_->text();
    o.startOnRight = !startSide_->isHidden() && startSide_->index() == 1;
    o.clubName = clubName_->index() == 1;
    o.showDate = showDate_->index() == 1;
    o.eachPage = !eachPage_->isHidden() && eachPage_->index() == 1;
    o.phones = !phones_->isHidden() && phones_->index() == 1;
    o.sections = sections_->index() == 1   ? ExhibitorIndex::Sections::ObedienceOnly
                 : sections_->index() == 2 ? ExhibitorIndex::Sections::RallyOnly
                                           : ExhibitorIndex::Sections::All;
    o.shortNames = shortNames_->index() == 0;
    o.separation = separation_->index() == 1   ? ExhibitorIndex::Separation::BlankLine
                   : separation_->index() == 2 ? ExhibitorIndex::Separation::None
                                               : ExhibitorIndex::Separation::Letters;
    return o;
}

void ExhibitorOptionsWidget::resetSections()
{
    sections_->setIndex(0);
}
