#include "masters/JudgesList.h"

#include "print/OutputFile.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QTextStream>

#include <cmath>

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

CanvasListingLayout layout()
{
    return CanvasListingLayout::plainListing(title, QFont(QStringLiteral("Arial"), 10));
}

CanvasListingResult print(const QStringList& lines, QPagedPaintDevice& device,
                          const std::function<bool()>& aborted)
{
    return CanvasListing(layout(), lines).print(device, aborted);
}

Done savePdf(const QStringList& lines, const QString& path)
{
    return CanvasListing::savePdf(
        path, title, [&lines](QPagedPaintDevice& device) { return print(lines, device); });
}

Done saveText(const QStringList& lines, const QString& path)
{
    return OutputFile::write(path, [&](QIODevice& file) {
        QTextStream out(&file);
        for (const QString& text : lines)
            out << text << '\n';
        out.flush();
        if (out.status() != QTextStream::Ok)
            return Done::failure("Cannot write " + path + ": " + file.errorString());
        return Done::success();
    });
}

QString printedMessage(const CanvasListingResult& result)
{
    return result.aborted || result.deviceFailed
               ? QStringLiteral("The print job did not finish printing")
               : QStringLiteral("All Data sent to Printer");
}

} // namespace JudgesList
