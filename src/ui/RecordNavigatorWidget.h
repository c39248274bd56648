#pragma once

#include <QWidget>

#include <array>

class QToolButton;

// The four buttons that walk a table: first, prior, next and last record,
// drawn with the same pictures as the main window's tool bar (skip to the
// start, step back, step on, skip to the end), so they do not read as the
// arrows of a scroll bar.
class RecordNavigatorWidget : public QWidget
{
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last };

    explicit RecordNavigatorWidget(QWidget* parent = nullptr);

    QToolButton* button(Button which) const { return buttons_.at(which); }

signals:
    void firstClicked();
    void priorClicked();
    void nextClicked();
    void lastClicked();

private:
    std::array<QToolButton*, 4> buttons_{};
};
