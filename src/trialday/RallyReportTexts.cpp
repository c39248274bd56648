#include "trialday/RallyReportTexts.h"

#include "print/ReportContext.h"
#include "storage/ClassCodes.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TextRules.h"
#include "trialday/RallyWorkTable.h"

namespace
{

QString classOf(const ReportContext& c)
{
    return c.text(QStringLiteral("trial")) + c.text(QStringLiteral("db_key")).trimmed();
}

} // namespace

RallyReportTexts RallyReportTexts::lookUp(Tdmod& data, const RecordSource& rows)
{
    RallyReportTexts texts;
    texts.clubName = data.ReadClubName();
    const auto dates = data.showDatesRecord();
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QString trial = rows.value(row, QStringLiteral("trial")).toString();
        const QString key = rows.value(row, QStringLiteral("db_key")).toString().trimmed();
        const int trialNumber = trial.toInt();
        if (!texts.dates.contains(trial) && trialNumber >= 1 &&
            trialNumber <= ClassCodes::maxTrials) {
            const QDate date =
                dates ? RecordValues::date(*dates, "t" + std::to_string(trialNumber) + "_date")
                      : QDate();
            texts.dates.insert(trial, TextRules::FullDateText(date));
            texts.eventNumbers.insert(trial, data.EventNumber(trialNumber, u'r'));
        }
        const QString cls = trial + key;
        if (texts.judges.contains(cls))
            continue;
        texts.judges.insert(cls, data.JudgeNameForClass(key, trialNumber));
        texts.classNames.insert(
            cls, data.ClassNameForField(ClassCodes::entryFlagName(key, trialNumber)).trimmed());
    }
    return texts;
}

QString RallyReportTexts::date(const ReportContext& c) const
{
    return dates.value(c.text(QStringLiteral("trial")));
}

QString RallyReportTexts::eventNumber(const ReportContext& c) const
{
    return eventNumbers.value(c.text(QStringLiteral("trial")));
}

QString RallyReportTexts::judge(const ReportContext& c) const
{
    return judges.value(classOf(c));
}

QString RallyReportTexts::className(const ReportContext& c) const
{
    return classNames.value(classOf(c));
}

QString printedArmband(const ReportContext& c)
{
    const QString armband = c.text(QStringLiteral("armband"));
    return armband == RallyWorkTable::kFillerArmband ? QStringLiteral(" ") : armband;
}
