#include "preparation/ChoiceGroupWidget.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

ChoiceGroupWidget::ChoiceGroupWidget(const QString& caption, const QStringList& choices, int chosen,
                                     Qt::Orientation orientation, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this))
{
    QBoxLayout* layout = orientation == Qt::Horizontal
                             ? static_cast<QBoxLayout*>(new QHBoxLayout(this))
                             : static_cast<QBoxLayout*>(new QVBoxLayout(this));
    for (qsizetype i = 0; i < choices.size(); ++i) {
        auto* button = new QRadioButton(choices[i], this);
        buttons_->addButton(button, int(i));
        layout->addWidget(button);
    }
    layout->addStretch();
    setIndex(chosen);
    connect(buttons_, &QButtonGroup::idClicked, this, &ChoiceGroupWidget::chosen);
}

int ChoiceGroupWidget::index() const
{
    return buttons_->checkedId();
}

void ChoiceGroupWidget::setIndex(int index)
{
    if (QAbstractButton* button = buttons_->button(index))
        button->setChecked(true);
}

QRadioButton* ChoiceGroupWidget::button(int index) const
{
    return qobject_cast<QRadioButton*>(buttons_->button(index));
}
