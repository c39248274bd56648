#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringView>

// The rows the program ships for its master tables (the class table and the
// catalog groupings), kept as CSV files compiled into the program so that a
// fresh installation can be filled without any file beside the executable.
//
// Each file is RFC 4180 CSV in UTF-8: a header row of field names, then one
// row per record; a field holding a comma, a quote or a line break is quoted,
// with quotes inside doubled. Lines with nothing on them are skipped.
namespace ShippedData
{

// Field name (as in the header) to the field's text.
using Row = QMap<QString, QString>;

// Names of the shipped files.
inline constexpr QStringView classTable = u"nurclass26.csv";
inline constexpr QStringView catalogGroups = u"catgroups.csv";

// The rows of a shipped file. Throws dbf::Error naming the file (and the
// line) when it is missing or malformed.
QList<Row> rows(QStringView fileName);

// The rows of CSV text; `sourceName` names the text in error messages. Throws
// dbf::Error for a row whose field count differs from the header's, a quote
// left open, text after a closing quote, or a repeated field name.
QList<Row> parseCsv(QStringView text, const QString& sourceName);

} // namespace ShippedData
