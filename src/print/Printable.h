#pragma once

#include "storage/Messages.h"
#include "storage/Result.h"

#include <QList>
#include <QPageLayout>
#include <QString>

#include <functional>

class QIODevice;
class QPagedPaintDevice;

// The kinds of file a printout can be written as.
enum class PrintFormat { Pdf, Rtf, Text };

namespace PrintFormats
{

// "pdf", "rtf" or "txt": the file's extension and the command line's option.
QString extension(PrintFormat format);
// The file choice of the window's command that writes the format: "Save as
// PDF" for a PDF, "Save As" with the format's filter for the others.
FileChoice fileChoice(PrintFormat format);

} // namespace PrintFormats

// What came of printing on a device.
struct PrintOutcome {
    int pages = 0;
    bool aborted = false;      // the print job was cancelled
    bool deviceFailed = false; // the printer or file would not start or take a page
    bool finished() const { return !aborted && !deviceFailed; }
};

// Anything the secretary can print: a listing, a report, a label run. It is
// made once, by the code of its subsystem, and handed to whichever front end
// asked for it: a window's Print, Save As and Save as PDF, or `ringvale-cli
// print`, so the same printout gives the same pages everywhere.
class Printable
{
public:
    // Every printout is laid out at this resolution, on a printer as in a
    // PDF, so that lines break and pages end at the same places on both.
    static constexpr int resolution = 600;

    virtual ~Printable() = default;

    // Names the print job and the PDF.
    virtual QString title() const = 0;
    // PDF first, then rich text or plain text where the printout has them.
    virtual QList<PrintFormat> formats() const { return {PrintFormat::Pdf}; }
    bool offers(PrintFormat format) const { return formats().contains(format); }
    // The paper, orientation and margins the pages are laid out on.
    virtual QPageLayout pageLayout() const = 0;

    // Writes the printout in one of its formats, whole or not at all; a file
    // that cannot be written, or a format it does not offer, gives the reason.
    Done write(PrintFormat format, const QString& path) const;
    // Sets the device to the page layout and prints every page on it (a
    // printer's chosen page ranges, where the printout has pages to choose
    // from). `aborted`, when given, is asked as the pages go; true ends the
    // job there.
    PrintOutcome print(QPagedPaintDevice& device, const std::function<bool()>& aborted = {}) const;

protected:
    // Paints the pages on a device already set to the page layout.
    virtual PrintOutcome paint(QPagedPaintDevice& device,
                               const std::function<bool()>& aborted) const = 0;
    // Fills a file of one of the formats other than PDF that formats() lists.
    virtual Done writeFile(PrintFormat format, QIODevice& file, const QString& path) const;
};

// A window's Save command: asks for the file through `messages` and writes
// the printout to it. False when cancelled or when the file could not be
// written, which is shown.
bool askAndWrite(const Printable& printout, PrintFormat format, Messages& messages);
