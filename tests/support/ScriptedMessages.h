#pragma once

#include "storage/Messages.h"

#include <QQueue>
#include <QStringList>

// Answers the logic's questions from a script and records every text, so a
// test can check what the user would have been told. A question with no
// scripted answer takes the cautious reply, as the command line does.
class ScriptedMessages : public Messages
{
public:
    QChar ask(const MessageRequest& request) override;
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& initial) override;
    std::optional<QString> openFile(const FileChoice& choice) override;
    std::optional<QString> saveFile(const FileChoice& choice) override;

    // Queues answers: a button letter for ask(), a text (or nothing for
    // Cancel) for input() and the file choices.
    void answer(QChar letter) { letters_.enqueue(letter); }
    void answerText(std::optional<QString> text) { texts_.enqueue(text); }

    QStringList texts;              // every text shown, in order
    QList<MessageRequest> requests; // every message request, in order
    QList<FileChoice> fileChoices;  // every file choice asked for, in order

private:
    QQueue<QChar> letters_;
    QQueue<std::optional<QString>> texts_;
};
