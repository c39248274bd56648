#pragma once

#include "Messages.h"

#include <QMap>

// Messages for the command line: every text goes to standard error (";" as a
// line break) and each question takes the answer that changes nothing, unless
// the command has set an answer for that question's text.
class ConsoleMessages : public Messages
{
public:
    QChar ask(const MessageRequest& request) override;
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& initial) override;
    std::optional<QString> openFile(const FileChoice& choice) override;
    std::optional<QString> saveFile(const FileChoice& choice) override;

    // Answers a question whose text starts with `textStart` with `letter`.
    void setAnswer(const QString& textStart, QChar letter);

private:
    QMap<QString, QChar> answers_;
};
