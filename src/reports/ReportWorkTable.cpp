#include "reports/ReportWorkTable.h"

#include "storage/DataRoot.h"

#include "dbf/Table.h"

#include <QFileInfo>

std::unique_ptr<dbf::Table> openEmptiedWorkTable(const DataRoot& root, const TableSchema& schema)
{
    const QString path = root.tableFile(schema);
    if (!QFileInfo::exists(path))
        dbf::Table::create(path.toStdString(), schema.fields);
    auto table = dbf::Table::open(path.toStdString());
    if (table->recordCount() > 0)
        table->zap();
    // Built after the zap, over no records.
    table->setTags(schema.tags);
    if (!schema.defaultTag.isEmpty())
        table->setOrder(schema.defaultTag.toStdString());
    return table;
}
