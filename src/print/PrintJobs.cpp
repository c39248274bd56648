#include "print/PrintJobs.h"

#include <QRegularExpression>

QString PrintOptions::value(const std::string& name, const QString& fallback) const
{
    const auto found = values_.find(name);
    return found == values_.end() ? fallback : QString::fromStdString(found->second);
}

Result<LabelPosition> PrintOptions::labelStart(const LabelStock& stock) const
{
    const Result<int> row = wholeNumber("--start-row", value("--start-row", "1"), 1, stock.down);
    if (!row)
        return Result<LabelPosition>::failure(row.message());
    const Result<int> column =
        wholeNumber("--start-col", value("--start-col", "1"), 1, stock.across);
    if (!column)
        return Result<LabelPosition>::failure(column.message());
    return LabelPosition{*row, *column};
}

Result<int> PrintOptions::wholeNumber(const std::string& option, const QString& text, int lowest,
                                      int highest)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    const bool isNumber = digits.match(text).hasMatch();
    const int number = isNumber ? text.toInt() : 0;
    if (!isNumber || number < lowest || number > highest)
        return Result<int>::failure(QStringLiteral("%1: %2 is not a whole number from %3 to %4")
                                        .arg(QString::fromStdString(option), text)
                                        .arg(lowest)
                                        .arg(highest));
    return number;
}

namespace PrintJobs
{

const std::vector<PrintJob>& all()
{
    static const std::vector<PrintJob> jobs = [] {
        std::vector<PrintJob> list = masterPrintJobs();
        for (PrintJob& job : setupPrintJobs())
            list.push_back(std::move(job));
        for (PrintJob& job : preparationPrintJobs())
            list.push_back(std::move(job));
        for (PrintJob& job : trialDayPrintJobs())
            list.push_back(std::move(job));
        for (PrintJob& job : reportPrintJobs())
            list.push_back(std::move(job));
        return list;
    }();
    return jobs;
}

const PrintJob* find(const std::string& name)
{
    for (const PrintJob& job : all())
        if (job.name == name)
            return &job;
    return nullptr;
}

} // namespace PrintJobs
