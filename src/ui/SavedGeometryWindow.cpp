#include "ui/SavedGeometryWindow.h"

#include "storage/Preferences.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace
{

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

bool onSomeScreen(const QPoint& topLeft)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(topLeft))
            return true;
    }
    return false;
}

} // namespace

void restoreWindowGeometry(QWidget* window, const Preferences& preferences,
                           const QString& windowClass, RestoredGeometry restore)
{
    const WindowGeometrySettings saved = preferences.windowGeometry(windowClass);
    if (saved.hasSize())
        window->resize(saved.width, saved.height);
    const QPoint topLeft(saved.left, saved.top);
    if (restore == RestoredGeometry::PositionAndSize && saved.hasPosition() &&
        onSomeScreen(topLeft))
        window->move(topLeft);
    else
        centreOnScreen(window);
}

bool saveWindowGeometry(const QWidget* window, Preferences& preferences, const QString& windowClass)
{
    return preferences.setWindowGeometry(
        windowClass,
        WindowGeometrySettings{window->y(), window->x(), window->height(), window->width()});
}
