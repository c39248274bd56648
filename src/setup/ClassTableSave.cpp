#include "setup/ClassTableSave.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

using RecordValues::text;

namespace
{

bool isThreeDigits(const QString& key)
{
    if (key.size() != 3)
        return false;
    for (const QChar c : key) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString who(const dbf::RecordView& other)
{
    QString name = text(other, "classname") + QStringLiteral(" (Rec # %1").arg(other.recno());
    if (other.deleted())
        name += QStringLiteral(", marked Deleted");
    return name + QStringLiteral(")");
}

// The codes compared and looked up in upper case are stored that way.
constexpr const char* kUpperCaseCodes[] = {"catgroup", "db_key", "selkey", "fee_type"};

} // namespace

namespace ClassTableSave
{

std::optional<QString> refusal(const dbf::Table& classes, const QString& sortKey,
                               const QString& classKey, std::uint32_t ownRecno)
{
    if (!isThreeDigits(sortKey))
        return QStringLiteral("Sort Key [%1] is not three digits.;"
                              "A Sort Key is written with three digits, such as 010.")
            .arg(sortKey);
    if (sortKey == QLatin1String("999"))
        return QStringLiteral("Sort Key [999] is kept for entries in no class.;"
                              "Please give the class another Sort Key.");

    const QString key = classKey.trimmed().toUpper();
    for (std::uint32_t r = 1; r <= classes.recordCount(); ++r) {
        if (r == ownRecno)
            continue;
        const dbf::RecordView other = classes.record(r);
        if (text(other, "srtkey") == sortKey)
            return QStringLiteral("Sort Key [%1] is already used by %2.;"
                                  "Each class needs a Sort Key of its own.")
                .arg(sortKey, who(other));
        if (!key.isEmpty() && text(other, "db_key").trimmed().toUpper() == key)
            return QStringLiteral("Class Key [%1] is already used by %2.;"
                                  "Each class needs a Class Key of its own.")
                .arg(key, who(other));
    }
    return std::nullopt;
}

std::optional<QString> prepare(dbf::Table& classes)
{
    const dbf::Table::State state = classes.state();
    if (state == dbf::Table::State::Browse)
        return std::nullopt;
    const std::uint32_t own = state == dbf::Table::State::Edit ? classes.recno() : 0;
    if (auto reason = refusal(classes, text(classes, "srtkey"), text(classes, "db_key"), own))
        return reason;
    for (const char* field : kUpperCaseCodes)
        classes.setText(field, text(classes, field).toUpper().toStdString());
    return std::nullopt;
}

std::optional<QString> save(dbf::Table& classes)
{
    const bool editing = classes.state() != dbf::Table::State::Browse;
    std::optional<QString> reason = prepare(classes);
    if (editing && !reason)
        classes.post();
    return reason;
}

Done Rules::prepareSave(dbf::Table& classes)
{
    const std::optional<QString> reason = prepare(classes);
    return reason ? Done::failure(*reason) : Done::success();
}

} // namespace ClassTableSave
