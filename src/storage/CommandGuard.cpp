#include "CommandGuard.h"

#include "Messages.h"

#include <exception>

bool runGuarded(Messages& messages, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        messages.error(QString::fromUtf8(e.what()));
    } catch (...) {
        messages.error(QStringLiteral("The command ended with an error that has no description."));
    }
    return false;
}
