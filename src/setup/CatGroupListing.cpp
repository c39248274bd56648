#include "setup/CatGroupListing.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace
{

// The print job's name and the heading of every printed page.
const QString kHeading = QStringLiteral("Catalog Grouping Codes");
const QString kTab = QStringLiteral("\t");

QString trimmed(const dbf::RecordView& group, const char* field)
{
    return RecordValues::text(group, field);
}

// The field as stored, blanks and all: the section of the code list is
// padded to its width, so the tab after it lands in the same column for
// "Obedience" and "Rally".
QString padded(const dbf::RecordView& group, const char* field)
{
    return RecordValues::raw(group, field);
}

} // namespace

namespace CatGroupListing
{

QString tag(Kind kind)
{
    return kind == Kind::Codes ? QStringLiteral("Section") : QStringLiteral("GroupKEY");
}

QStringList lines(const dbf::Table& table, Kind kind)
{
    QStringList out{QStringLiteral(" ")};
    for (std::uint32_t recno : table.recordsInOrder(tag(kind).toStdString())) {
        const dbf::RecordView groups = table.record(recno);
        if (groups.deleted())
            continue;
        if (kind == Kind::Codes) {
            out << padded(groups, "section") + kTab + trimmed(groups, "catgroup") + kTab +
                       trimmed(groups, "header");
            continue;
        }
        out << padded(groups, "catgroup") + kTab + trimmed(groups, "section") + kTab +
                   trimmed(groups, "header");
        for (const char* footer : {"footer1", "footer2", "footer3", "footer4"}) {
            const QString text = trimmed(groups, footer).trimmed();
            if (!text.isEmpty())
                out << kTab + kTab + text;
        }
        out << QStringLiteral(" ");
    }
    return out;
}

QFont font()
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    return f;
}

CanvasListing listing(const QStringList& lines, const QFont& font)
{
    QFont printed = font;
    printed.setPointSize(12);
    return CanvasListing(
        kHeading,
        CanvasListingLayout::plainListing(kHeading, printed, CanvasListingLayout::Tabs::Blanks),
        lines);
}

} // namespace CatGroupListing
