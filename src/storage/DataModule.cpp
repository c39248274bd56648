#include "DataModule.h"

#include "RecordValues.h"
#include "TextRules.h"

#include "dbf/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Start-up, the open operations and the life of a show file. The lookups are
// in DataModuleLookups.cpp and the values taken from entries in
// DataModuleEntries.cpp.

namespace
{

constexpr int kShowRecordLength = 519;

void stampModified(dbf::Table& table)
{
    table.setDate("modified", RecordValues::toDate(QDate::currentDate()));
}

void makeFolder(const QString& path, const QString& failure)
{
    if (!QFileInfo(path).isDir() && !QDir().mkpath(path))
        throw dbf::Error((failure + path).toStdString());
}

} // namespace

Tdmod::Tdmod(const QString& dataRoot, Messages& messages, StartUp startUp)
    : root_(dataRoot), messages_(messages), preferences_(dataRoot)
{
    if (startUp == StartUp::OnDemand)
        return;
    const auto step = [this](auto&& run) {
        try {
            run();
        } catch (const std::exception& e) {
            messages_.error(QString::fromStdString(e.what()));
        }
    };
    step([this] { makeFolder(root_.shows(), QStringLiteral("Cannot create ")); });
    step([this] { makeFolder(root_.indexes(), QStringLiteral("Cannot create ")); });
    step([this] { OpenDogs(); });
    step([this] { OpenOwners(); });
    step([this] { OpenBreeds(); });
    step([this] { OpenClasses(); });
    step([this] { OpenShowDates(); });
    step([this] {
        if (!show_)
            show_ = openTable(TableSchemas::Show(), root_.tableFile(TableSchemas::Show()), false);
    });
}

Tdmod::~Tdmod() = default;

void Tdmod::inform(const QString& text)
{
    messages_.inform(text);
}

std::unique_ptr<dbf::Table> Tdmod::openTable(const TableSchema& schema, const QString& path,
                                             bool withTags)
{
    const std::string file = path.toStdString();
    if (!QFileInfo::exists(path))
        dbf::Table::create(file, schema.fields);
    auto table = dbf::Table::open(file);
    if (withTags) {
        table->setTags(schema.tags);
        if (!schema.defaultTag.isEmpty())
            table->setOrder(schema.defaultTag.toStdString());
    }
    if (&schema == &TableSchemas::Dogs() || &schema == &TableSchemas::Owners())
        table->setBeforePost(stampModified);
    table->first();
    return table;
}

std::unique_ptr<dbf::Table> Tdmod::openTable(const TableSchema& schema, int showNumber)
{
    return openTable(schema, root_.tableFile(schema, showNumber));
}

void Tdmod::OpenDogs()
{
    if (!dogs_)
        dogs_ = openTable(TableSchemas::Dogs());
}

void Tdmod::OpenOwners()
{
    if (!owners_)
        owners_ = openTable(TableSchemas::Owners());
}

void Tdmod::OpenBreeds()
{
    if (!breeds_)
        breeds_ = openTable(TableSchemas::Breeds());
}

void Tdmod::OpenClasses()
{
    if (!showClasses_)
        showClasses_ = openTable(TableSchemas::ShowClasses());
}

void Tdmod::OpenShowDates()
{
    if (!showDates_)
        showDates_ = openTable(TableSchemas::ShowDates());
}

void Tdmod::OpenJudges()
{
    if (!judges_)
        judges_ = openTable(TableSchemas::Judges());
}

void Tdmod::OpenMail()
{
    if (!mail_)
        mail_ = openTable(TableSchemas::Mail());
}

void Tdmod::OpenCatGroups()
{
    if (!catGroups_)
        catGroups_ = openTable(TableSchemas::CatGroups());
}

// A per-show table stays open for its show; another show's is closed first.
void Tdmod::OpenShowJudges(int showNumber)
{
    EnsureShowDataFolder(showNumber);
    if (shwJudges_ && showJudgesNumber_ == showNumber)
        return;
    shwJudges_.reset();
    shwJudges_ = openTable(TableSchemas::ShwJudges(), showNumber);
    showJudgesNumber_ = showNumber;
}

void Tdmod::OpenCatalog(int showNumber)
{
    EnsureShowDataFolder(showNumber);
    if (catalog_ && catalogNumber_ == showNumber)
        return;
    catalog_.reset();
    catalog_ = openTable(TableSchemas::Catalog(), showNumber);
    catalogNumber_ = showNumber;
}

void Tdmod::OpenResults(int showNumber)
{
    EnsureShowDataFolder(showNumber);
    if (results_ && resultsNumber_ == showNumber)
        return;
    results_.reset();
    results_ = openTable(TableSchemas::Results(), showNumber);
    resultsNumber_ = showNumber;
}

void Tdmod::OpenGateWorkTable()
{
    tzVDbf1_.reset();
    tzVDbf1_ = openTable(TableSchemas::TzVDbf1());
    if (tzVDbf1_->recordCount() > 0)
        tzVDbf1_->zap();
}

void Tdmod::OpenRibbons()
{
    if (!ribbons_)
        ribbons_ = openTable(TableSchemas::Ribbons());
}

void Tdmod::OpenPlacings()
{
    if (!placings_)
        placings_ = openTable(TableSchemas::Placings());
}

