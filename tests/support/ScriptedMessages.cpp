#include "ScriptedMessages.h"

QChar ScriptedMessages::ask(const MessageRequest& request)
{
    texts << request.text;
    requests << request;
    return letters_.isEmpty() ? cautiousLetter(request) : letters_.dequeue();
}

std::optional<QString> ScriptedMessages::input(const QString&, const QString& prompt,
                                               const QString&)
{
    texts << prompt;
    return texts_.isEmpty() ? std::nullopt : texts_.dequeue();
}

std::optional<QString> ScriptedMessages::openFile(const FileChoice& choice)
{
    texts << choice.title;
    fileChoices << choice;
    return texts_.isEmpty() ? std::nullopt : texts_.dequeue();
}

std::optional<QString> ScriptedMessages::saveFile(const FileChoice& choice)
{
    texts << choice.title;
    fileChoices << choice;
    return texts_.isEmpty() ? std::nullopt : texts_.dequeue();
}
