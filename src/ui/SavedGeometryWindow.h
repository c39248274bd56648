#pragma once

#include <QString>

class Preferences;
class QSize;
class QWidget;

enum class RestoredGeometry {
    PositionAndSize,
    // The main window keeps its size but always opens centred.
    SizeOnly,
};

// Puts a window where it was last closed, kept in the preferences under its
// class name (e.g. "TDogForm"). A window never saved, or saved on a screen
// that is no longer there, is centred on the screen.
void restoreWindowGeometry(QWidget* window, const Preferences& preferences,
                           const QString& windowClass,
                           RestoredGeometry restore = RestoredGeometry::PositionAndSize);

// Returns false when the preferences file could not be written.
bool saveWindowGeometry(const QWidget* window, Preferences& preferences,
                        const QString& windowClass);

// Centres a window on the screen it is on (the primary one before it is shown).
void centreOnScreen(QWidget* window);

// Gives a window the size it asks for, as far as the screen's free area
// allows with room for the window's frame, and centres it: a window that
// grows (more boxes shown, a wider grid) stays whole on the screen.
void fitOnScreen(QWidget* window, const QSize& wanted);
