#pragma once

#include <functional>

class TMainForm;

// The desktop program from its first line to the end of its event loop: the
// data root's lock, the layout of the root, the data module, the main window.
// `shown` is told once the main window is shown (the start-up benchmark ends
// the program at its first paint).
int runDesktop(int argc, char** argv, const std::function<void(TMainForm&)>& shown = {});
