#include "DataRootFixture.h"

#include "masters/BreedPickList.h"
#include "masters/JudgeLabels.h"
#include "masters/JudgesList.h"
#include "masters/OwnerLabels.h"
#include "masters/OwnerListing.h"
#include "print/ReportLayout.h"
#include "setup/CatGroupListing.h"
#include "setup/ClassListingReport.h"
#include "storage/TableSchemas.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

// Lookups, listings, reports and label runs read tables that windows are
// using: a secretary may be half-way through typing a record. None of them may
// move a cursor, change an order, end an edit or touch what was typed.

namespace
{

struct TableState {
    dbf::Table::State state;
    std::string order;
    std::uint32_t recno;
    std::vector<std::string> buffer; // every field as the record buffer holds it
    bool deleted;

    static TableState of(const dbf::Table& table)
    {
        TableState s{table.state(), table.order(), table.recno(), {}, table.deleted()};
        for (const dbf::FieldDef& field : table.fields())
            s.buffer.push_back(table.raw(field.name));
        return s;
    }
    friend bool operator==(const TableState&, const TableState&) = default;
};

void fill(dbf::Table& table, int records)
{
    for (int r = 1; r <= records; ++r) {
        table.append();
        for (const dbf::FieldDef& field : table.fields()) {
            if (field.type == dbf::FieldType::Character)
                table.setText(field.name, "R" + std::to_string(r));
        }
        table.post();
    }
}

// Puts a table on its second record, in an order other than its default one,
// with an edit under way.
void busy(dbf::Table& table, const TableSchema& schema)
{
    std::string order;
    for (const dbf::TagDef& tag : schema.tags) {
        if (!dbf::sameName(tag.name, schema.defaultTag.toStdString()))
            order = tag.name;
    }
    table.setOrder(order);
    table.go(2);
    table.edit();
    for (const dbf::FieldDef& field : table.fields()) {
        if (field.type == dbf::FieldType::Character) {
            table.setText(field.name, "typed");
            break;
        }
    }
}

class ReadsLeaveTablesAlone : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fixture.addShowDates(1, QDate(2026, 12, 11), 2);
        data().CreateShowEntryTable(1, "12/11/2026");
        data().OpenJudges();
        data().OpenMail();
        data().OpenCatGroups();
        data().OpenShowJudges(1);
        data().OpenCatalog(1);
        data().OpenResults(1);
        tables = {
            {data().Dogs(), &TableSchemas::Dogs()},
            {data().Owners(), &TableSchemas::Owners()},
            {data().Judges(), &TableSchemas::Judges()},
            {data().Breeds(), &TableSchemas::Breeds()},
            {data().Mail(), &TableSchemas::Mail()},
            {data().ShowDates(), &TableSchemas::ShowDates()},
            {data().ShowClasses(), &TableSchemas::ShowClasses()},
            {data().CatGroups(), &TableSchemas::CatGroups()},
            {data().TzDbf1(), &TableSchemas::TzDbf1()},
            {data().ShwJudges(), &TableSchemas::ShwJudges()},
            {data().Catalog(), &TableSchemas::Catalog()},
            {data().Results(), &TableSchemas::Results()},
        };
        for (auto& [table, schema] : tables) {
            if (table->recordCount() < 3)
                fill(*table, 3);
        }
        entries().go(1);
        entries().edit();
        entries().setLogical("t1orna", true);
        entries().setLogical("t2rrna", true);
        entries().setText("arm", "101");
        entries().post();
        for (auto& [table, schema] : tables)
            busy(*table, *schema);
    }

    Tdmod& data() { return fixture.data(); }
    dbf::Table& entries() { return *data().TzDbf1(); }

    std::vector<TableState> states() const
    {
        std::vector<TableState> all;
        for (const auto& [table, schema] : tables)
            all.push_back(TableState::of(*table));
        return all;
    }

    void expectUntouched(const std::vector<TableState>& before, const char* what) const
    {
        const std::vector<TableState> after = states();
        for (std::size_t i = 0; i < tables.size(); ++i)
            EXPECT_TRUE(after[i] == before[i])
                << what << " changed " << tables[i].second->component.toStdString();
    }

    DataRootFixture fixture;
    std::vector<std::pair<dbf::Table*, const TableSchema*>> tables;
};

