#include "CatalogShow.h"

#include "entry/SampleShow.h"
#include "preparation/ArmbandNumbering.h"
#include "preparation/JudgeAssignments.h"
#include "storage/DataModule.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

#include <tuple>

void makeCatalogShow(Tdmod& data, int entries)
{
    const auto made = SampleShow::make(data, {entries, entries, 7});
    ASSERT_TRUE(made) << made.message().toStdString();
    ASSERT_TRUE(ArmbandNumbering::assign(*data.TzDbf1(), {"NAME"}));
    data.OpenJudges();
    dbf::Table& judges = *data.Judges();
    for (const auto& [number, first, last] :
         {std::tuple{"00901", "Ann", "Whitcombe"}, std::tuple{"00902", "Victor", "Halloran"}}) {
        judges.append();
        judges.setText("judgenum", number);
        judges.setText("first", first);
        judges.setText("last", last);
        judges.post();
    }
    JudgeAssignments assignments(data);
    for (int trial = 1; trial <= 2; ++trial) {
        QStringList keys;
        for (const auto& offered : assignments.offeredClasses(trial))
            keys << offered.classKey.trimmed();
        assignments.setClasses(trial, trial == 1 ? "00901" : "00902", keys);
    }
    ASSERT_TRUE(data.preferences().writeMany(
        {{QStringLiteral("ClubInfo"), QStringLiteral("ClubName"),
          QStringLiteral("Riverbend Dog Training Club")},
         {QStringLiteral("SecretaryInfo"), QStringLiteral("Name"), QStringLiteral("Jo Marsh")}}));
}
