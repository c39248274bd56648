#pragma once

#include "entry/MenuMap.h"

#include <QString>

class Tdmod;

// What the menu rules look at: the open show and the preferences.
struct MenuState {
    bool showOpen = false;
    bool clubInfoSet = false; // club name and secretary's name both set
    bool showHasObedience = false;
    bool showHasRally = false;
    bool hasEntries = false; // the open show has an entry not marked deleted

    // The state of the data module now.
    static MenuState of(Tdmod& data);
};

// Whether a command may run now, and when it may not, the message that says why
// (its ";" breaks the line).
struct GateDecision {
    bool runs = true;
    QString message;
};

// The menu rules in one place, so the main window only asks: a command that
// needs club info, obedience or rally classes, or entries is refused with its
// message; a command that walks the show entry table runs detached.
namespace MenuGate
{

inline const QString kNeedsClubInfo =
    QStringLiteral("Enter Club Info and Secretary Info under TOOLS\\PREFERENCES first");
inline const QString kNeedsClubInfoForResults =
    QStringLiteral("Enter Club Info and Secretary Info under Options first");
inline const QString kNoObedience = QStringLiteral("There are NO Obedience Classes for this Show");
inline const QString kNoRally = QStringLiteral("There are NO Rally Classes for this Show");
inline const QString kNoEntries = QStringLiteral("There are no Entries!;Aborting");

GateDecision decide(MenuAction action, const MenuState& state);

// Whether the main window lets go of the show entry table's record-move and
// state hooks while the command runs.
bool detaches(MenuAction action, const MenuState& state);

// Whether a menu item or submenu is enabled: items on the open show only while
// one is open, the jump-height submenus only when the show offers the section.
bool enabled(const MenuEntry& entry, const MenuState& state);

} // namespace MenuGate