TEST_F(ReadsLeaveTablesAlone, EveryLookup)
{
    const std::vector<TableState> before = states();
    Tdmod& d = data();
    const std::vector<std::pair<const char*, std::function<void()>>> lookups = {
        {"ClassNameForField", [&] { d.ClassNameForField("t1orna"); }},
        {"SortKeyForField", [&] { d.SortKeyForField("t1orna"); }},
        {"CatGroupForKey", [&] { d.CatGroupForKey("ORNA"); }},
        {"DbKeyForSortKey", [&] { d.DbKeyForSortKey("010"); }},
        {"ClassNameForSortKey", [&] { d.ClassNameForSortKey("010"); }},
        {"Get_ObedClassName", [&] { d.Get_ObedClassName("010"); }},
        {"ClassScoring", [&] { (void)d.ClassScoring("ORNA"); }},
        {"ShowHasObedience", [&] { d.ShowHasObedience(); }},
        {"ShowHasRally", [&] { d.ShowHasRally(); }},
        {"TrialHasObedience", [&] { d.TrialHasObedience(2); }},
        {"TrialHasRally", [&] { d.TrialHasRally(1); }},
        {"TrialDateText", [&] { d.TrialDateText(2); }},
        {"EventNumber", [&] { d.EventNumber(1, u'o'); }},
        {"ShowDatesText", [&] { d.ShowDatesText(); }},
        {"DogNameForReg", [&] { d.DogNameForReg("R1"); }},
        {"OwnerNameForId", [&] { d.OwnerNameForId("R1"); }},
        {"OwnerEmail", [&] { d.OwnerEmail("R1"); }},
        {"BreedShortName", [&] { d.BreedShortName("R1"); }},
        {"NextOwnerId", [&] { (void)d.NextOwnerId(); }},
        {"NextJudgeNumber", [&] { (void)d.NextJudgeNumber(); }},
        {"DogTitledName", [&] { d.DogTitledName(1); }},
        {"JuniorIdForArmband", [&] { d.JuniorIdForArmband("101"); }},
        {"JudgeNameForClass", [&] { d.JudgeNameForClass("ORNA", 1); }},
        {"JudgeNameForSortKey", [&] { d.JudgeNameForSortKey("010", 1); }},
        {"CatGroupHeader", [&] { d.CatGroupHeader("Obedience", "NOV"); }},
        {"CatGroupFooters", [&] { (void)d.CatGroupFooters("R1"); }},
        {"LowestSortKey", [&] { d.LowestSortKey(1); }},
        {"RefreshMaxLinkCodes", [&] { d.RefreshMaxLinkCodes(); }},
        {"EnteredClassLists", [&] { (void)d.EnteredClassLists(1); }},
        {"ResultForEntry", [&] { d.ResultForEntry(1, "ORNA", "101", "R1", "", ""); }},
    };
    for (const auto& [name, lookup] : lookups) {
        lookup();
        expectUntouched(before, name);
    }
}

TEST_F(ReadsLeaveTablesAlone, EveryListingReportAndLabelRun)
{
    const std::vector<TableState> before = states();
    TempDir dir;
    const auto pdf = [&dir](const char* name) {
        return QString::fromStdString((dir / name).string());
    };
    Tdmod& d = data();
    const std::vector<std::pair<const char*, std::function<void()>>> outputs = {
        {"owner listing", [&] { ownerListing(*d.Owners()); }},
        {"owner labels",
         [&] {
             ASSERT_TRUE(OwnerLabels::labels(*d.Owners(), OwnerLabelMode::All, {1, 1})
                             .write(PrintFormat::Pdf, pdf("owners.pdf")));
         }},
        {"judges list", [&] { JudgesList::lines(*d.Judges()); }},
        {"judge labels",
         [&] {
             QList<int> unknown;
             JudgeLabels::checkList(*d.Judges(), "STATE");
             JudgeLabels::recordsNumbered(*d.Judges(), {1}, &unknown);
             ASSERT_TRUE(JudgeLabels::labels(*d.Judges(), "NAME", {1, 2}, {1, 1})
                             .write(PrintFormat::Pdf, pdf("judges.pdf")));
         }},
        {"breed pick list", [&] { breedPickList(*d.Breeds()); }},
        {"catalog grouping codes",
         [&] { CatGroupListing::lines(*d.CatGroups(), CatGroupListing::Kind::Codes); }},
        {"catalog groupings in full",
         [&] { CatGroupListing::lines(*d.CatGroups(), CatGroupListing::Kind::Full); }},
        {"class report",
         [&] { ReportLayout::layout(ClassListingReport(*d.ShowClasses(), "SECSRT").build()); }},
    };
    for (const auto& [name, output] : outputs) {
        output();
        expectUntouched(before, name);
    }
}

} // namespace
