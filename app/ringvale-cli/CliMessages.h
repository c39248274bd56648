#pragma once

#include "storage/ConsoleMessages.h"

// The console's messages, remembering whether an error was shown: a command
// that showed one did not do all of its job and must not end with exit code 0.
class CliMessages : public ConsoleMessages
{
public:
    QChar ask(const MessageRequest& request) override
    {
        errorShown_ = errorShown_ || request.kind == MessageKind::Error;
        return ConsoleMessages::ask(request);
    }
    bool errorShown() const { return errorShown_; }

private:
    bool errorShown_ = false;
};
