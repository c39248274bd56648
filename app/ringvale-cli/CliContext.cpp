#include "CliContext.h"

#include "storage/DataRoot.h"

#include <QRegularExpression>

#include <algorithm>

bool CliContext::lockRoot()
{
    Result<DataRootLock> taken = DataRootLock::take(dataRoot);
    if (!taken) {
        messages.error(taken.message());
        return false;
    }
    lock.emplace(std::move(taken.value()));
    return true;
}

bool CliContext::takeRootForWriting()
{
    if (!lockRoot())
        return false;
    QStringList damaged;
    DataRoot(dataRoot).layOut(&damaged);
    for (const QString& fault : damaged)
        messages.inform(fault);
    return true;
}

std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& flag)
{
    const auto it = std::find(args.begin(), args.end(), flag);
    if (it == args.end())
        return std::nullopt;
    if (it + 1 == args.end())
        throw UsageError(flag + " needs a value");
    std::string value = *(it + 1);
    args.erase(it, it + 2);
    return value;
}

bool takeFlag(std::vector<std::string>& args, const std::string& flag)
{
    const auto it = std::find(args.begin(), args.end(), flag);
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}

int wholeNumber(const std::string& option, const std::string& text, int lowest, int highest)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    const QString given = QString::fromStdString(text);
    const bool isNumber = digits.match(given).hasMatch();
    const int value = isNumber ? given.toInt() : 0;
    if (!isNumber || value < lowest || value > highest)
        throw UsageError(option + ": " + text + " is not a whole number from " +
                         std::to_string(lowest) + " to " + std::to_string(highest));
    return value;
}

QDate calendarDate(const std::string& option, const std::string& text)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    const QString given = QString::fromStdString(text);
    const QDate date = shape.match(given).hasMatch()
                           ? QDate::fromString(given, QStringLiteral("yyyy-MM-dd"))
                           : QDate();
    if (!date.isValid())
        throw UsageError(option + ": " + text + " is not a calendar date YYYY-MM-DD");
    return date;
}
