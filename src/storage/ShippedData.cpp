#include "storage/ShippedData.h"

#include "dbf/Error.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// The resource lives in the static core library; naming its initialiser makes
// the linker keep it in every program that reads shipped data.
static void initShippedResource()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(shipped);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace ShippedData
{

namespace
{

[[noreturn]] void fail(const QString& sourceName, int line, const QString& fault)
{
    throw dbf::Error(
        QStringLiteral("%1, line %2: %3").arg(sourceName).arg(line).arg(fault).toStdString());
}

bool endsRecord(QChar c)
{
    return c == u'\n' || c == u'\r';
}

struct Record {
    int line = 0;
    QStringList fields;
};

class CsvScanner
{
public:
    CsvScanner(QStringView text, const QString& sourceName) : text_(text), sourceName_(sourceName)
    {
    }

    bool atEnd() const { return pos_ >= text_.size(); }

    Record next()
    {
        Record record{line_, {}};
        for (;;) {
            record.fields.append(atQuote() ? quotedField(record.line) : plainField());
            if (!atEnd() && text_[pos_] == u',') {
                ++pos_;
                continue;
            }
            skipLineEnd();
            return record;
        }
    }

private:
    bool atQuote() const { return !atEnd() && text_[pos_] == u'"'; }

    QString plainField()
    {
        const qsizetype start = pos_;
        while (!atEnd() && text_[pos_] != u',' && !endsRecord(text_[pos_])) {
            if (text_[pos_] == u'"')
                fail(sourceName_, line_,
                     QStringLiteral("a quote inside a field that is not quoted"));
            ++pos_;
        }
        return text_.mid(start, pos_ - start).toString();
    }

    QString quotedField(int recordLine)
    {
        QString field;
        ++pos_;
        for (;;) {
            if (atEnd())
                fail(sourceName_, recordLine, QStringLiteral("a quoted field is never closed"));
            const QChar c = text_[pos_++];
            if (c == u'"') {
                if (atQuote()) {
                    field.append(u'"');
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == u'\n')
                ++line_;
            field.append(c);
        }
        if (!atEnd() && text_[pos_] != u',' && !endsRecord(text_[pos_]))
            fail(sourceName_, line_, QStringLiteral("text after the closing quote of a field"));
        return field;
    }

    void skipLineEnd()
    {
        if (atEnd())
            return;
        if (text_[pos_] == u'\r')
            ++pos_;
        if (!atEnd() && text_[pos_] == u'\n')
            ++pos_;
        ++line_;
    }

    QStringView text_;
    const QString& sourceName_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace

QList<Row> parseCsv(QStringView text, const QString& sourceName)
{
    CsvScanner scanner(text, sourceName);
    QStringList header;
    QList<Row> rows;
    while (!scanner.atEnd()) {
        const Record record = scanner.next();
        if (record.fields == QStringList{QString()})
            continue;
        if (header.isEmpty()) {
            header = record.fields;
            if (header.removeDuplicates() != 0)
                fail(sourceName, record.line, QStringLiteral("a field name appears twice"));
            continue;
        }
        if (record.fields.size() != header.size())
            fail(sourceName, record.line,
                 QStringLiteral("%1 fields where the header has %2")
                     .arg(record.fields.size())
                     .arg(header.size()));
        Row row;
        for (qsizetype i = 0; i < header.size(); ++i)
            row.insert(header[i], record.fields[i]);
        rows.append(row);
    }
    if (header.isEmpty())
        fail(sourceName, 1, QStringLiteral("no header row"));
    return rows;
}

bool isDeleted(const Row& row)
{
    return row.value(deletedColumn.toString()).trimmed().compare(u"T", Qt::CaseInsensitive) == 0;
}

QStringList helpFiles()
{
    initShippedResource();
    return QDir(QStringLiteral(":/shipped/help")).entryList(QDir::Files, QDir::Name);
}

QByteArray helpFile(QStringView name)
{
    initShippedResource();
    QFile file(QStringLiteral(":/shipped/help/") + name.toString());
    if (!file.open(QIODevice::ReadOnly))
        throw dbf::Error(QStringLiteral("The shipped help text %1 is missing from the program")
                             .arg(name)
                             .toStdString());
    return file.readAll();
}

QList<Row> rows(QStringView fileName)
{
    initShippedResource();
    const QString name = fileName.toString();
    QFile file(QStringLiteral(":/shipped/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw dbf::Error(QStringLiteral("The shipped file %1 is missing from the program")
                             .arg(name)
                             .toStdString());
    return parseCsv(QString::fromUtf8(file.readAll()), name);
}

} // namespace ShippedData
