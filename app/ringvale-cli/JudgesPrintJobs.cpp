#include "PrintJobs.h"

#include "masters/JudgeLabels.h"
#include "masters/JudgeOrders.h"
#include "masters/JudgesList.h"
#include "storage/DataModule.h"
#include "storage/TextRules.h"

#include "dbf/Error.h"

#include <QStringList>

namespace
{

// Judge numbers have five digits.
constexpr int kHighestJudgeNumber = 99999;

// Puts the Judges table in the order the --order option names.
dbf::Table& judgesInOrder(Tdmod& data, const PrintRequest& request, const std::string& job,
                          const QStringList& allowed)
{
    const QString name = QString::fromStdString(request.option("--order", "name"));
    const JudgeOrder* order = JudgeOrders::find(name);
    if (!order || !allowed.contains(order->option))
        throw UsageError("print " + job + ": unknown order " + name.toStdString() + " (" +
                         allowed.join(QStringLiteral(", ")).toStdString() + ")");
    data.OpenJudges();
    dbf::Table& judges = *data.Judges();
    judges.setOrder(order->tag.toStdString());
    return judges;
}

int judgesList(Tdmod& data, const PrintRequest& request)
{
    dbf::Table& judges = judgesInOrder(data, request, "judges-list", {"name", "state", "judgnum"});
    const QStringList lines = JudgesList::lines(judges);
    if (request.format == "txt")
        requireWritten(JudgesList::saveText(lines, request.outputFile));
    else
        requireWritten(JudgesList::savePdf(lines, request.outputFile));
    return 0;
}

// Every judge for "all", else the judges of the numbers given.
std::set<std::uint32_t> chosenJudges(dbf::Table& judges, const std::string& chosen)
{
    std::set<std::uint32_t> records;
    if (chosen == "all") {
        for (std::uint32_t r = 1; r <= judges.recordCount(); ++r)
            records.insert(r);
        return records;
    }
    QList<int> numbers;
    for (const QString& part : QString::fromStdString(chosen).split(u','))
        numbers << wholeNumber("--judges", part.toStdString(), 1, kHighestJudgeNumber);
    QList<int> unknown;
    records = JudgeLabels::recordsNumbered(judges, numbers, &unknown);
    if (!unknown.isEmpty()) {
        QStringList names;
        for (int number : unknown)
            names << TextRules::ZeroPad(number, 5);
        throw dbf::Error("print judges-labels: no judge numbered " +
                         names.join(QStringLiteral(", ")).toStdString());
    }
    return records;
}

int judgesLabels(Tdmod& data, const PrintRequest& request)
{
    dbf::Table& judges = judgesInOrder(data, request, "judges-labels", {"name", "state"});
    const std::set<std::uint32_t> ticked = chosenJudges(judges, request.option("--judges", "all"));
    const LabelPosition start = request.labelStart(JudgeLabels::stock());
    LabelRecordList records =
        JudgeLabels::selection(judges, QString::fromStdString(judges.order()), ticked);
    requireWritten(JudgeLabels::savePdf(records, request.outputFile, start));
    return 0;
}

} // namespace

std::vector<PrintJob> judgesPrintJobs()
{
    return {
        {"judges-list",
         "the judges' address list, judges marked deleted left out",
         "[--order name|state|judgnum] (--pdf FILE | --txt FILE)",
         {"pdf", "txt"},
         {"--order"},
         judgesList},
        {"judges-labels",
         "judges' address labels, Avery 5160: every judge, or the judges numbered",
         "[--order name|state] [--judges all|NUMBER,NUMBER...] [--start-row R] [--start-col C] "
         "--pdf FILE",
         {"pdf"},
         {"--order", "--judges", "--start-row", "--start-col"},
         judgesLabels},
    };
}
