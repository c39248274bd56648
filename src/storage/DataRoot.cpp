#include "DataRoot.h"

#include "RecordValues.h"
#include "ShippedData.h"
#include "TextRules.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

#include <filesystem>

namespace
{

const QString kTemporarySuffix = QStringLiteral(".new");

void makeFolder(const QString& path, QStringList& made, const QString& relative)
{
    if (QFileInfo(path).isDir())
        return;
    if (!QDir().mkpath(path))
        throw dbf::Error(("Cannot create " + path).toStdString());
    made << relative;
}

// Writes a table under a temporary name and renames it into place, so the
// file appears only complete: a start cut short leaves the table as it was
// (or missing) beside a temporary file, and the next start writes it again.
// The rename replaces a file that holds nothing.
void writeTable(const QString& path, const dbf::FieldList& fields,
                const QList<ShippedData::Row>& rows = {})
{
    // Leftovers of a run cut short go (the data root's lock keeps any other
    // writer away), and the new temporary has a name of its own.
    const QFileInfo target(path);
    for (const QString& leftover :
         target.dir().entryList({target.fileName() + kTemporarySuffix + u'*'}, QDir::Files))
        QFile::remove(target.dir().filePath(leftover));
    const QString temporary =
        path + kTemporarySuffix + QUuid::createUuid().toString(QUuid::Id128).left(12);
    dbf::Table::create(temporary.toStdString(), fields);
    if (!rows.isEmpty()) {
        const auto table = dbf::Table::open(temporary.toStdString());
        for (const ShippedData::Row& row : rows) {
            // The record is made in the buffer, its deletion mark with it, and
            // written once.
            table->append();
            for (auto it = row.cbegin(); it != row.cend(); ++it) {
                if (it.key() != ShippedData::deletedColumn)
                    table->setText(it.key().toStdString(), it.value().toStdString());
            }
            table->setDeleted(ShippedData::isDeleted(row));
            table->queueRecord();
        }
        // Written in one go: a start cut short leaves the whole table or none.
        table->appendQueued();
    }
    std::error_code error;
    std::filesystem::rename(temporary.toStdString(), path.toStdString(), error);
    if (error)
        throw dbf::Error(
            ("Cannot create " + path + " (" + QString::fromStdString(error.message()) + ")")
                .toStdString());
}

bool isEmptyFile(const QFileInfo& file)
{
    return file.isFile() && file.size() == 0;
}

// Writes a shipped help text that the help folder lacks, under a temporary
// name renamed into place. A text already there, in any case of its name, is
// the secretary's and stays as it is.
bool writeMissingHelpFile(const QString& folder, const QString& name)
{
    const QString path = DataRoot::locate(folder, name);
    if (QFileInfo::exists(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ShippedData::helpFile(name)) < 0 ||
        !file.commit())
        throw dbf::Error(("Cannot create " + path + " (" + file.errorString() + ")").toStdString());
    return true;
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

bool DataRoot::holdsNoRecords(const QString& file)
{
    if (isEmptyFile(QFileInfo(file)))
        return true;
    try {
        return dbf::Table::open(file.toStdString(), dbf::Table::Access::ReadOnly)->recordCount() ==
               0;
    } catch (const std::exception&) {
        return false;
    }
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

TableFolder DataRoot::folderOf(const QString& file) const
{
    const QString folder = QFileInfo(file).absolutePath();
    if (folder == QFileInfo(userData()).absoluteFilePath())
        return TableFolder::UserData;
    if (folder == QFileInfo(programData()).absoluteFilePath())
        return TableFolder::ProgramData;
    if (folder == QFileInfo(shows()).absoluteFilePath())
        return TableFolder::Shows;
    return TableFolder::ShowData;
}

QString DataRoot::newShowEntryFile(int number, const QString& dateText) const
{
    QString date = dateText;
    date.replace(u'/', u'-');
    return shows() + QStringLiteral("/Show-") + TextRules::ZeroPad(number, 5) + u'-' + date +
           QStringLiteral(".dbf");
}

const QStringList& DataRoot::layoutFolders()
{
    static const QStringList folders = {QStringLiteral("userdata"), QStringLiteral("pgmdata"),
                                        QStringLiteral("shows"),    QStringLiteral("indexs"),
                                        QStringLiteral("catdata"),  QStringLiteral("help")};
    return folders;
}

const QList<const TableSchema*>& DataRoot::layoutTables()
{
    static const QList<const TableSchema*> tables = {
        &TableSchemas::ShowClasses(), &TableSchemas::CatGroups(), &TableSchemas::Show(),
        &TableSchemas::Dogs(),        &TableSchemas::Owners(),    &TableSchemas::Judges(),
        &TableSchemas::Breeds(),      &TableSchemas::Mail(),      &TableSchemas::ShowDates()};
    return tables;
}

QStringView DataRoot::shippedRows(const TableSchema& schema)
{
    if (&schema == &TableSchemas::ShowClasses())
        return ShippedData::classTable;
    if (&schema == &TableSchemas::CatGroups())
        return ShippedData::catalogGroups;
    return {};
}

QStringView DataRoot::startingRows(const TableSchema& schema)
{
    if (&schema == &TableSchemas::Breeds())
        return ShippedData::breeds;
    return {};
}

// A laid-out table is written when it is missing or holds nothing. The
// tables the program fills are opened to see that they hold records (they
// are small); the masters are not, for the dog master alone is large.
bool DataRoot::needsWriting(const QString& path, const TableSchema& schema,
                            QStringList* damaged) const
{
    const QFileInfo file(path);
    if (!file.exists() || isEmptyFile(file))
        return true;
    const bool filled = !shippedRows(schema).isEmpty();
    if (!filled && &schema != &TableSchemas::Show())
        return false;
    try {
        const auto table = dbf::Table::open(path.toStdString(), dbf::Table::Access::ReadOnly);
        return filled && table->recordCount() == 0;
    } catch (const dbf::InUseError&) {
        return false; // open elsewhere in this program, so it was read well
    } catch (const std::exception& e) {
        if (damaged)
            *damaged << QString::fromStdString(e.what());
        return false;
    }
}

void DataRoot::makeMissingEntryTables(QStringList& made, QStringList* damaged) const
{
    const QString datesFile = tableFile(TableSchemas::ShowDates());
    std::unique_ptr<dbf::Table> dates;
    try {
        dates = dbf::Table::open(datesFile.toStdString(), dbf::Table::Access::ReadOnly);
    } catch (const dbf::InUseError&) {
        return;
    } catch (const std::exception& e) {
        if (damaged)
            *damaged << QString::fromStdString(e.what());
        return;
    }
    for (std::uint32_t r = 1; r <= dates->recordCount(); ++r) {
        const dbf::RecordView show = dates->record(r);
        const double number = show.number("show_num");
        const auto firstDate = show.date("show_date");
        // A show without a first date has no entry file name; numbers of
        // deleted shows stay unused.
        if (show.deleted() || !firstDate || number < 1 || number > kHighestShowNumber ||
            !showEntryFile(int(number)).isEmpty())
            continue;
        const QString file = newShowEntryFile(int(number), RecordValues::dateText(firstDate));
        writeTable(file, TableSchemas::Show().fields);
        made << relative(file);
    }
}

QStringList DataRoot::layOut(QStringList* damaged) const
{
    if (!QFileInfo(root_).isDir() && !QDir().mkpath(root_))
        throw dbf::Error(("Cannot create " + root_).toStdString());
    QStringList made;
    for (const QString& name : layoutFolders()) {
        const QString path = locate(root_, name);
        makeFolder(path, made, relative(path));
    }
    for (const TableSchema* schema : layoutTables()) {
        const QString path = tableFile(*schema);
        if (!needsWriting(path, *schema, damaged))
            continue;
        const QStringView shipped = shippedRows(*schema);
        const QStringView csv = shipped.isEmpty() ? startingRows(*schema) : shipped;
        writeTable(path, schema->fields,
                   csv.isEmpty() ? QList<ShippedData::Row>() : ShippedData::rows(csv));
        made << relative(path);
    }
    // Any other table that holds nothing was cut short while it was made;
    // it is made again, empty, as its first use would have made it.
    for (const QString& path : tableFiles()) {
        const TableSchema* schema =
            TableSchemas::forFile(folderOf(path), QFileInfo(path).fileName());
        if (!schema || !isEmptyFile(QFileInfo(path)))
            continue;
        writeTable(path, schema->fields);
        made << relative(path);
    }
    makeMissingEntryTables(made, damaged);
    for (const QString& name : ShippedData::helpFiles()) {
        if (writeMissingHelpFile(help(), name))
            made << relative(locate(help(), name));
    }
    return made;
}
