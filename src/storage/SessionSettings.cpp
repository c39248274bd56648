#include "storage/SessionSettings.h"

void SessionSettings::reload(const Preferences& preferences)
{
    reloadKeyboard(preferences, true);
    reloadMainEnterAsTab(preferences, true);
    armbands.creation = preferences.armbandCreation();
    armbands.digits = preferences.armbandDigits();
}

void SessionSettings::reloadKeyboard(const Preferences& preferences, bool fallback)
{
    keyboard.enterAsTab = preferences.enterAsTab(fallback);
    keyboard.pgdnAsSave = preferences.pgdnAsSave(fallback);
    keyboard.autoCaps = preferences.autoCaps(fallback);
}

void SessionSettings::reloadMainEnterAsTab(const Preferences& preferences, bool fallback)
{
    keyboard.mainEnterAsTab = preferences.enterAsTab(fallback);
}
