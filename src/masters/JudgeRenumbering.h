#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>

class Tdmod;

// Giving a judge another program judge number ("Modify Judge Number"). The
// new number must be one to five digits, 1 to 99999, that no other judge
// holds, deleted judges included (they may be undeleted). The shows' judge
// assignments name the judge by number, so they follow him to the new one.
//
// Made from the judge's record before it is put into edit mode: the other
// judges' numbers are noted then, because walking the table during the edit
// would cancel it.
class JudgeRenumbering
{
public:
    // The judge is the current record of data.Judges().
    explicit JudgeRenumbering(Tdmod& data);

    // The judge's number when the change began, five digits as stored.
    const QString& oldNumber() const { return oldNumber_; }

    // Why a typed number cannot be the judge's number; nothing when it can.
    std::optional<QString> refusal(const QString& typed) const;

    struct Outcome {
        bool done = false;
        QString message;     // the refusal or the failure, when not done
        int assignments = 0; // assignment records that now carry the new number
    };
    // Writes the typed number into the judge's record and posts it (putting
    // the record into edit mode first when it is not), then carries the
    // number into every show's judge assignments. Every assignment table is
    // opened before anything changes, so one in use leaves all as it was.
    Outcome apply(const QString& typed);

private:
    struct Holder {
        QString name;
        bool deleted = false;
    };

    Tdmod& data_;
    std::uint32_t recno_ = 0;
    QString oldNumber_;
    QHash<int, Holder> others_; // number -> another judge who holds it
};
