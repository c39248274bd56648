#include "print/Printable.h"

#include "print/OutputFile.h"

#include <QDir>
#include <QPagedPaintDevice>

namespace PrintFormats
{

QString extension(PrintFormat format)
{
    switch (format) {
    case PrintFormat::Pdf:
        return QStringLiteral("pdf");
    case PrintFormat::Rtf:
        return QStringLiteral("rtf");
    case PrintFormat::Text:
        break;
    }
    return QStringLiteral("txt");
}

FileChoice fileChoice(PrintFormat format)
{
    if (format == PrintFormat::Pdf)
        return FileChoice::pdfFile();
    FileChoice choice;
    choice.title = QStringLiteral("Save As");
    // Both are "Text files" to the secretary, told apart by their extension.
    choice.filter = QStringLiteral("Text files (*.%1)").arg(extension(format));
    choice.defaultSuffix = extension(format);
    choice.mustExist = false;
    return choice;
}

} // namespace PrintFormats

Done Printable::write(PrintFormat format, const QString& path) const
{
    if (!offers(format))
        return Done::failure(QStringLiteral("%1 cannot be written as a .%2 file")
                                 .arg(title(), PrintFormats::extension(format)));
    if (format != PrintFormat::Pdf)
        return OutputFile::write(path,
                                 [&](QIODevice& file) { return writeFile(format, file, path); });
    return OutputFile::writePdf(
        path, {title(), pageLayout(), resolution}, [&](QPagedPaintDevice& pdf) {
            if (paint(pdf, {}).deviceFailed)
                return Done::failure(QStringLiteral("Cannot write %1: the PDF could not be started")
                                         .arg(QDir::toNativeSeparators(path)));
            return Done::success();
        });
}

PrintOutcome Printable::print(QPagedPaintDevice& device, const std::function<bool()>& aborted) const
{
    device.setPageLayout(pageLayout());
    return paint(device, aborted);
}

Done Printable::writeFile(PrintFormat format, QIODevice&, const QString&) const
{
    return Done::failure(QStringLiteral("%1 cannot be written as a .%2 file")
                             .arg(title(), PrintFormats::extension(format)));
}

bool askAndWrite(const Printable& printout, PrintFormat format, Messages& messages)
{
    const std::optional<QString> path = messages.saveFile(PrintFormats::fileChoice(format));
    if (!path)
        return false;
    const Done written = printout.write(format, *path);
    if (!written)
        messages.error(written.message());
    return written.ok();
}
