#pragma once

#include "storage/Messages.h"

class QWidget;

// The application's messages: the message dialog with its own buttons, the
// input box and the file dialogs, shown over `parent`.
class MessageDialog : public Messages
{
public:
    explicit MessageDialog(QWidget* parent = nullptr) : parent_(parent) {}

    QChar ask(const MessageRequest& request) override;
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& initial) override;
    std::optional<QString> openFile(const FileChoice& choice) override;
    std::optional<QString> saveFile(const FileChoice& choice) override;

private:
    QWidget* parent_;
};
