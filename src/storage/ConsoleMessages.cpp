#include "ConsoleMessages.h"

#include <cstdio>

namespace
{

void writeLines(const QString& text)
{
    std::fputs(Messages::displayText(text).toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

} // namespace

QChar ConsoleMessages::ask(const MessageRequest& request)
{
    writeLines(request.text);
    for (auto it = answers_.cbegin(); it != answers_.cend(); ++it) {
        if (request.text.startsWith(it.key()))
            return it.value();
    }
    return cautiousLetter(request);
}

std::optional<QString> ConsoleMessages::input(const QString&, const QString& prompt, const QString&)
{
    writeLines(prompt);
    return std::nullopt;
}

std::optional<QString> ConsoleMessages::openFile(const FileChoice&)
{
    return std::nullopt;
}

std::optional<QString> ConsoleMessages::saveFile(const FileChoice&)
{
    return std::nullopt;
}

void ConsoleMessages::setAnswer(const QString& textStart, QChar letter)
{
    answers_.insert(textStart, letter);
}
