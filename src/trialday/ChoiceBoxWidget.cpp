#include "trialday/ChoiceBoxWidget.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

ChoiceBoxWidget::ChoiceBoxWidget(const QString& title, const QStringList& captions, int chosen,
                                 QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], this);
        buttons_->addButton(button, int(i));
        layout->addWidget(button);
    }
    choose(chosen);
}

int ChoiceBoxWidget::chosen() const
{
    return buttons_->checkedId();
}

void ChoiceBoxWidget::choose(int index)
{
    if (QAbstractButton* b = buttons_->button(index))
        b->setChecked(true);
}

QRadioButton* ChoiceBoxWidget::button(int index) const
{
    return qobject_cast<QRadioButton*>(buttons_->button(index));
}
