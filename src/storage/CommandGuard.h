#pragma once

#include <functional>

class Messages;

// Runs one thing the user asked for (a menu command, a button, a window
// opening). Whatever it throws becomes an error box through `messages` and
// the program goes on: no exception ever reaches Qt's event loop, which
// cannot carry one. True when the command ran to its end.
bool runGuarded(Messages& messages, const std::function<void()>& command);
