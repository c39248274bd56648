#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A radio group of the option windows ("No"/"Yes", "Left Side"/"Right
// Side"): its caption over one radio button per choice, the choice read and
// set by its index.
class ChoiceGroupWidget : public QGroupBox
{
    Q_OBJECT
public:
    // Long choices stand under each other.
    ChoiceGroupWidget(const QString& caption, const QStringList& choices, int chosen = 0,
                      Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    int index() const;
    void setIndex(int index);
    QRadioButton* button(int index) const;

signals:
    void chosen(int index);

private:
    QButtonGroup* buttons_;
};
