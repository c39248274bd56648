#include "ui/RecordNavigatorWidget.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

RecordNavigatorWidget::RecordNavigatorWidget(QWidget* parent) : QWidget(parent)
{
    struct Look {
        QStyle::StandardPixmap picture;
        const char* hint;
        void (RecordNavigatorWidget::*clicked)();
    };
    const std::array<Look, 4> looks{{
        {QStyle::SP_MediaSkipBackward, "First record", &RecordNavigatorWidget::firstClicked},
        {QStyle::SP_MediaSeekBackward, "Prior record", &RecordNavigatorWidget::priorClicked},
        {QStyle::SP_MediaSeekForward, "Next record", &RecordNavigatorWidget::nextClicked},
        {QStyle::SP_MediaSkipForward, "Last record", &RecordNavigatorWidget::lastClicked},
    }};
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < looks.size(); ++i) {
        auto* button = new QToolButton;
        button->setIcon(style()->standardIcon(looks[i].picture));
        button->setAutoRaise(true);
        const QString hint = QString::fromLatin1(looks[i].hint);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setAccessibleName(hint);
        layout->addWidget(button);
        buttons_[i] = button;
        connect(button, &QToolButton::clicked, this, looks[i].clicked);
    }
}
