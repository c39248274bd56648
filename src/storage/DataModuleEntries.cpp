#include "ClassCodes.h"
#include "DataModule.h"

// Values the data module derives from the entries of the open show. Each
// reads the record it is given and leaves the entry table's cursor where it
// was, so a window's current record does not move under it.

namespace
{

QString text(const dbf::Table& table, const char* field)
{
    return QString::fromStdString(table.text(field));
}

// Runs `read` with the table positioned on `recno`, then goes back.
template <typename Read> auto onRecord(dbf::Table& table, std::uint32_t recno, Read read)
{
    const std::uint32_t saved = table.recno();
    if (saved != recno)
        table.go(recno);
    auto result = read();
    if (saved != recno && saved != 0)
        table.go(saved);
    return result;
}

QString fieldName(const dbf::Table& table, int position)
{
    return QString::fromStdString(table.fields()[position - 1].name);
}

} // namespace

QString Tdmod::LowestSortKey(std::uint32_t recno)
{
    dbf::Table& entries = *tzDbf1_;
    return onRecord(entries, recno, [&] {
        QString lowest = QStringLiteral("999");
        const auto scan = [&](ClassCodes::Section section) {
            const auto range = ClassCodes::EntryFieldRange(section);
            for (int position = range.last; position >= range.first; --position) {
                if (!entries.logical(position))
                    continue;
                const QString key = SortKeyForField(fieldName(entries, position));
                if (key <= lowest)
                    lowest = key;
            }
        };
        scan(ClassCodes::Section::Rally);
        scan(ClassCodes::Section::Obedience);
        return lowest;
    });
}

void Tdmod::RefreshMaxLinkCodes()
{
    maxLinkCodes_ = {};
    if (!tzDbf1_)
        return;
    static const char* const fields[] = {"bracecode", "teamcode", "pairscode", "rctmcode",
                                         "rtmcode"};
    const dbf::Table& entries = *tzDbf1_;
    for (std::uint32_t r = 1; r <= entries.recordCount(); ++r) {
        for (int i = 0; i < 5; ++i) {
            const QString code = QString::fromStdString(entries.textAt(r, fields[i]));
            if (code > maxLinkCodes_[i])
                maxLinkCodes_[i] = code;
        }
    }
}

int Tdmod::EnteredClassLists(std::uint32_t recno)
{
    for (auto& list : enteredClasses_)
        list.clear();
    dbf::Table& entries = *tzDbf1_;
    return onRecord(entries, recno, [&] {
        int most = 0;
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial) {
            int count = 0;
            for (const auto& [section, tag] :
                 {std::pair{ClassCodes::Section::Obedience, QStringLiteral("(Ob) ")},
                  std::pair{ClassCodes::Section::Rally, QStringLiteral("(R) ")}}) {
                const auto range = ClassCodes::EntryFieldRangeForTrial(trial, section);
                for (int position = range.first; position <= range.last; ++position) {
                    if (!entries.logical(position))
                        continue;
                    if (++count <= 5)
                        enteredClasses_[trial - 1]
                            << tag + ClassNameForField(fieldName(entries, position));
                }
            }
            most = std::max(most, count);
        }
        return most;
    });
}

Tdmod::EntryResult Tdmod::ResultForEntry(int trial, const QString& classKey, const QString& armband,
                                         const QString& reg, const QString& braceCode,
                                         const QString& teamCode)
{
    OpenResults(showNumber_);
    const QString head = QString::number(trial) + classKey.leftJustified(6, u' ', true);
    const auto pad5 = [](const QString& s) { return s.leftJustified(5, u' ', true); };
    QString tag, key;
    if (!braceCode.trimmed().isEmpty()) {
        tag = QStringLiteral("brace");
        key = head + braceCode + pad5(armband);
    } else if (!teamCode.trimmed().isEmpty()) {
        tag = QStringLiteral("team");
        key = head + teamCode + pad5(armband);
    } else {
        tag = QStringLiteral("regkey");
        QString r = reg;
        while (r.endsWith(u' '))
            r.chop(1);
        key = head + r;
    }
    results_->setOrder(tag.toStdString());
    EntryResult result;
    QString score;
    if (results_->find(key.toStdString())) {
        result.place = text(*results_, "place");
        score = text(*results_, "score");
        if (!score.isEmpty())
            hasResults_[trial - 1] = true;
        if (text(*results_, "nq") == QStringLiteral("NQ")) {
            result.score = QStringLiteral("  NQ     ");
            return result;
        }
    }
    result.score = u' ' + score.leftJustified(7, u' ');
    return result;
}

QString Tdmod::DogTitledName(std::uint32_t recno)
{
    dbf::Table& entries = *tzDbf1_;
    return onRecord(entries, recno, [&] {
        const QString prefix = text(entries, "titles_pre");
        const QString suffix = text(entries, "titles_end");
        QString name = text(entries, "dog");
        if (!prefix.isEmpty())
            name = prefix + u' ' + name;
        if (!suffix.isEmpty())
            name += QStringLiteral(", ") + suffix;
        return name;
    });
}

QString Tdmod::JuniorIdForArmband(const QString& armband)
{
    const dbf::Table& entries = *tzDbf1_;
    const QString wanted = armband.trimmed().toUpper();
    for (std::uint32_t r = 1; r <= entries.recordCount(); ++r) {
        if (!entries.deletedAt(r) &&
            QString::fromStdString(entries.textAt(r, "arm")).trimmed().toUpper() == wanted)
            return QString::fromStdString(entries.textAt(r, "junior_id"));
    }
    return {};
}
