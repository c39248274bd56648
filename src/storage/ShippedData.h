#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

// The data the program ships, compiled into it so that a fresh installation
// is complete without any file beside the executable: the rows of the class
// table, the catalog groupings and the starting breeds list, and the help
// texts.
//
// Each file of rows is RFC 4180 CSV in UTF-8: a header row of field names,
// then one row per record; a field holding a comma, a quote or a line break
// is quoted, with quotes inside doubled. Lines with nothing on them are
// skipped. A column named "deleted" is no field: "T" in it ships the record
// marked deleted.
namespace ShippedData
{

// Field name (as in the header) to the field's text.
using Row = QMap<QString, QString>;

// Names of the shipped files.
inline constexpr QStringView classTable = u"nurclass26.csv";
inline constexpr QStringView catalogGroups = u"catgroups.csv";
inline constexpr QStringView breeds = u"nurbreeds.csv";

// The column that marks a shipped record deleted.
inline constexpr QStringView deletedColumn = u"deleted";
bool isDeleted(const Row& row);

// The rows of a shipped file. Throws dbf::Error naming the file (and the
// line) when it is missing or malformed.
QList<Row> rows(QStringView fileName);

// The rows of CSV text; `sourceName` names the text in error messages. Throws
// dbf::Error for a row whose field count differs from the header's, a quote
// left open, text after a closing quote, or a repeated field name.
QList<Row> parseCsv(QStringView text, const QString& sourceName);

// The names of the shipped help texts, as the help folder holds them.
QStringList helpFiles();
// A shipped help text as stored. Throws dbf::Error when the program has none
// of that name.
QByteArray helpFile(QStringView name);

} // namespace ShippedData
