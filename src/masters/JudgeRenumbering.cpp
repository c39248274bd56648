#include "masters/JudgeRenumbering.h"

#include "dbf/Error.h"
#include "dbf/Table.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <filesystem>

// One show's assignment table: opened here, or the one the data module
// already holds for the open show (a second open of it would be refused).
struct JudgeRenumbering::Assignments {
    QString showKey;
    dbf::Table* table = nullptr;
    std::unique_ptr<dbf::Table> owned;
};

namespace
{

template <typename Values> QString text(const Values& values, const char* field)
{
    return RecordValues::text(values, field).trimmed();
}

bool sameFile(const QString& path, const dbf::Table* table)
{
    std::error_code ignored;
    return table && std::filesystem::equivalent(path.toStdString(), table->path(), ignored);
}

// Rewrites the old number to the new one in every record, deleted ones too
// (they come back with their number if undeleted).
int rewrite(dbf::Table& table, int oldNumber, const QString& newNumber)
{
    int changed = 0;
    const std::uint32_t current = table.recno();
    for (std::uint32_t r = 1; r <= table.recordCount(); ++r) {
        const QString number = text(table.record(r), "judgenum");
        if (number.isEmpty() || TextRules::IdToInt(number) != oldNumber)
            continue;
        table.go(r);
        table.edit();
        table.setText("judgenum", newNumber.toStdString());
        table.post();
        ++changed;
    }
    if (current != 0)
        table.go(current);
    return changed;
}

} // namespace

JudgeRenumbering::JudgeRenumbering(Tdmod& data) : data_(data)
{
    data_.OpenJudges();
    dbf::Table& judges = *data_.Judges();
    recno_ = judges.isEmpty() ? 0 : judges.recno();
    if (recno_ == 0)
        return;
    oldNumber_ = text(judges, "judgenum");
    for (std::uint32_t r = 1; r <= judges.recordCount(); ++r) {
        if (r == recno_)
            continue;
        const dbf::RecordView judge = judges.record(r);
        const int number = TextRules::IdToInt(text(judge, "judgenum"));
        if (number > 0 && !others_.contains(number))
            others_.insert(number,
                           {text(judge, "first") + u' ' + text(judge, "last"), judge.deleted()});
    }
}

JudgeRenumbering::~JudgeRenumbering() = default;

std::optional<QString> JudgeRenumbering::refusal(const QString& typed) const
{
    if (recno_ == 0)
        return QStringLiteral("There is no judge to give a number to.");
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const QString trimmed = typed.trimmed();
    const int number = trimmed.toInt();
    if (!digits.match(trimmed).hasMatch() || number < 1)
        return "\"" + trimmed + "\" is not a judge number.;" +
               "A judge number is one to five digits, from 1 to 99999.";
    const auto holder = others_.constFind(number);
    if (holder != others_.constEnd())
        return "Judge number " + TextRules::ZeroPad(number, 5) + " is already used by " +
               holder->name + (holder->deleted ? " (marked deleted)" : "") +
               ".;Choose a number no other judge uses.";
    return std::nullopt;
}

Done JudgeRenumbering::prepare(const QString& typed)
{
    release();
    if (const auto refused = refusal(typed))
        return Done::failure(*refused);
    const int oldValue = TextRules::IdToInt(oldNumber_);
    const int newValue = typed.trimmed().toInt();
    newNumber_ = TextRules::ZeroPad(newValue, 5);
    // The assignments follow the number only when it leaves the table: were
    // another judge to hold it too, they would name that judge still.
    if (oldValue == 0 || oldValue == newValue || others_.contains(oldValue))
        return Done::success();

    static const QRegularExpression showFolder(QStringLiteral("^cat(\\d{5})$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QFileInfoList folders = QDir(data_.root().catalogData())
                                      .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    try {
        for (const QFileInfo& folder : folders) {
            const QRegularExpressionMatch match = showFolder.match(folder.fileName());
            if (!match.hasMatch())
                continue;
            const QString path =
                DataRoot::locate(folder.filePath(), TableSchemas::ShwJudges().fileName);
            if (!QFileInfo(path).isFile())
                continue;
            auto show = std::make_unique<Assignments>();
            show->showKey = match.captured(1);
            if (sameFile(path, data_.ShwJudges())) {
                show->table = data_.ShwJudges();
            } else {
                show->owned = dbf::Table::open(path.toStdString());
                show->table = show->owned.get();
            }
            shows_.push_back(std::move(show));
        }
    } catch (const dbf::Error& e) {
        release();
        return Done::failure("The judge number was not changed: the judge assignments of every "
                             "show must change with it, and one of them cannot be opened.;" +
                             QString::fromStdString(e.what()));
    }
    return Done::success();
}

JudgeRenumbering::Carried JudgeRenumbering::carry()
{
    Carried carried;
    const int oldValue = TextRules::IdToInt(oldNumber_);
    for (const auto& show : shows_) {
        try {
            carried.assignments += rewrite(*show->table, oldValue, newNumber_);
        } catch (const dbf::Error& e) {
            carried.problems += "The judge assignments of show " + show->showKey +
                                " still name judge " + TextRules::ZeroPad(oldValue, 5) + ".;" +
                                QString::fromStdString(e.what()) + ';';
        }
    }
    release();
    oldNumber_ = newNumber_;
    return carried;
}

void JudgeRenumbering::release()
{
    shows_.clear();
}

JudgeRenumbering::Outcome JudgeRenumbering::apply(const QString& typed)
{
    Outcome outcome;
    if (const Done prepared = prepare(typed); !prepared) {
        outcome.message = prepared.message();
        return outcome;
    }
    dbf::Table& judges = *data_.Judges();
    try {
        if (judges.state() == dbf::Table::State::Browse)
            judges.edit();
        judges.setText("judgenum", newNumber_.toStdString());
        judges.post();
    } catch (const dbf::Error& e) {
        release();
        outcome.message = "The judge number was not changed.;" + QString::fromStdString(e.what());
        return outcome;
    }
    outcome.done = true;
    const Carried carried = carry();
    outcome.assignments = carried.assignments;
    outcome.message = carried.problems;
    return outcome;
}
