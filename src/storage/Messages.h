#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

// Every message, question, input box and file choice the logic needs goes
// through this one interface, so the logic runs headless: the application
// shows dialogs, tests answer from a script and record every text, and the
// command line writes to standard error and answers cautiously.

enum class MessageKind { Information, Question, Error };

struct MessageRequest {
    QString text;            // ";" breaks the line
    QString buttons = "&OK"; // captions separated by blanks; "_" shows as a blank
    MessageKind kind = MessageKind::Information;
    QString caption;      // optional window caption
    QChar cautiousAnswer; // the letter that changes nothing; empty: the first button
};

struct FileChoice {
    QString title;
    QString filter;        // "Description (*.ext)"
    QString folder;        // initial folder
    QString fileName;      // preset name
    QString defaultSuffix; // without the dot
    bool mustExist = true;

    // The choice behind every "Save as PDF".
    static FileChoice pdfFile()
    {
        return {QStringLiteral("Save as PDF"),
                QStringLiteral("PDF files (*.pdf)"),
                {},
                {},
                QStringLiteral("pdf"),
                false};
    }
};

class Messages
{
public:
    virtual ~Messages() = default;

    // The message dialog: returns the chosen button's letter, upper-cased.
    virtual QChar ask(const MessageRequest& request) = 0;
    // The standard information box (OK).
    void inform(const QString& text, const QString& caption = {});
    // The standard error box, for failures of the environment.
    void error(const QString& text);
    // An input box; nothing when cancelled.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt,
                                         const QString& initial = {}) = 0;
    // File choices; nothing when cancelled.
    virtual std::optional<QString> openFile(const FileChoice& choice) = 0;
    virtual std::optional<QString> saveFile(const FileChoice& choice) = 0;

    // The letter a button caption answers with: the one after "&", else the first.
    static QChar buttonLetter(const QString& caption);
    // The captions of a blank-separated list, "&" kept, "_" shown as a blank.
    static QStringList buttonCaptions(const QString& buttons);
    // The text as shown: line breaks become ";" first, then every ";" breaks the line.
    static QString displayText(const QString& text);
    // The letter the cautious reply of a request gives.
    static QChar cautiousLetter(const MessageRequest& request);
};
