#include "entry/EntryFind.h"

#include "storage/Messages.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace
{

bool byJumpHeight(const std::string& tag)
{
    for (const char* height : {"aobjmpht", "dobjmpht", "arallyht", "drallyht"}) {
        if (dbf::sameName(tag, height))
            return true;
    }
    return false;
}

QChar firstLetter(const std::string& tag)
{
    return tag.empty() ? QChar() : QChar(tag.front()).toUpper();
}

} // namespace

std::optional<QString> EntryFind::label(const std::string& tag) const
{
    if (byJumpHeight(tag) || (window_ == Window::Desk && firstLetter(tag) == u'S'))
        return std::nullopt;
    switch (firstLetter(tag).unicode()) {
    case u'N':
        return QStringLiteral("Last Name");
    case u'R':
        return QStringLiteral("NUR #");
    case u'A':
        return QStringLiteral("Armband #");
    case u'C':
        return QStringLiteral("Call Name");
    case u'D':
        return window_ == Window::Desk ? QStringLiteral("Dog's Name")
                                       : QStringLiteral("Registered Name #");
    case u'B':
        if (window_ == Window::Desk)
            return QStringLiteral("Breed Name");
        break;
    default:
        break;
    }
    return QStringLiteral("Record #");
}

EntryFind::Outcome EntryFind::find(dbf::Table& entries, Messages& messages)
{
    if (!label(entries.order())) {
        messages.inform(kCannotFindByHeight);
        return Outcome::Refused;
    }
    const std::optional<QString> typed = messages.input(
        QStringLiteral("Find Record"),
        QStringLiteral("Enter ") + *label(entries.order()) + QStringLiteral(" to find: "),
        lastSearch_.leftJustified(20, u' '));
    if (!typed)
        return Outcome::Cancelled;
    return findText(entries, messages, *typed);
}

EntryFind::Outcome EntryFind::findText(dbf::Table& entries, Messages& messages,
                                       const QString& typed)
{
    const std::optional<QString> name = label(entries.order());
    if (!name) {
        messages.inform(kCannotFindByHeight);
        return Outcome::Refused;
    }
    QString text = typed;
    while (text.endsWith(u' '))
        text.chop(1);
    lastSearch_ = text.toUpper();
    if (*name == QLatin1String("Record #"))
        return findRecordNumber(entries, messages, *name);
    return findKey(entries, messages, *name);
}

EntryFind::Outcome EntryFind::findRecordNumber(dbf::Table& entries, Messages& messages,
                                               const QString& label)
{
    bool isNumber = false;
    const qlonglong number = lastSearch_.trimmed().toLongLong(&isNumber);
    const qlonglong count = entries.recordCount();
    if (window_ == Window::Grid) {
        if (isNumber && number >= 1 && number <= count && entries.go(std::uint32_t(number)))
            return Outcome::Found;
        messages.inform(QStringLiteral("Could not find ") + label + u' ' + lastSearch_);
        return Outcome::NotFound;
    }
    if (!isNumber) {
        messages.inform(QStringLiteral("'%1' is not a valid integer value;;     Try again.")
                            .arg(lastSearch_.trimmed()));
        return Outcome::NotFound;
    }
    if (number == 0)
        return Outcome::NotFound;
    // A number below 1 is as far off as one past the end.
    if (number < 0 || number > count) {
        messages.inform(QStringLiteral("Database only has ") + QString::number(count) +
                        QStringLiteral(" Records"));
        return Outcome::NotFound;
    }
    entries.go(std::uint32_t(number));
    return Outcome::Found;
}

EntryFind::Outcome EntryFind::findKey(dbf::Table& entries, Messages& messages, const QString& label)
{
    const std::uint32_t startedAt = entries.recno();
    bool found = false;
    if (dbf::sameName(entries.order(), "breedname")) {
        // The breed tag keeps breeds as typed, while the search is in capitals:
        // breeds are compared without regard to case.
        for (std::uint32_t recno : entries.visibleRecords()) {
            if (RecordValues::text(entries.record(recno), "breed")
                    .startsWith(lastSearch_, Qt::CaseInsensitive)) {
                found = entries.go(recno);
                break;
            }
        }
    } else {
        found = entries.find(lastSearch_.toStdString());
    }
    if (found)
        return Outcome::Found;
    if (startedAt >= 1 && startedAt <= entries.recordCount())
        entries.go(startedAt);
    messages.inform(QStringLiteral("Could not find ") + label + u' ' + lastSearch_);
    return Outcome::NotFound;
}
