#pragma once

#include "TableSchemas.h"

#include <QString>
#include <QStringList>

// The folders of one data root and the files in them. Data copied from Windows
// may spell a file or folder in any case, so existing names are found without
// regard to case; new ones are made as the program spells them.
class DataRoot
{
public:
    // Show numbers run from 1 to 99999: the show key that names a show's
    // files has five digits.
    static constexpr int kHighestShowNumber = 99999;

    explicit DataRoot(const QString& root);

    const QString& path() const { return root_; }
    QString userData() const;
    QString programData() const;
    QString shows() const;
    QString indexes() const;
    QString catalogData() const;
    QString help() const;
    // catdata/cat<show key>, for a show number.
    QString showData(int showNumber) const;
    QString folder(TableFolder folder, int showNumber = 0) const;

    // The path of a table's file: the existing file whatever its case, else
    // the path to create.
    QString tableFile(const TableSchema& schema, int showNumber = 0) const;

    // A name inside a folder: the existing entry whatever its case, else the
    // folder joined with the name as given.
    static QString locate(const QString& folder, const QString& name);
    // The entry table file a new show gets: shows/Show-<show key>-<date>.dbf,
    // the date as a date box shows it (MM/DD/YYYY) with "-" for "/".
    QString newShowEntryFile(int number, const QString& dateText) const;
    // The existing entry table of show `number` (shows/Show-<show key>-*.dbf,
    // in any case); empty when there is none.
    QString showEntryFile(int number) const;
    // True when a table file holds no record: it is empty (0 bytes, as a
    // write cut short leaves it) or a table without records. False for a
    // file that cannot be read, which may hold data.
    static bool holdsNoRecords(const QString& file);
    // Every existing table file of the root: the masters, the program data,
    // the shows and the per-show tables, as absolute paths in that order.
    QStringList tableFiles() const;

    // The kind of folder a table file of this root lies in.
    TableFolder folderOf(const QString& file) const;

    // The path relative to the root, with "/".
    QString relative(const QString& path) const;

    // The folders every root has, and the tables laid out in them: the
    // shipped class table, catalog groupings and show template in pgmdata/,
    // then the master tables in userdata/.
    static const QStringList& layoutFolders();
    static const QList<const TableSchema*>& layoutTables();
    // The shipped file of rows a laid-out table is filled from whenever it
    // holds no record (the class table and the catalog groupings); empty for
    // the others.
    static QStringView shippedRows(const TableSchema& schema);
    // The shipped file of rows a laid-out table starts with when it is made,
    // and never again once it exists, emptied or not (the breeds list); empty
    // for the others.
    static QStringView startingRows(const TableSchema& schema);

    // Lays out the root as every start does, and completes what an earlier
    // start or a new show cut short left behind:
    // - the root and its folders are made when missing;
    // - a laid-out table is written when missing or holding nothing (0
    //   bytes; for the shipped class table and catalog groupings, no record),
    //   with its shipped or starting rows;
    // - any other table of the root that holds nothing (0 bytes) is made
    //   again empty;
    // - a show dates record (not deleted, with a first date) whose show has
    //   no entry table gets an empty one;
    // - every shipped help text missing from help/ is written; one there
    //   already is never written over.
    // A table that holds data is never written over: a shipped table or show
    // dates table that cannot be read adds its fault to `damaged` and is left
    // as it is. Returns the paths it made, relative to the root, in that
    // order. Throws dbf::Error naming what could not be made.
    QStringList layOut(QStringList* damaged = nullptr) const;

private:
    bool needsWriting(const QString& path, const TableSchema& schema, QStringList* damaged) const;
    void makeMissingEntryTables(QStringList& made, QStringList* damaged) const;

    QString root_;
};
