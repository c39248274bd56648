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
    // The existing entry table of show `number` (shows/Show-<show key>-*.dbf,
    // in any case); empty when there is none.
    QString showEntryFile(int number) const;
    // Every existing table file of the root: the masters, the program data,
    // the shows and the per-show tables, as absolute paths in that order.
    QStringList tableFiles() const;

    // The path relative to the root, with "/".
    QString relative(const QString& path) const;

    // Lays out the root as the first start does: the folders, the shipped
    // tables in pgmdata/ and the empty master tables. Returns the paths it
    // created, relative to the root; nothing that exists is touched. Throws
    // std::runtime_error naming what could not be made.
    QStringList layOut() const;

private:
    QString root_;
};
