#include "setup/CatGroupSave.h"

#include "storage/ClassCodes.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

Done CatGroupSaveRules::prepareSave(dbf::Table& groups)
{
    const QString code = RecordValues::text(groups, "catgroup").trimmed().toUpper();
    if (code.isEmpty())
        return Done::failure(QStringLiteral("A grouping needs a Catalog Group code;"
                                            "the one the classes of the group carry."));
    const QString typedSection = RecordValues::text(groups, "section").trimmed();
    const std::optional<ClassCodes::Section> section = ClassCodes::sectionOf(typedSection);
    const QString sectionName = section ? ClassCodes::sectionName(*section) : QString();
    if (sectionName.compare(typedSection, Qt::CaseInsensitive) != 0)
        return Done::failure(QStringLiteral("Show Section [%1] is no section of the classes.;"
                                            "Type Obedience or Rally.")
                                 .arg(typedSection));

    const std::uint32_t own = groups.state() == dbf::Table::State::Edit ? groups.recno() : 0;
    for (std::uint32_t r = 1; r <= groups.recordCount(); ++r) {
        if (r == own)
            continue;
        const dbf::RecordView other = groups.record(r);
        if (RecordValues::text(other, "catgroup").trimmed().toUpper() != code ||
            RecordValues::text(other, "section")
                    .trimmed()
                    .compare(sectionName, Qt::CaseInsensitive) != 0)
            continue;
        return Done::failure(
            QStringLiteral("%1 already has the Catalog Group %2 (Rec # %3%4).;"
                           "Each group of a section has one grouping.")
                .arg(sectionName, code)
                .arg(r)
                .arg(other.deleted() ? QStringLiteral(", marked Deleted") : QString()));
    }
    groups.setText("catgroup", code.toStdString());
    groups.setText("section", sectionName.toStdString());
    return Done::success();
}
