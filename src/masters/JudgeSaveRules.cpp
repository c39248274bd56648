#include "masters/JudgeSaveRules.h"

#include "masters/JudgeRenumbering.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include <algorithm>

namespace
{

constexpr const char* kPhoneFields[] = {"phone", "workphone", "fax"};

bool holdsDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

JudgeSaveRules::JudgeSaveRules(Tdmod& data) : data_(data) {}

JudgeSaveRules::~JudgeSaveRules() = default;

Done JudgeSaveRules::startRecord(dbf::Table& judges)
{
    const Result<QString> number = data_.NextJudgeNumber();
    if (!number)
        return Done::failure(number.message());
    judges.setText("judgenum", number->toStdString());
    return Done::success();
}

Done JudgeSaveRules::prepareSave(dbf::Table& judges)
{
    QString number = RecordValues::text(judges, "judgenum");
    if (renumbering_) {
        if (const Done prepared = renumbering_->prepare(number); !prepared)
            return prepared;
        number = renumbering_->newNumber();
    } else {
        number = TextRules::ZeroPad(TextRules::IdToInt(number), 5);
    }
    judges.setText("judgenum", number.toStdString());
    for (const char* field : kPhoneFields) {
        if (!holdsDigit(RecordValues::text(judges, field)))
            judges.setText(field, "");
    }
    return Done::success();
}

Done JudgeSaveRules::afterSave(dbf::Table&)
{
    if (!renumbering_)
        return Done::success();
    const JudgeRenumbering::Carried carried = renumbering_->carry();
    renumbering_.reset();
    return carried.problems.isEmpty() ? Done::success() : Done::failure(carried.problems);
}

void JudgeSaveRules::afterCancel()
{
    renumbering_.reset();
}

void JudgeSaveRules::beginRenumbering()
{
    renumbering_ = std::make_unique<JudgeRenumbering>(data_);
}
