#include "setup/ClassTableSave.h"

#include "dbf/Table.h"

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

QString who(const dbf::Table& classes)
{
    QString text = QString::fromStdString(classes.text("classname")) +
                   QStringLiteral(" (Rec # %1").arg(classes.recno());
    if (classes.deleted())
        text += QStringLiteral(", marked Deleted");
    return text + QStringLiteral(")");
}

} // namespace

namespace ClassTableSave
{

std::optional<QString> refusal(dbf::Table& classes, const ClassRecord& record,
                               std::uint32_t ownRecno)
{
    if (!isThreeDigits(record.srtkey))
        return QStringLiteral("Sort Key [%1] is not three digits.;"
                              "A Sort Key is written with three digits, such as 010.")
            .arg(record.srtkey);
    if (record.srtkey == QLatin1String("999"))
        return QStringLiteral("Sort Key [999] is kept for entries in no class.;"
                              "Please give the class another Sort Key.");

    const QString classKey = record.db_key.trimmed().toUpper();
    const std::uint32_t saved = classes.recno();
    std::optional<QString> reason;
    for (std::uint32_t r = 1; r <= classes.recordCount() && !reason; ++r) {
        if (r == ownRecno)
            continue;
        classes.go(r);
        if (QString::fromStdString(classes.text("srtkey")) == record.srtkey)
            reason = QStringLiteral("Sort Key [%1] is already used by %2.;"
                                    "Each class needs a Sort Key of its own.")
                         .arg(record.srtkey, who(classes));
        else if (!classKey.isEmpty() &&
                 QString::fromStdString(classes.text("db_key")).trimmed().toUpper() == classKey)
            reason = QStringLiteral("Class Key [%1] is already used by %2.;"
                                    "Each class needs a Class Key of its own.")
                         .arg(classKey, who(classes));
    }
    if (saved != 0)
        classes.go(saved);
    return reason;
}

std::optional<QString> prepare(dbf::Table& classes)
{
    const dbf::Table::State state = classes.state();
    if (state == dbf::Table::State::Browse)
        return std::nullopt;
    const std::uint32_t own = state == dbf::Table::State::Edit ? classes.recno() : 0;
    const ClassRecord typed = ClassRecord::fromBuffer(classes);
    ClassRecord stored = typed;
    stored.upperCaseCodes();

    // The walk over the other classes would drop the edit, so it is put
    // back afterwards from what was typed.
    classes.cancel();
    const std::optional<QString> reason = refusal(classes, stored, own);
    if (own != 0) {
        classes.go(own);
        classes.edit();
    } else {
        classes.append();
    }
    if (reason) {
        typed.toBuffer(classes);
        return reason;
    }
    stored.toBuffer(classes);
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

} // namespace ClassTableSave
