#include "ui/HelpText.h"

#include "print/RtfReader.h"
#include "storage/DataRoot.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextDocument>

namespace
{

QString plainText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Help files written on Windows by the secretary's own editor.
    QStringDecoder windows("Windows-1252");
    if (windows.isValid())
        return windows.decode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

namespace HelpText
{

Done read(const DataRoot& root, QStringView name, QTextDocument& document)
{
    const QString path = DataRoot::locate(root.help(), name.toString());
    if (!QFileInfo(path).isFile())
        return Done::failure(QStringLiteral("The help file %1 is missing.;It belongs in the help "
                                            "folder of the data folder %2.")
                                 .arg(path, root.path()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Done::failure(
            QStringLiteral("Cannot read the help file %1 (%2).").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (name.endsWith(u".rtf", Qt::CaseInsensitive))
        RtfReader::read(bytes, document);
    else
        document.setPlainText(plainText(bytes));
    return Done::success();
}

} // namespace HelpText
