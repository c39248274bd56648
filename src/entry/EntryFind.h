#pragma once

#include <QString>

#include <optional>
#include <string>

class Messages;

namespace dbf
{
class Table;
}

// Find on the show entry table by its current order, as the entry desk and
// its grid view do it: the prompt names the order, the text is sought as the
// start of a key, and input order goes to a record number. The previous
// search is kept, each window its own.
class EntryFind
{
public:
    // The desk and the grid name the orders a little differently and treat a
    // record number out of range differently.
    enum class Window { Desk, Grid };
    enum class Outcome { Found, NotFound, Cancelled, Refused };

    static inline const QString kCannotFindByHeight = QStringLiteral("Sorry. Can't Find by Height");

    explicit EntryFind(Window window) : window_(window) {}

    // The name of the order in the prompt and the messages; nothing in the
    // orders that cannot be searched (by jump height, by sort key).
    std::optional<QString> label(const std::string& tag) const;
    // Asks for the text in the "Find Record" box, then searches.
    Outcome find(dbf::Table& entries, Messages& messages);
    // Searches for a text as if it had been typed into the box.
    Outcome findText(dbf::Table& entries, Messages& messages, const QString& typed);
    const QString& lastSearch() const { return lastSearch_; }

private:
    Outcome findRecordNumber(dbf::Table& entries, Messages& messages, const QString& label);
    Outcome findKey(dbf::Table& entries, Messages& messages, const QString& label);

    Window window_;
    QString lastSearch_;
};
