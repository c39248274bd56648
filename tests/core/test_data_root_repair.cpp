#include "CliRun.h"
#include "TempDir.h"

#include "storage/DataRoot.h"
#include "storage/RecordValues.h"
#include "storage/ShippedData.h"
#include "storage/TableSchemas.h"

#include "dbf/Table.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

// Every start lays out the data root and completes what a start or a new
// show cut short left behind, without ever writing over a table with data.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

class DataRootRepair : public ::testing::Test
{
protected:
    DataRootRepair() { DataRoot(root).layOut(); }

    QString path(const QString& relative) const { return root + u'/' + relative; }

    void writeFile(const QString& relative, const QByteArray& bytes) const
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QByteArray bytes(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<dbf::Table> open(const QString& relative) const
    {
        return dbf::Table::open(path(relative).toStdString(), dbf::Table::Access::ReadOnly);
    }

    // A table file with these fields and no records, made in place.
    void makeEmptyTable(const QString& relative, const dbf::FieldList& fields) const
    {
        QFile::remove(path(relative));
        dbf::Table::create(path(relative).toStdString(), fields);
    }

    void addShowDates(int number, std::optional<QDate> firstDate, bool deleted = false) const
    {
        const auto dates = dbf::Table::open(path("userdata/shwdates25.dbf").toStdString());
        dates->append();
        dates->setNumber("show_num", number);
        dates->setNumber("num_trials", 1);
        if (firstDate)
            dates->setDate("show_date", RecordValues::toDate(*firstDate));
        dates->post();
        if (deleted)
            dates->setDeleted(true);
    }

    TempDir dir;
    const QString root = QString::fromStdString(dir.path().string());
};

} // namespace

TEST_F(DataRootRepair, TablesThatHoldNothingAreMadeAgain)
{
    const struct {
        const char* name;
        QString file;
        const TableSchema& schema;
        std::function<void(const QString&)> cutShort;
        std::uint32_t records;
    } cases[] = {
        {"a master of 0 bytes", "userdata/judges25.dbf", TableSchemas::Judges(),
         [this](const QString& f) { writeFile(f, {}); }, 0},
        {"the class table of 0 bytes", "pgmdata/nurclass26.dbf", TableSchemas::ShowClasses(),
         [this](const QString& f) { writeFile(f, {}); }, 29},
        {"the class table without records", "pgmdata/nurclass26.dbf", TableSchemas::ShowClasses(),
         [this](const QString& f) { makeEmptyTable(f, TableSchemas::ShowClasses().fields); }, 29},
        {"the catalog groupings without records", "pgmdata/catgroups.dbf",
         TableSchemas::CatGroups(),
         [this](const QString& f) { makeEmptyTable(f, TableSchemas::CatGroups().fields); }, 12},
        {"the class table missing beside a half-written temporary", "pgmdata/nurclass26.dbf",
         TableSchemas::ShowClasses(),
         [this](const QString& f) {
             QFile::remove(path(f));
             writeFile(f + ".new", "half a header");
         },
         29},
        {"the show template of 0 bytes", "pgmdata/showdb25.dbf", TableSchemas::Show(),
         [this](const QString& f) { writeFile(f, {}); }, 0},
        {"a work table of 0 bytes", "pgmdata/vobgate25.dbf", TableSchemas::TzVDbf1(),
         [this](const QString& f) { writeFile(f, {}); }, 0},
        {"a show's results of 0 bytes", "catdata/cat00007/results.dbf", TableSchemas::Results(),
         [this](const QString& f) {
             QDir().mkpath(path("catdata/cat00007"));
             writeFile(f, {});
         },
         0},
        {"an entry table of 0 bytes", "shows/Show-00007-03-01-2026.dbf", TableSchemas::Show(),
         [this](const QString& f) { writeFile(f, {}); }, 0},
    };
    for (const auto& c : cases) {
        c.cutShort(c.file);
        QStringList damaged;
        EXPECT_EQ(DataRoot(root).layOut(&damaged), QStringList{c.file}) << c.name;
        EXPECT_EQ(damaged, QStringList()) << c.name;
        const auto table = open(c.file);
        EXPECT_EQ(table->fields(), c.schema.fields) << c.name;
        EXPECT_EQ(table->recordCount(), c.records) << c.name;
        EXPECT_FALSE(QFileInfo::exists(path(c.file + ".new"))) << c.name;
        EXPECT_EQ(DataRoot(root).layOut(), QStringList()) << c.name << ": nothing left to do";
    }
}

