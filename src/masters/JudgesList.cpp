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

double printedWidth(const QString& text, const QFontMetricsF& metrics, double tabStop)
{
    double x = 0;
    const QStringList parts = text.split(u'\t');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        x += metrics.horizontalAdvance(parts[i]);
        if (i + 1 < parts.size())
            x = (std::floor(x / tabStop) + 1) * tabStop;
    }
    return x;
}

QStringList fitted(const QStringList& lines, const QFontMetricsF& metrics, double tabStop,
                   double width)
{
    const auto fits = [&](const QString& text) {
        return printedWidth(text, metrics, tabStop) <= width;
    };
    QStringList result;
    for (QString rest : lines) {
        QString indent;
        while (!fits(indent + rest)) {
            qsizetype cut = rest.size() - 1;
            while (cut > 0 &&
                   !((rest[cut] == u'\t' || rest[cut] == u' ') && fits(indent + rest.left(cut))))
                --cut;
            if (cut <= 0)
                break; // a single word wider than the page prints as it is
            result << indent + rest.left(cut);
            rest = rest.mid(cut + 1);
            while (rest.startsWith(u' '))
                rest.remove(0, 1);
            indent = QStringLiteral("\t");
        }
        result << indent + rest;
    }
    return result;
}

CanvasListingResult print(const QStringList& lines, QPagedPaintDevice& device,
                          const std::function<bool()>& aborted)
{
    const CanvasListingLayout listing = layout();
    const double dpi = device.logicalDpiX();
    const double width = device.pageLayout().paintRectPixels(int(dpi)).width() -
                         listing.bodyLeft * dpi / CanvasListing::printerPixelsPerInch;
    const QFontMetricsF metrics(listing.font, &device);
    // The painter's tab stops: every 80 pixels of a 96-dpi screen.
    const double tabStop = 80 * dpi / 96;
    return CanvasListing(listing, fitted(lines, metrics, tabStop, width)).print(device, aborted);
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
