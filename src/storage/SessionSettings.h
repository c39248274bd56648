#pragma once

#include "storage/Preferences.h"

// Keyboard preferences as the windows use them while they run.
struct KeyboardSettings {
    // The main window keeps its own Enter-as-Tab; every other window shares one.
    bool mainEnterAsTab = true;
    bool enterAsTab = true;
    bool pgdnAsSave = true;
    bool autoCaps = true;
};

struct ArmbandSettings {
    ArmbandCreation creation = ArmbandCreation::AfterAutomatic;
    int digits = 3;
};

// The in-memory copies of the keyboard and armband preferences, one per running
// application. Several windows refresh them from the file when they open, each
// with its own defaults; whichever read last is what every window now sees.
class SessionSettings
{
public:
    KeyboardSettings keyboard;
    ArmbandSettings armbands;

    // Everything, with the usual defaults: at start-up and after the
    // preferences window has closed.
    void reload(const Preferences& preferences);
    // The copies the windows other than the main window use, read with the
    // given default for missing keys.
    void reloadKeyboard(const Preferences& preferences, bool fallback);
    // The main window's Enter-as-Tab, read with the given default.
    void reloadMainEnterAsTab(const Preferences& preferences, bool fallback);
};