TEST_F(DataRootRepair, ATableWithDataIsNeverWrittenOver)
{
    const QByteArray garbage(600, 'x');
    const struct {
        const char* name;
        QString file;
        bool reported; // the tables a start reads are reported; the masters are not read
    } cases[] = {
        {"the class table", "pgmdata/nurclass26.dbf", true},
        {"the catalog groupings", "pgmdata/catgroups.dbf", true},
        {"the show template", "pgmdata/showdb25.dbf", true},
        {"the show dates", "userdata/shwdates25.dbf", true},
        {"the dog master", "userdata/dogmaster2.dbf", false},
    };
    for (const auto& c : cases) {
        const QByteArray before = bytes(c.file);
        writeFile(c.file, garbage);
        QStringList damaged;
        EXPECT_EQ(DataRoot(root).layOut(&damaged), QStringList()) << c.name;
        EXPECT_EQ(bytes(c.file), garbage) << c.name << " is left as it is";
        if (c.reported) {
            ASSERT_EQ(damaged.size(), 1) << c.name;
            EXPECT_TRUE(damaged[0].contains(path(c.file))) << s(damaged[0]);
        } else {
            EXPECT_EQ(damaged, QStringList()) << c.name;
        }
        writeFile(c.file, before);
    }
}

TEST_F(DataRootRepair, AShowWithoutItsEntryTableGetsAnEmptyOne)
{
    addShowDates(3, QDate(2006, 10, 14));
    addShowDates(4, QDate(2006, 11, 4), true); // deleted: its number stays unused
    addShowDates(5, std::nullopt);             // no first date, so no file name
    addShowDates(6, QDate(2020, 1, 1));
    const QString kept = "shows/Show-00006-01-01-2020.dbf";
    makeEmptyTable(kept, TableSchemas::Show().fields);
    {
        const auto entries = dbf::Table::open(path(kept).toStdString());
        entries->append();
        entries->setText("dog", "Rex");
        entries->post();
    }
    const QByteArray keptBytes = bytes(kept);

    EXPECT_EQ(DataRoot(root).layOut(), QStringList{"shows/Show-00003-10-14-2006.dbf"});
    const auto made = open("shows/Show-00003-10-14-2006.dbf");
    EXPECT_EQ(made->fields(), TableSchemas::Show().fields);
    EXPECT_EQ(made->recordCount(), 0u);
    EXPECT_EQ(bytes(kept), keptBytes);
    EXPECT_EQ(QDir(path("shows")).entryList(QDir::Files),
              (QStringList{"Show-00003-10-14-2006.dbf", "Show-00006-01-01-2020.dbf"}));
    EXPECT_EQ(DataRoot(root).layOut(), QStringList());
}

TEST_F(DataRootRepair, WhatHoldsNoRecords)
{
    writeFile("zero.dbf", {});
    makeEmptyTable("header.dbf", TableSchemas::Breeds().fields);
    makeEmptyTable("one.dbf", TableSchemas::Breeds().fields);
    {
        const auto table = dbf::Table::open(path("one.dbf").toStdString());
        table->append();
        table->post();
    }
    writeFile("garbage.dbf", QByteArray(600, 'x'));

    EXPECT_TRUE(DataRoot::holdsNoRecords(path("zero.dbf")));
    EXPECT_TRUE(DataRoot::holdsNoRecords(path("header.dbf")));
    EXPECT_FALSE(DataRoot::holdsNoRecords(path("one.dbf")));
    EXPECT_FALSE(DataRoot::holdsNoRecords(path("garbage.dbf"))) << "it may hold data";
    EXPECT_FALSE(DataRoot::holdsNoRecords(path("missing.dbf")));
}

