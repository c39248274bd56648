#include "masters/JudgesList.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace JudgesList
{

namespace
{

QString field(const dbf::RecordView& judge, const char* name)
{
    return RecordValues::text(judge, name).trimmed();
}

} // namespace

QString line(const dbf::RecordView& judge)
{
    return field(judge, "first") + u' ' + field(judge, "last") + "  \t" + field(judge, "phone") +
           u'\t' + field(judge, "address") + "  " + field(judge, "city") + ", " +
           field(judge, "state") + "  " + field(judge, "zip") + u'\t' + field(judge, "email");
}

QStringList lines(const dbf::Table& judges)
{
    QStringList result{QStringLiteral(" ")};
    for (std::uint32_t recno : judges.recordsInOrder(judges.order())) {
        const dbf::RecordView judge = judges.record(recno);
        if (!judge.deleted())
            result << line(judge);
    }
    return result;
}

CanvasListing listing(const QStringList& lines)
{
    return CanvasListing(
        title, CanvasListingLayout::plainListing(title, QFont(QStringLiteral("Arial"), 10)), lines);
}

QString printedMessage(const PrintOutcome& outcome)
{
    return outcome.finished() ? QStringLiteral("All Data sent to Printer")
                              : QStringLiteral("The print job did not finish printing");
}

} // namespace JudgesList
