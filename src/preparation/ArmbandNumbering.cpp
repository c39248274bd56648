#include "preparation/ArmbandNumbering.h"

#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

namespace ArmbandNumbering
{

namespace
{

constexpr int kFieldWidth = 5; // `arm`

std::vector<std::uint32_t> liveEntries(const dbf::Table& entries, const std::string& order)
{
    return entries.recordsInOrder(order,
                                  [](const dbf::RecordView& entry) { return !entry.deleted(); });
}

// Writes one number and saves the record, as the window's grid saves a row.
void write(dbf::Table& entries, std::uint32_t recno, const QString& armband, const Visit& visit)
{
    entries.go(recno);
    entries.edit();
    entries.setText("arm", armband.toStdString());
    entries.post();
    if (visit)
        visit(entries);
}

QString numberFor(const dbf::RecordView& entry, const Pass& pass, int counter)
{
    if (!pass.jumpHeightPrefix)
        return plainNumber(counter, pass.digits);
    const char* field = prefixesObedienceHeight(pass.order) ? "ob_jmpht" : "rallyjmpht";
    return withJumpHeight(RecordValues::text(entry, field), counter, pass.digits);
}

} // namespace

QString plainNumber(int counter, int digits)
{
    return QString::number(counter).rightJustified(digits, u' ');
}

QString withJumpHeight(const QString& height, int counter, int digits)
{
    const QString trimmed = height.trimmed();
    if (trimmed.isEmpty())
        return QString::number(counter).rightJustified(3, u' ');
    return QStringLiteral("%1").arg(TextRules::TextToInt(trimmed), 2, 10, QLatin1Char('0')) +
           QString::number(counter).rightJustified(digits - 2, u' ');
}

bool prefixesObedienceHeight(const std::string& order)
{
    return dbf::sameName(order, "aobjmpht") || dbf::sameName(order, "dobjmpht");
}

std::optional<QString> storedNumber(const QString& typed, int digits)
{
    const QString number = typed.trimmed();
    bool isNumber = !number.isEmpty() && number.size() <= kFieldWidth;
    for (QChar c : number)
        isNumber = isNumber && c.isDigit();
    if (!isNumber)
        return std::nullopt;
    // The table pads the field with blanks on the right.
    return plainNumber(number.toInt(), digits).leftJustified(kFieldWidth, u' ', true);
}

std::optional<QString> refusal(const dbf::Table& entries, const Pass& pass)
{
    const auto visited = liveEntries(entries, pass.order);
    if (visited.empty())
        return std::nullopt;
    const int first = TextRules::TextToInt(pass.start);
    const int count = int(visited.size());
    const int last = first + count - 1;
    // The jump-height form has three characters left for the counter.
    const int room = pass.jumpHeightPrefix ? kFieldWidth - 2 : kFieldWidth;
    // The prefix is two digits, so a counter that fits its room fits the field.
    const auto fits = [room](int counter) { return QString::number(counter).size() <= room; };
    if (fits(first) && fits(last))
        return std::nullopt;
    int highest = 1;
    for (int i = 0; i < room; ++i)
        highest *= 10;
    --highest;
    const int fittingStart = highest - count + 1;
    QString why = QStringLiteral("%1 entries numbered from %2 would need the number %3, which "
                                 "does not fit the armband field.")
                      .arg(count)
                      .arg(first)
                      .arg(last);
    if (fittingStart >= 0)
        why += QStringLiteral(";Give an Armband Start of at most %1 under TOOLS\\PREFERENCES%2.")
                   .arg(fittingStart)
                   .arg(pass.jumpHeightPrefix ? QStringLiteral(", or leave the Jump Ht out")
                                              : QString());
    else
        why += QStringLiteral(";There are too many entries for armbands of that form.");
    return why;
}

Result<int> assign(dbf::Table& entries, const Pass& pass, const Visit& visit)
{
    if (const auto refused = refusal(entries, pass))
        return Result<int>::failure(*refused);
    int counter = TextRules::TextToInt(pass.start);
    const std::vector<std::uint32_t> toVisit = liveEntries(entries, pass.order);
    for (std::uint32_t recno : toVisit)
        write(entries, recno, numberFor(entries.record(recno), pass, counter++), visit);
    entries.first();
    return int(toVisit.size());
}

int clear(dbf::Table& entries, const std::string& order, const Visit& visit)
{
    const std::vector<std::uint32_t> toVisit = liveEntries(entries, order);
    for (std::uint32_t recno : toVisit)
        write(entries, recno, QStringLiteral(" "), visit);
    entries.first();
    return int(toVisit.size());
}

} // namespace ArmbandNumbering