// A new breeds table starts with the shipped list, the alternate forms marked
// deleted; one that exists, even emptied by the secretary, is never filled.
TEST_F(DataRootRepair, BreedsStartWithTheShippedListOnlyWhenMade)
{
    const QString breeds = "userdata/nurbreeds25.dbf";
    const CliRun peer =
        runProgram("/usr/bin/python3", {RINGVALE_PEERS "read_dbfread.py", path(breeds)});
    ASSERT_EQ(peer.exitCode, 0) << s(peer.err);
    const QJsonArray records = QJsonDocument::fromJson(peer.out.toUtf8())["records"].toArray();
    EXPECT_EQ(records.size(), 130);
    QMap<QString, bool> deleted;
    for (const QJsonValue& record : records)
        deleted.insert(record["values"]["breed_name"].toString(), record["deleted"].toBool());
    EXPECT_EQ(deleted.value("Retrievers (Golden)", true), false);
    EXPECT_EQ(deleted.value("Golden Retriever", false), true);
    EXPECT_EQ(deleted.value("Akita", true), false);
    EXPECT_EQ(std::count(deleted.cbegin(), deleted.cend(), true), 15);
    {
        const auto table = open(breeds);
        ASSERT_GT(table->recordCount(), 0u);
        const dbf::RecordView first = table->record(1);
        EXPECT_EQ(first.text("breed_name"), "Afghan Hound");
        EXPECT_EQ(first.text("short_name"), "Afghan");
        EXPECT_EQ(first.text("groupname"), "Hound");
    }

    makeEmptyTable(breeds, TableSchemas::Breeds().fields);
    EXPECT_EQ(DataRoot(root).layOut(), QStringList()) << "an emptied breeds table stays empty";
    EXPECT_EQ(open(breeds)->recordCount(), 0u);

    writeFile(breeds, {});
    EXPECT_EQ(DataRoot(root).layOut(), QStringList{breeds}) << "a file cut short is made again";
    EXPECT_EQ(open(breeds)->recordCount(), 130u);
}

// The help texts reach a new root; one the secretary has (in any case of its
// name) is kept as it is, and one missing is written again.
TEST_F(DataRootRepair, HelpTextsAreWrittenWhenMissingAndNeverOver)
{
    const QStringList names = {"NurNewSec.txt",  "classkeys.rtf",    "nurbreeds.rtf",
                               "nurhowto.rtf",   "nurtranshow2.rtf", "ownerhelp.rtf",
                               "~nur26Notes.txt"};
    EXPECT_EQ(QDir(path("help")).entryList(QDir::Files, QDir::Name), names);
    for (const QString& name : names)
        EXPECT_EQ(bytes("help/" + name), ShippedData::helpFile(name)) << s(name);

    QFile::remove(path("help/NurNewSec.txt"));
    writeFile("help/nurnewsec.txt", "our own notes");
    writeFile("help/nurhowto.rtf", "{\\rtf1 edited}");
    QFile::remove(path("help/classkeys.rtf"));
    EXPECT_EQ(DataRoot(root).layOut(), QStringList{"help/classkeys.rtf"});
    EXPECT_EQ(bytes("help/nurnewsec.txt"), "our own notes");
    EXPECT_FALSE(QFileInfo::exists(path("help/NurNewSec.txt")));
    EXPECT_EQ(bytes("help/nurhowto.rtf"), "{\\rtf1 edited}");
    EXPECT_EQ(bytes("help/classkeys.rtf"), ShippedData::helpFile(u"classkeys.rtf"));
}
