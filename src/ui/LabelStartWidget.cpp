#include "ui/LabelStartWidget.h"

#include "print/LabelSheetTexts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>

LabelStartWidget::LabelStartWidget(const LabelStock& stock, QWidget* parent)
    : QWidget(parent), across_(stock.across), buttons_(new QButtonGroup(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int k = 1; k <= stock.labelsPerSheet(); ++k) {
        auto* button = new QPushButton(QString::number(k), this);
        button->setCheckable(true);
        button->setMinimumWidth(36);
        buttons_->addButton(button, k);
        const LabelPosition position = LabelSheets::positionOfButton(k, stock.across);
        grid->addWidget(button, position.row - 1, position.column - 1);
    }
    startAtFirst();
}

int LabelStartWidget::startLabel() const
{
    return buttons_->checkedId();
}

LabelPosition LabelStartWidget::startPosition() const
{
    return LabelSheets::positionOfButton(startLabel(), across_);
}

QAbstractButton* LabelStartWidget::startButton(int label) const
{
    return buttons_->button(label);
}

void LabelStartWidget::startAtFirst()
{
    buttons_->button(1)->setChecked(true);
}
