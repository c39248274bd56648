#include "BreedPickWidget.h"

#include <QCompleter>

BreedPickWidget::BreedPickWidget(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // A typed breed stays typed: the list offers names, it does not grow from them.
    setInsertPolicy(QComboBox::NoInsert);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    completer()->setCompletionMode(QCompleter::InlineCompletion);
    setMaxVisibleItems(20);
}

void BreedPickWidget::setBreeds(const QStringList& breeds)
{
    const QString typed = currentText();
    clear();
    addItems(breeds);
    setEditText(typed);
}