void Tdmod::ClearPlacings()
{
    OpenPlacings();
    placings_->zap();
}

void Tdmod::EnsureShowDataFolder(int showNumber)
{
    const QString folder = root_.showData(showNumber);
    if (QFileInfo(folder).isDir())
        return;
    makeFolder(root_.catalogData(), QStringLiteral("Cannot create "));
    makeFolder(folder, QStringLiteral("Cannot create Special Data Folder"));
}

// --- The show file ----------------------------------------------------------

bool Tdmod::CheckShowFileVersion(const QString& path)
{
    QFile file(path);
    QByteArray header;
    if (file.open(QIODevice::ReadOnly))
        header = file.read(32);
    const int recordLength = header.size() >= 12 ? static_cast<unsigned char>(header[10]) |
                                                       (static_cast<unsigned char>(header[11]) << 8)
                                                 : 0;
    if (recordLength == kShowRecordLength)
        return true;
    messages_.ask(
        {QStringLiteral("SORRY!!!  I CANNOT open a Show file from Version 1 or 2.;;If you need to "
                        "access this data, you must use your;old version of the program.;;If you "
                        "want to use this version for processing, then you;will need to create a "
                        "New Show and re-input all the entries."),
         QStringLiteral("&OK"),
         MessageKind::Information,
         QStringLiteral("Opening Existing Show"),
         {}});
    return false;
}

QString Tdmod::ReadLastShow()
{
    return preferences_.lastOpenedShow();
}

void Tdmod::WriteLastShow(const QString& path)
{
    if (!preferences_.setLastOpenedShow(QDir::toNativeSeparators(path)))
        messages_.error(preferences_.errorString());
}

QString Tdmod::ReadClubName()
{
    QString name = preferences_.clubName();
    while (name.endsWith(u' '))
        name.chop(1);
    return name;
}

QString Tdmod::ShowEntryFileName(int number, const QString& dateText) const
{
    return root_.newShowEntryFile(number, dateText);
}

int Tdmod::ShowNumberFromFileName(const QString& fileName)
{
    const QString rest = QFileInfo(fileName).fileName().mid(5);
    return TextRules::IdToInt(rest.left(rest.indexOf(u'-')));
}

void Tdmod::CreateShowEntryTable(int number, const QString& dateText)
{
    if (number < 1 || number > DataRoot::kHighestShowNumber)
        throw dbf::Error(QStringLiteral("Show number %1 cannot be given: show numbers go "
                                        "from 1 to %2")
                             .arg(number)
                             .arg(DataRoot::kHighestShowNumber)
                             .toStdString());
    const QString file = ShowEntryFileName(number, dateText);
    if (QFileInfo::exists(file))
        throw dbf::Error(("The show file " + file + " already exists").toStdString());
    const QString showFolder = root_.showData(number);
    makeFolder(root_.shows(), QStringLiteral("Cannot create "));
    makeFolder(root_.catalogData(), QStringLiteral("Cannot create "));
    makeFolder(showFolder, QStringLiteral("Cannot create Special Data Folder"));
    makeFolder(showFolder + QStringLiteral("/indexs"), QStringLiteral("Cannot create "));

    if (!show_)
        show_ = openTable(TableSchemas::Show(), root_.tableFile(TableSchemas::Show()), false);
    show_->copyStructureTo(file.toStdString());
    show_.reset();

    tzDbf1_.reset();
    try {
        tzDbf1_ = openTable(TableSchemas::TzDbf1(), file);
    } catch (...) {
        QFile::remove(file);
        throw;
    }
    showNumber_ = number;
    QString date = dateText;
    showDateText_ = date.replace(u'/', u'-');
    maxLinkCodes_ = {};
    WriteLastShow(file);
}

bool Tdmod::OpenShowFile(const QString& path)
{
    if (!CheckShowFileVersion(path))
        return false;
    const int number = ShowNumberFromFileName(path);
    OpenShowDates();
    const auto showRecord =
        showDates_->seekRecord("SHOWNUM", TextRules::RightAligned(number, 5).toStdString());
    if (!showRecord) {
        inform(QStringLiteral("This file does not contain a valid Show #.  Please try again."));
        return false;
    }
    const QString dateText =
        RecordValues::dateText(showDates_->record(*showRecord).date("show_date"));
    tzDbf1_.reset();
    tzDbf1_ = openTable(TableSchemas::TzDbf1(), path);
    showNumber_ = number;
    showDateText_ = dateText;
    WriteLastShow(path);
    RefreshMaxLinkCodes();
    return true;
}

bool Tdmod::OpenExistingShow()
{
    while (true) {
        FileChoice choice;
        choice.title = QStringLiteral("NUR Show Databases");
        choice.filter = QStringLiteral("Show Databases  (*.dbf)");
        choice.defaultSuffix = QStringLiteral("dbf");
        choice.folder = root_.shows();
        const QString last = ReadLastShow();
        if (last != Preferences::kUnknown)
            choice.fileName = QDir::fromNativeSeparators(last);
        const auto path = messages_.openFile(choice);
        if (!path)
            return false;
        if (!CheckShowFileVersion(*path))
            return false;
        if (OpenShowFile(*path))
            return true;
    }
}

void Tdmod::CloseShow()
{
    tzDbf1_.reset();
}
