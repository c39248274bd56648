#include "masters/JudgesList.h"

#include "dbf/Table.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>

namespace JudgesList
{

namespace
{

QString field(const dbf::Table& judges, const char* name)
{
    return QString::fromStdString(judges.text(name)).trimmed();
}

} // namespace

QString line(const dbf::Table& judges)
{
    return field(judges, "first") + u' ' + field(judges, "last") + "  \t" + field(judges, "phone") +
           u'\t' + field(judges, "address") + "  " + field(judges, "city") + ", " +
           field(judges, "state") + "  " + field(judges, "zip") + u'\t' + field(judges, "email");
}

QStringList lines(dbf::Table& judges)
{
    QStringList result{QStringLiteral(" ")};
    const std::uint32_t current = judges.recno();
    for (judges.first(); !judges.eof(); judges.next())
        if (!judges.deleted())
            result << line(judges);
    if (current != 0)
        judges.go(current);
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

bool savePdf(const QStringList& lines, const QString& path, QString* error)
{
    return CanvasListing::savePdf(
        path, title, error, [&lines](QPagedPaintDevice& device) { return print(lines, device); });
}

bool saveText(const QStringList& lines, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&file);
        for (const QString& text : lines)
            out << text << '\n';
        out.flush();
        if (file.commit())
            return true;
    }
    *error = "Cannot write " + path + ": " + file.errorString();
    return false;
}

QString printedMessage(const CanvasListingResult& result)
{
    return result.aborted || result.deviceFailed
               ? QStringLiteral("The print job did not finish printing")
               : QStringLiteral("All Data sent to Printer");
}

} // namespace JudgesList
