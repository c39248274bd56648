#include "DataRoot.h"

#include "ShippedData.h"
#include "TextRules.h"

#include "dbf/Table.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace
{

void makeFolder(const QString& path, QStringList& created, const QString& relative)
{
    if (QFileInfo(path).isDir())
        return;
    if (!QDir().mkpath(path))
        throw std::runtime_error(("Cannot create " + path).toStdString());
    created << relative;
}

void createTable(const QString& path, const TableSchema& schema)
{
    dbf::Table::create(path.toStdString(), schema.fields);
}

// Writes the shipped rows into a new table; the file appears only complete,
// so an interrupted first start writes it again next time.
void writeShippedTable(const QString& path, const TableSchema& schema, QStringView csv)
{
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    {
        dbf::Table::create(temporary.toStdString(), schema.fields);
        auto table = dbf::Table::open(temporary.toStdString());
        for (const ShippedData::Row& row : ShippedData::rows(csv)) {
            table->blankBuffer();
            for (auto it = row.cbegin(); it != row.cend(); ++it)
                table->setText(it.key().toStdString(), it.value().toStdString());
            table->appendRecord();
        }
        table->flush();
    }
    if (!QFile::rename(temporary, path))
        throw std::runtime_error(("Cannot create " + path).toStdString());
}

} // namespace

DataRoot::DataRoot(const QString& root) : root_(QDir::cleanPath(root)) {}

QString DataRoot::locate(const QString& folder, const QString& name)
{
    const QString exact = folder + u'/' + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    for (const QString& entry :
         dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + u'/' + entry;
    }
    return exact;
}

QString DataRoot::userData() const
{
    return locate(root_, QStringLiteral("userdata"));
}
QString DataRoot::programData() const
{
    return locate(root_, QStringLiteral("pgmdata"));
}
QString DataRoot::shows() const
{
    return locate(root_, QStringLiteral("shows"));
}
QString DataRoot::indexes() const
{
    return locate(root_, QStringLiteral("indexs"));
}
QString DataRoot::catalogData() const
{
    return locate(root_, QStringLiteral("catdata"));
}
QString DataRoot::help() const
{
    return locate(root_, QStringLiteral("help"));
}

QString DataRoot::showData(int showNumber) const
{
    return locate(catalogData(), QStringLiteral("cat") + TextRules::ZeroPad(showNumber, 5));
}

QString DataRoot::folder(TableFolder folder, int showNumber) const
{
    switch (folder) {
    case TableFolder::UserData:
        return userData();
    case TableFolder::ProgramData:
        return programData();
    case TableFolder::Shows:
        return shows();
    case TableFolder::ShowData:
        return showData(showNumber);
    }
    return root_;
}

QString DataRoot::tableFile(const TableSchema& schema, int showNumber) const
{
    return locate(folder(schema.folder, showNumber), schema.fileName);
}

QString DataRoot::showEntryFile(int number) const
{
    const QString prefix = QStringLiteral("show-") + TextRules::ZeroPad(number, 5) + u'-';
    QStringList names = QDir(shows()).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (name.startsWith(prefix, Qt::CaseInsensitive) &&
            name.endsWith(QStringLiteral(".dbf"), Qt::CaseInsensitive))
            return shows() + u'/' + name;
    }
    return {};
}

QStringList DataRoot::tableFiles() const
{
    const auto dbfFiles = [](const QString& folder) {
        QStringList files;
        for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
            if (info.suffix().compare(QStringLiteral("dbf"), Qt::CaseInsensitive) == 0)
                files << info.filePath();
        }
        return files;
    };
    QStringList files = dbfFiles(userData()) + dbfFiles(programData()) + dbfFiles(shows());
    for (const QFileInfo& folder :
         QDir(catalogData()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        files += dbfFiles(folder.filePath());
    return files;
}

QString DataRoot::relative(const QString& path) const
{
    return QDir(root_).relativeFilePath(path);
}

QStringList DataRoot::layOut() const
{
    QStringList created;
    makeFolder(root_, created, QStringLiteral("."));
    created.removeAll(QStringLiteral("."));
    for (const QString& name :
         {QStringLiteral("userdata"), QStringLiteral("pgmdata"), QStringLiteral("shows"),
          QStringLiteral("indexs"), QStringLiteral("catdata"), QStringLiteral("help")}) {
        const QString path = locate(root_, name);
        makeFolder(path, created, relative(path));
    }
    const auto shipped = [&](const TableSchema& schema, QStringView csv) {
        const QString path = tableFile(schema);
        if (QFileInfo::exists(path))
            return;
        if (csv.isEmpty())
            createTable(path, schema);
        else
            writeShippedTable(path, schema, csv);
        created << relative(path);
    };
    shipped(TableSchemas::ShowClasses(), ShippedData::classTable);
    shipped(TableSchemas::CatGroups(), ShippedData::catalogGroups);
    shipped(TableSchemas::Show(), {});
    for (const TableSchema* schema :
         {&TableSchemas::Dogs(), &TableSchemas::Owners(), &TableSchemas::Judges(),
          &TableSchemas::Breeds(), &TableSchemas::Mail(), &TableSchemas::ShowDates()})
        shipped(*schema, {});
    return created;
}
