#include "ClassCodes.h"
#include "DataModule.h"
#include "RecordValues.h"

// Values the data module derives from the entries of the open show. Each
// reads the stored record it is given, so the entry table's cursor, order and
// any edit in progress stay as the window left them.

using RecordValues::text;

namespace
{

QString fieldName(const dbf::Table& table, int position)
{
    return QString::fromStdString(table.fields()[position - 1].name);
}

} // namespace

QString Tdmod::LowestSortKey(std::uint32_t recno)
{
    const dbf::Table& entries = *tzDbf1_;
    const dbf::RecordView record = entries.record(recno);
    QString lowest = QStringLiteral("999");
    const auto scan = [&](ClassCodes::Section section) {
        const auto range = ClassCodes::EntryFieldRange(section);
        for (int position = range.last; position >= range.first; --position) {
            if (!record.logical(position))
                continue;
            const QString key = SortKeyForField(fieldName(entries, position));
            if (key <= lowest)
                lowest = key;
        }
    };
    scan(ClassCodes::Section::Rally);
    scan(ClassCodes::Section::Obedience);
    return lowest;
}

void Tdmod::RefreshMaxLinkCodes()
{
    maxLinkCodes_ = {};
    if (!tzDbf1_)
        return;
    const dbf::Table& entries = *tzDbf1_;
    for (std::uint32_t r = 1; r <= entries.recordCount(); ++r) {
        const dbf::RecordView record = entries.record(r);
        for (const char* field : kLinkCodeFields)
            RaiseMaxLinkCode(field, text(record, field));
    }
}

void Tdmod::RaiseMaxLinkCode(std::string_view field, const QString& code)
{
    for (std::size_t i = 0; i < kLinkCodeFields.size(); ++i) {
        if (field == kLinkCodeFields[i] && code > maxLinkCodes_[i])
            maxLinkCodes_[i] = code;
    }
}

Tdmod::EnteredClasses Tdmod::EnteredClassLists(std::uint32_t recno)
{
    const dbf::Table& entries = *tzDbf1_;
    const dbf::RecordView record = entries.record(recno);
    EnteredClasses entered;
    for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial) {
        int count = 0;
        for (const auto& [section, tag] :
             {std::pair{ClassCodes::Section::Obedience, QStringLiteral("(Ob) ")},
              std::pair{ClassCodes::Section::Rally, QStringLiteral("(R) ")}}) {
            const auto range = ClassCodes::EntryFieldRangeForTrial(trial, section);
            for (int position = range.first; position <= range.last; ++position) {
                if (!record.logical(position))
                    continue;
                if (++count <= 5)
                    entered.lists[trial - 1]
                        << tag + ClassNameForField(fieldName(entries, position));
            }
        }
        entered.most = std::max(entered.most, count);
    }
    return entered;
}

Tdmod::EntryResult Tdmod::ResultForEntry(int trial, const QString& classKey, const QString& armband,
                                         const QString& reg, const QString& braceCode,
                                         const QString& teamCode)
{
    OpenResults(showNumber_);
    const QString head = QString::number(trial) + classKey.leftJustified(6, u' ', true);
    const auto pad5 = [](const QString& s) { return s.leftJustified(5, u' ', true); };
    const char* tag = nullptr;
    QString key;
    if (!braceCode.trimmed().isEmpty()) {
        tag = "brace";
        key = head + braceCode + pad5(armband);
    } else if (!teamCode.trimmed().isEmpty()) {
        tag = "team";
        key = head + teamCode + pad5(armband);
    } else {
        tag = "regkey";
        QString r = reg;
        while (r.endsWith(u' '))
            r.chop(1);
        key = head + r;
    }
    EntryResult result;
    QString score;
    if (const auto recno = results_->findRecord(tag, key.toStdString())) {
        const dbf::RecordView found = results_->record(*recno);
        result.place = text(found, "place");
        score = text(found, "score");
        if (!score.isEmpty())
            hasResults_[trial - 1] = true;
        if (text(found, "nq") == QStringLiteral("NQ")) {
            result.score = QStringLiteral("  NQ     ");
            return result;
        }
    }
    result.score = u' ' + score.leftJustified(7, u' ');
    return result;
}

QString Tdmod::DogTitledName(std::uint32_t recno)
{
    const dbf::RecordView record = tzDbf1_->record(recno);
    const QString prefix = text(record, "titles_pre");
    const QString suffix = text(record, "titles_end");
    QString name = text(record, "dog");
    if (!prefix.isEmpty())
        name = prefix + u' ' + name;
    if (!suffix.isEmpty())
        name += QStringLiteral(", ") + suffix;
    return name;
}

QString Tdmod::JuniorIdForArmband(const QString& armband)
{
    const dbf::Table& entries = *tzDbf1_;
    const QString wanted = armband.trimmed().toUpper();
    for (std::uint32_t r = 1; r <= entries.recordCount(); ++r) {
        const dbf::RecordView record = entries.record(r);
        if (!record.deleted() && text(record, "arm").trimmed().toUpper() == wanted)
            return text(record, "junior_id");
    }
    return {};
}
