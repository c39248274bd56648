#include "masters/JudgesList.h"

#include "dbf/Table.h"

#include <QSaveFile>
#include <QTextStream>

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
    CanvasListingLayout layout;
    layout.font = QFont(QStringLiteral("Arial"), 10);
    layout.lineSpacing = 1.4;
    layout.heading = title;
    layout.headingLeft = 250;
    layout.headingLine = 3;
    layout.bodyLeft = 150;
    layout.firstBodyLine = 5;
    layout.laterFirstBodyLine = 4;
    layout.linesReserved = 4;
    return layout;
}

CanvasListingResult print(const QStringList& lines, QPagedPaintDevice& device,
                          const std::function<bool()>& aborted)
{
    return CanvasListing(layout(), lines).print(device, aborted);
}

bool savePdf(const QStringList& lines, const QString& path, QString* error)
{
    return CanvasListing(layout(), lines).savePdf(path, title, error);
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
