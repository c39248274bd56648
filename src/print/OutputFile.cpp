#include "print/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace OutputFile
{

namespace
{

// A dBASE III table starts with version byte 3 and has its header length and
// record length where a table keeps them: enough to know a table that was
// renamed to something else.
bool looksLikeTable(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(32);
    if (head.size() < 32 || (static_cast<unsigned char>(head[0]) & 0x07) != 0x03)
        return false;
    const int headerLength =
        static_cast<unsigned char>(head[8]) | (static_cast<unsigned char>(head[9]) << 8);
    const int recordLength =
        static_cast<unsigned char>(head[10]) | (static_cast<unsigned char>(head[11]) << 8);
    return headerLength >= 65 && (headerLength - 33) % 32 == 0 && recordLength >= 2;
}

QString cannotWrite(const QString& path, const QString& why)
{
    return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), why);
}

} // namespace

std::optional<QString> refusal(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return cannotWrite(path, QStringLiteral("it is a folder"));
    // Tables are found without regard to the case of their names, so a new
    // "NURCLASS26.DBF" beside nurclass26.dbf would be as bad as replacing it.
    const QString suffix = target.suffix().toLower();
    if (suffix == QLatin1String("dbf") || suffix == QLatin1String("mdx") ||
        (target.exists() && looksLikeTable(path)))
        return cannotWrite(path, QStringLiteral("it is a table of data, which an output must "
                                                "never replace. Choose another file name."));
    if (target.fileName().compare(QLatin1String("gendefs.ini"), Qt::CaseInsensitive) == 0)
        return cannotWrite(path, QStringLiteral("it holds the program's preferences, which an "
                                                "output must never replace. Choose another "
                                                "file name."));
    return std::nullopt;
}

Done write(const QString& path, const std::function<Done(QIODevice& file)>& fill)
{
    if (const auto refused = refusal(path))
        return Done::failure(*refused);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Done::failure(cannotWrite(path, file.errorString()));
    const Done filled = fill(file);
    if (!filled) {
        file.cancelWriting();
        return filled;
    }
    if (!file.commit())
        return Done::failure(cannotWrite(path, file.errorString()));
    return Done::success();
}

Done writePdf(const QString& path, const PdfSettings& settings,
              const std::function<Done(QPagedPaintDevice& pdf)>& paint)
{
    return write(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Ringvale"));
        writer.setTitle(settings.title);
        writer.setResolution(settings.resolution);
        writer.setPageLayout(settings.layout);
        return paint(writer);
    });
}

} // namespace OutputFile
