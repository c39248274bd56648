#include "trialday/ScheduleLists.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "trialday/ArmbandRanges.h"
#include "trialday/GateLists.h"
#include "trialday/GateWorkTable.h"

#include "dbf/Table.h"

namespace ScheduleLists
{

QString title(ClassCodes::Section section)
{
    return section == ClassCodes::Section::Obedience
               ? QStringLiteral("Obedience Judging Schedule Info")
               : QStringLiteral("Rally Judging Schedule Info");
}

QString classLine(const QString& className, const QString& countText)
{
    return className.trimmed().leftJustified(30, u' ') + u'\t' + countText;
}

namespace
{

// One class of one trial as the walk collects it.
struct ClassGroup {
    int trial = 0;
    QString classKey;
    QString sortKey;
    QDate date;
    ArmbandRanges armbands;
};

} // namespace

RichListing build(Tdmod& data, ClassCodes::Section section, bool trialInTitle)
{
    GateWorkTable::FillGateWorkTable(data, section);
    const dbf::Table& gate = *data.TzVDbf1();

    RichListing listing(title(section));
    listing.setPageHeader(title(section));
    listing.setFont(QStringLiteral("Arial"), 10);
    listing.setTabStops({50, 100, 150, 200, 250});

    bool firstHeader = true;
    const auto finish = [&](const ClassGroup& group) {
        listing.addLine(QStringLiteral("  "));
        if (!firstHeader) {
            listing.addLine(QStringLiteral(" "));
            listing.addLine(QStringLiteral(" "));
        }
        firstHeader = false;
        listing.addLine(GateLists::titleLine(group.trial, group.date, trialInTitle));
        listing.addLine(QStringLiteral("Judge: ") +
                        data.JudgeNameForClass(group.classKey, group.trial));
        listing.addLine(
            classLine(data.Get_ObedClassName(group.sortKey), group.armbands.countText()));
        listing.addLine(QStringLiteral(" "));
        listing.addLine(group.armbands.numbersLine());
    };

    std::optional<ClassGroup> group;
    QString groupKey;
    for (std::uint32_t recno : gate.recordsInOrder("TrialKEY")) {
        const dbf::RecordView row = gate.record(recno);
        const QString trial = RecordValues::text(row, "trial");
        const QString sortKey = RecordValues::text(row, "srtkey");
        const QString key = trial + sortKey + RecordValues::text(row, "section");
        if (!group || key != groupKey) {
            if (group)
                finish(*group);
            groupKey = key;
            group = ClassGroup{trial.toInt(),
                               RecordValues::text(row, "db_key"),
                               sortKey,
                               RecordValues::date(row, "tdate"),
                               {}};
        }
        group->armbands.add(RecordValues::raw(row, "armband"));
    }
    if (group)
        finish(*group);
    return listing;
}

} // namespace ScheduleLists
