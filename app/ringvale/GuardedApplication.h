#pragma once

#include <QApplication>

class Messages;

// The desktop application with a last line of defence: every command runs
// inside the command guard already, but should anything else throw while an
// event is handled, the error is shown and the program goes on rather than
// ending with the secretary's work.
class GuardedApplication : public QApplication
{
public:
    GuardedApplication(int& argc, char** argv);
    void setMessages(Messages* messages) { messages_ = messages; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Messages* messages_ = nullptr;
};
