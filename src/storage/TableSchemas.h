#pragma once

#include "dbf/Field.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

// Every table of the system: its component name, file, folder, fields in
// stored order, tags and default tag. The field order is part of the file
// format: several operations read the show entry and show dates records by
// position.

enum class TableFolder {
    UserData,    // userdata/: masters the user builds up
    ProgramData, // pgmdata/: shipped tables, the show template, work tables
    Shows,       // shows/: one show entry table per show
    ShowData,    // catdata/cat<show key>/: the per-show tables
};

struct TableSchema {
    QString component; // "Dogs", "TzDbf1"
    QString fileName;  // "dogmaster2.dbf"; empty for the show entry table, named per show
    TableFolder folder;
    dbf::FieldList fields;
    std::vector<dbf::TagDef> tags;
    QString defaultTag; // empty: record order
};

namespace TableSchemas
{

const TableSchema& Dogs();
const TableSchema& Owners();
const TableSchema& Judges();
const TableSchema& Breeds();
const TableSchema& Mail();
const TableSchema& ShowDates();
const TableSchema& ShowClasses();
const TableSchema& CatGroups();
const TableSchema& Show();   // the show template, pgmdata/showdb25.dbf, no tags
const TableSchema& TzDbf1(); // the open show's entry table: the template's fields with tags
const TableSchema& ShwJudges();
const TableSchema& Catalog();
const TableSchema& Results();
const TableSchema& TzVDbf1();
const TableSchema& Ribbons();
const TableSchema& Placings();
const TableSchema& Counts();
const TableSchema& Fees();
const TableSchema& Vobcomb25();
const TableSchema& Vobcomb();
const TableSchema& VRallybk();
const TableSchema& ArmbandLabels();
const TableSchema& CheckInEnvelopes();

// Every table, in the order of the table list.
const QList<const TableSchema*>& all();
// The table of a component name, matched without regard to case; nullptr when none.
const TableSchema* find(QStringView component);
// The table whose file name matches without regard to case (the show entry
// table matches any "Show-*.dbf" in shows/); nullptr when none.
const TableSchema* forFile(TableFolder folder, QStringView fileName);

} // namespace TableSchemas
