#include "GuardedApplication.h"

#include "storage/CommandGuard.h"

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    if (!messages_)
        return QApplication::notify(receiver, event);
    bool handled = false;
    runGuarded(*messages_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
