#include "storage/IniFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

#include <array>

namespace
{

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five unassigned
// bytes map to the control character of the same number, as Windows does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            text.append(QChar(kWindows1252High[byte - 0x80]));
        else
            text.append(QChar(byte));
    }
    return text;
}

// Files saved by older Windows tools are in the ANSI code page; anything that is
// not valid UTF-8 is taken to be one of those.
QString decodeText(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

std::optional<QString> sectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    const qsizetype close = trimmed.indexOf(u']');
    if (!trimmed.startsWith(u'[') || close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

struct KeyLine {
    QString key;
    QString value;
};

std::optional<KeyLine> keyLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals <= 0)
        return std::nullopt;
    const QString key = trimmed.left(equals).trimmed();
    if (key.isEmpty())
        return std::nullopt;
    return KeyLine{key, trimmed.mid(equals + 1).trimmed()};
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The file's lines without their line ends, and the line end it uses.
struct IniLines {
    QStringList lines;
    QString lineEnd = QStringLiteral("\n");

    static IniLines fromText(const QString& text)
    {
        IniLines result;
        if (text.contains(u"\r\n"))
            result.lineEnd = QStringLiteral("\r\n");
        result.lines = text.split(u'\n');
        for (QString& line : result.lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
        if (!result.lines.isEmpty() && result.lines.last().isEmpty())
            result.lines.removeLast();
        return result;
    }

    QString toText() const
    {
        QString text;
        for (const QString& line : lines)
            text += line + lineEnd;
        return text;
    }

    // The first key of that name in any section of that name, as a reader sees it.
    std::optional<QString> value(const QString& section, const QString& key) const
    {
        bool inSection = false;
        for (const QString& line : lines) {
            if (const auto name = sectionName(line)) {
                inSection = sameName(*name, section);
                continue;
            }
            if (!inSection)
                continue;
            if (const auto pair = keyLine(line); pair && sameName(pair->key, key))
                return pair->value;
        }
        return std::nullopt;
    }

    // Changes the line value() would find; a new key goes after the last line of
    // the first section of that name, a new section at the end of the file.
    void setValue(const QString& section, const QString& key, QString value)
    {
        // A line break would turn the rest of the value into lines of its own.
        value.replace(u'\r', u' ').replace(u'\n', u' ');
        bool inSection = false;
        bool inFirstSection = false;
        bool sectionSeen = false;
        qsizetype insertAt = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (const auto name = sectionName(lines[i])) {
                inSection = sameName(*name, section);
                inFirstSection = inSection && !sectionSeen;
                if (inFirstSection) {
                    sectionSeen = true;
                    insertAt = i + 1;
                }
                continue;
            }
            if (!inSection)
                continue;
            if (const auto pair = keyLine(lines[i]); pair && sameName(pair->key, key)) {
                lines[i] = pair->key + u'=' + value;
                return;
            }
            if (inFirstSection && !lines[i].trimmed().isEmpty())
                insertAt = i + 1;
        }
        if (!sectionSeen) {
            lines.append(u'[' + section + u']');
            insertAt = lines.size();
        }
        lines.insert(insertAt, key + u'=' + value);
    }
};

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

std::optional<QString> IniFile::read(const QString& section, const QString& key) const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return IniLines::fromText(decodeText(file.readAll())).value(section, key);
}

bool IniFile::write(const QString& section, const QString& key, const QString& value)
{
    return writeMany({IniEntry{section, key, value}});
}

bool IniFile::writeMany(const QList<IniEntry>& entries)
{
    errorString_.clear();
    const QString shownPath = QDir::toNativeSeparators(path_);
    IniLines ini;
    QFile existing(path_);
    if (existing.exists()) {
        // Writing over a file we could not read would lose every other setting in it.
        if (!existing.open(QIODevice::ReadOnly)) {
            errorString_ =
                QStringLiteral("Cannot read %1: %2").arg(shownPath, existing.errorString());
            return false;
        }
        ini = IniLines::fromText(decodeText(existing.readAll()));
        existing.close();
    }
    for (const IniEntry& entry : entries)
        ini.setValue(entry.section, entry.key, entry.value);

    // QSaveFile writes beside the file and renames, so a failure halfway leaves
    // the old file whole.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(ini.toText().toUtf8()) < 0 ||
        !file.commit()) {
        errorString_ = QStringLiteral("Cannot write %1: %2").arg(shownPath, file.errorString());
        return false;
    }
    return true;
}
