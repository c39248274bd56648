#pragma once

#include "print/LabelStock.h"

#include <QWidget>

class QAbstractButton;
class QButtonGroup;

// One numbered button to a label, laid out as the labels are on the sheet:
// the secretary picks the label of a partly used first sheet to start with.
// The first label is chosen until another is.
class LabelStartWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LabelStartWidget(const LabelStock& stock, QWidget* parent = nullptr);

    int startLabel() const;
    LabelPosition startPosition() const;
    QAbstractButton* startButton(int label) const;
    // Back to the first label.
    void startAtFirst();

private:
    int across_;
    QButtonGroup* buttons_;
};
