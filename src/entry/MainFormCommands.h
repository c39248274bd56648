#pragma once

#include "entry/MenuMap.h"

#include <span>

class SessionSettings;
class TMainForm;
class Tdmod;

// What a command of the main window works with.
struct MenuCommandContext {
    TMainForm& form;
    Tdmod& data;
    SessionSettings& session;
};

// One command of the menu map and what it does: most open a window.
struct MenuCommand {
    MenuAction action;
    void (*run)(MenuCommandContext& context);
};

// Every command that works, in menu-map order: a feature is found here by its
// menu action, and its window by the function the row names.
std::span<const MenuCommand> menuCommands();

// Connects the main window's commands to the rows of menuCommands(). Each
// runs inside the command guard.
void connectMenuCommands(TMainForm& form, Tdmod& data, SessionSettings& session);
