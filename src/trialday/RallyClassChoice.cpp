#include "trialday/RallyClassChoice.h"

#include "storage/ClassCodes.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include <QLocale>

#include <algorithm>

namespace RallyClassChoice
{

QList<TrialTab> trialTabs(Tdmod& data)
{
    QList<TrialTab> tabs;
    const auto record = data.showDatesRecord();
    if (!record)
        return tabs;
    const int trials = std::clamp(int(record->number("num_trials")), 1, ClassCodes::maxTrials);
    for (int trial = 1; trial <= trials; ++trial) {
        TrialTab tab{trial, data.TrialHasRally(trial), {}};
        const QString number = QStringLiteral("Trial ") + QString::number(trial);
        if (tab.offersRally) {
            const QDate date = RecordValues::date(*record, "t" + std::to_string(trial) + "_date");
            tab.caption = number + QStringLiteral(" - ") +
                          QLocale(QLocale::English).toString(date, QStringLiteral("ddd")).left(3) +
                          QStringLiteral("  ") + data.TrialDateText(trial);
        } else {
            tab.caption = number + QStringLiteral(" **NO RALLY**");
        }
        tabs << tab;
    }
    return tabs;
}

QList<RallyClass> classesOffered(Tdmod& data, int trial)
{
    QList<RallyClass> classes;
    const auto record = data.showDatesRecord();
    if (!record || !data.TrialHasRally(trial))
        return classes;
    data.OpenClasses();
    const dbf::Table& table = *data.ShowClasses();
    for (QStringView code : ClassCodes::rallyOfferedCodes) {
        const QString flag = QStringLiteral("t") + QString::number(trial) + code.toString();
        if (!record->logical(flag.toStdString()))
            continue;
        const QString selkey = code.toString().toUpper();
        for (std::uint32_t recno = 1; recno <= table.recordCount(); ++recno) {
            const dbf::RecordView cls = table.record(recno);
            if (RecordValues::text(cls, "selkey").trimmed() != selkey)
                continue;
            const QString key = RecordValues::text(cls, "db_key").trimmed();
            const QString name =
                data.ClassNameForField(ClassCodes::entryFlagName(key, trial)).trimmed();
            classes << RallyClass{key, name};
        }
    }
    return classes;
}

} // namespace RallyClassChoice
