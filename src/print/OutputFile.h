#pragma once

#include "storage/Result.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;
class QPagedPaintDevice;

// Every file the secretary asks for (a PDF, a rich-text or text listing, a
// CSV) is written here, so that none can half-replace a file or replace one of
// the program's own: the output goes to a temporary file beside the target and
// takes its place only once it is complete and on the disk, and a target that
// is a table, an index or the preferences file is refused.
namespace OutputFile
{

// Why `path` may not be written as an output, or nothing when it may: a
// table (by its name, or an existing file by its content), an index or
// gendefs.ini.
std::optional<QString> refusal(const QString& path);

// Writes the file whole or not at all. `write` fills the temporary file and
// says whether it succeeded.
Done write(const QString& path, const std::function<Done(QIODevice& file)>& write);

// How a PDF is set up before anything is drawn on it.
struct PdfSettings {
    QString title;
    QPageLayout layout;
    int resolution; // dots per inch
};

// The one PDF writer, named as Ringvale's with the printout's title: `paint`
// draws every page on it and says whether it could.
Done writePdf(const QString& path, const PdfSettings& settings,
              const std::function<Done(QPagedPaintDevice& pdf)>& paint);

} // namespace OutputFile
