#include "print/PrintJobs.h"

#include "masters/JudgeLabels.h"
#include "masters/JudgeOrders.h"
#include "masters/JudgesList.h"
#include "masters/OwnerLabels.h"
#include "masters/OwnerListing.h"
#include "masters/OwnerRules.h"
#include "storage/DataModule.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

#include <QStringList>

// The printouts of the owners and the judges, as the command line asks for them.

namespace
{

using Printout = PrintJob::Printout;

// Judge numbers have five digits.
constexpr int kHighestJudgeNumber = 99999;

template <typename T> Result<PrintJob::Make> failed(const Result<T>& result)
{
    return Result<PrintJob::Make>::failure(result.message());
}

Result<PrintJob::Make> refused(const QString& message)
{
    return Result<PrintJob::Make>::failure(message);
}

Result<PrintJob::Make> ownersList(const PrintOptions& options)
{
    const QString name = options.value("--order", QStringLiteral("name"));
    const MasterOrder* order = OwnerRules::orderNamed(name);
    if (!order || name.isEmpty())
        return refused("print owners-list: unknown order " + name +
                       " (name, zip, emailsrt, ownerid or input)");
    const std::string tag = order->tag.toStdString();
    return PrintJob::Make([tag](Tdmod& data) -> Result<Printout> {
        data.OpenOwners();
        dbf::Table& owners = *data.Owners();
        owners.setOrder(tag);
        return Printout(std::make_unique<RichListing>(ownerListing(owners)));
    });
}

Result<PrintJob::Make> ownersLabels(const PrintOptions& options)
{
    const QString modeName = options.value("--mode", QStringLiteral("all"));
    if (modeName != u"all" && modeName != u"snail-mail")
        return refused("print owners-labels: unknown mode " + modeName + " (all or snail-mail)");
    const OwnerLabelMode mode =
        modeName == u"all" ? OwnerLabelMode::All : OwnerLabelMode::SnailMail;
    const Result<LabelPosition> start = options.labelStart(OwnerLabels::stock());
    if (!start)
        return failed(start);
    return PrintJob::Make([mode, start = *start](Tdmod& data) -> Result<Printout> {
        data.OpenOwners();
        return Printout(
            std::make_unique<LabelRun>(OwnerLabels::labels(*data.Owners(), mode, start)));
    });
}

// The Judges table's order the --order option names, one of `allowed`.
Result<QString> judgesOrder(const PrintOptions& options, const std::string& job,
                            const QStringList& allowed)
{
    const QString name = options.value("--order", QStringLiteral("name"));
    const JudgeOrder* order = JudgeOrders::find(name);
    if (!order || !allowed.contains(order->option))
        return Result<QString>::failure(QString::fromStdString("print " + job) +
                                        ": unknown order " + name + " (" +
                                        allowed.join(QStringLiteral(", ")) + ")");
    return order->tag;
}

Result<PrintJob::Make> judgesList(const PrintOptions& options)
{
    const Result<QString> tag = judgesOrder(options, "judges-list", {"name", "state", "judgnum"});
    if (!tag)
        return failed(tag);
    return PrintJob::Make([tag = *tag](Tdmod& data) -> Result<Printout> {
        data.OpenJudges();
        dbf::Table& judges = *data.Judges();
        judges.setOrder(tag.toStdString());
        return Printout(
            std::make_unique<CanvasListing>(JudgesList::listing(JudgesList::lines(judges))));
    });
}

// The judges of the numbers in --judges, or every judge for "all" (an empty
// list); each number a whole number.
Result<QList<int>> judgeNumbers(const PrintOptions& options)
{
    const QString chosen = options.value("--judges", QStringLiteral("all"));
    QList<int> numbers;
    if (chosen == u"all")
        return numbers;
    for (const QString& part : chosen.split(u',')) {
        const Result<int> number =
            PrintOptions::wholeNumber("--judges", part, 1, kHighestJudgeNumber);
        if (!number)
            return Result<QList<int>>::failure(number.message());
        numbers << *number;
    }
    return numbers;
}

Result<PrintJob::Make> judgesLabels(const PrintOptions& options)
{
    const Result<QString> tag = judgesOrder(options, "judges-labels", {"name", "state"});
    if (!tag)
        return failed(tag);
    const Result<QList<int>> numbers = judgeNumbers(options);
    if (!numbers)
        return failed(numbers);
    const Result<LabelPosition> start = options.labelStart(JudgeLabels::stock());
    if (!start)
        return failed(start);
    return PrintJob::Make(
        [tag = *tag, numbers = *numbers, start = *start](Tdmod& data) -> Result<Printout> {
            data.OpenJudges();
            dbf::Table& judges = *data.Judges();
            judges.setOrder(tag.toStdString());
            std::set<std::uint32_t> ticked;
            if (numbers.isEmpty()) {
                for (std::uint32_t r = 1; r <= judges.recordCount(); ++r)
                    ticked.insert(r);
            } else {
                QList<int> unknown;
                ticked = JudgeLabels::recordsNumbered(judges, numbers, &unknown);
                if (!unknown.isEmpty()) {
                    QStringList names;
                    for (int number : unknown)
                        names << TextRules::ZeroPad(number, 5);
                    return Result<Printout>::failure("print judges-labels: no judge numbered " +
                                                     names.join(QStringLiteral(", ")));
                }
            }
            return Printout(
                std::make_unique<LabelRun>(JudgeLabels::labels(judges, tag, ticked, start)));
        });
}

} // namespace

std::vector<PrintJob> masterPrintJobs()
{
    const QList<PrintFormat> pdf{PrintFormat::Pdf};
    return {
        {"owners-list",
         "the owners' list of addresses, owners marked deleted left out",
         "[--order name|zip|emailsrt|ownerid|input] (--rtf FILE | --pdf FILE)",
         RichListing::offered(),
         {"--order"},
         ownersList},
        {"owners-labels",
         "owners' address labels, Avery 5160, in last-name order; snail-mail: only the owners "
         "without an e-mail address",
         "[--mode all|snail-mail] [--start-row R] [--start-col C] --pdf FILE",
         pdf,
         {"--mode", "--start-row", "--start-col"},
         ownersLabels},
        {"judges-list",
         "the judges' address list, judges marked deleted left out",
         "[--order name|state|judgnum] (--pdf FILE | --txt FILE)",
         CanvasListing::offered(),
         {"--order"},
         judgesList},
        {"judges-labels",
         "judges' address labels, Avery 5160: every judge, or the judges numbered",
         "[--order name|state] [--judges all|NUMBER,NUMBER...] [--start-row R] [--start-col C] "
         "--pdf FILE",
         pdf,
         {"--order", "--judges", "--start-row", "--start-col"},
         judgesLabels},
    };
}
