#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A titled group of radio buttons, one of which is chosen: the option boxes
// of the show-day windows ("Include Jump Heights?  ": "Yes", "No").
class ChoiceBoxWidget : public QGroupBox
{
    Q_OBJECT
public:
    ChoiceBoxWidget(const QString& title, const QStringList& captions, int chosen,
                    QWidget* parent = nullptr);

    // The position of the chosen button in the captions.
    int chosen() const;
    void choose(int index);
    QRadioButton* button(int index) const;

private:
    QButtonGroup* buttons_;
};
