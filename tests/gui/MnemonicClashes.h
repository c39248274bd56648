#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QMap>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

// The Alt letters that more than one visible menu or button of a window
// claims, each with the captions that claim it: Alt and that letter would
// reach only one of them, and a keyboard user cannot tell which.
inline QStringList mnemonicClashes(const QWidget* window)
{
    const auto letterOf = [](const QString& caption) -> QChar {
        for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
            if (caption[i] != u'&')
                continue;
            if (caption[i + 1] != u'&')
                return caption[i + 1].toUpper();
            ++i;
        }
        return {};
    };
    QMap<QChar, QStringList> claims;
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (const QAction* menu : bar->actions()) {
            if (menu->isVisible() && !letterOf(menu->text()).isNull())
                claims[letterOf(menu->text())] << menu->text();
        }
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(window) && !letterOf(button->text()).isNull())
            claims[letterOf(button->text())] << button->text();
    }
    QStringList clashes;
    for (auto it = claims.cbegin(); it != claims.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << QString(it.key()) + ": " + it.value().join(u", ");
    }
    return clashes;
}
