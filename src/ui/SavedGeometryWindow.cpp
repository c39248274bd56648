#include "ui/SavedGeometryWindow.h"

#include "storage/Preferences.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace
{

// Room for the frame of a window not yet shown: its title bar and borders are
// known only once the window manager has framed it.
const QSize kUnknownFrame(16, 40);

const QScreen* screenOf(const QWidget* window)
{
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

QSize frameOf(const QWidget* window)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return window->isVisible() && !frame.isEmpty() ? frame : kUnknownFrame;
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

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = screenOf(window);
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(free.center());
    // The part of the frame not known yet still needs room: a tall window
    // moves up until it fits, and one taller than the screen keeps its top
    // (with the title bar) on it.
    const QSize unknown = frameOf(window) - (frame.size() - window->size());
    const int left = std::min(frame.left(), free.right() + 1 - frame.width() - unknown.width());
    const int top = std::min(frame.top(), free.bottom() + 1 - frame.height() - unknown.height());
    window->move(std::max(left, free.left()), std::max(top, free.top()));
}

void fitOnScreen(QWidget* window, const QSize& wanted)
{
    if (const QScreen* screen = screenOf(window)) {
        const QSize room = screen->availableGeometry().size() - frameOf(window);
        window->resize(wanted.boundedTo(room).expandedTo(window->minimumSize()));
    } else {
        window->resize(wanted);
    }
    centreOnScreen(window);
}

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
