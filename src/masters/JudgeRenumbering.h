#pragma once

#include "storage/Result.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class Tdmod;
namespace dbf
{
class Table;
}

// Giving a judge another program judge number ("Modify Judge Number"). The
// new number must be one to five digits, 1 to 99999, that no other judge
// holds, deleted judges included (they may be undeleted). The shows' judge
// assignments name the judge by number, so they follow him to the new one.
//
// Made from the judge's record before it is put into edit mode: the other
// judges' numbers are noted then, because walking the table during the edit
// would cancel it. The change runs in three steps so that a window can post
// the record itself: prepare() checks the number and opens every show's
// assignments, so that one in use stops the change before anything is
// written; the judge's record is posted with newNumber(); carry() rewrites
// the assignments. apply() runs all three.
class JudgeRenumbering
{
public:
    // The judge is the current record of data.Judges(), which is browsing.
    explicit JudgeRenumbering(Tdmod& data);
    ~JudgeRenumbering();
    JudgeRenumbering(const JudgeRenumbering&) = delete;
    JudgeRenumbering& operator=(const JudgeRenumbering&) = delete;

    // The judge's number when the change began, as stored.
    const QString& oldNumber() const { return oldNumber_; }

    // Why a typed number cannot be the judge's number; nothing when it can.
    std::optional<QString> refusal(const QString& typed) const;

    // Checks the typed number and opens the assignment tables the change
    // must rewrite. A failure, with the reason for the secretary, when the
    // number is refused or a table cannot be opened; nothing is changed.
    Done prepare(const QString& typed);
    // The prepared number in five digits.
    const QString& newNumber() const { return newNumber_; }

    struct Carried {
        int assignments = 0; // assignment records that now hold the new number
        QString problems;    // the shows whose assignments could not all be rewritten
    };
    // Once the judge's record is posted with newNumber(): every assignment of
    // the old number takes the new one. The tables are then let go.
    Carried carry();
    // Lets go of the prepared tables without changing them.
    void release();

    struct Outcome {
        bool done = false; // the judge's record holds the new number
        QString message;   // the refusal, the failure or the problems
        int assignments = 0;
    };
    // prepare(), then the new number written into the judge's record and
    // posted (the record is put into edit mode when it is not), then carry().
    Outcome apply(const QString& typed);

private:
    struct Holder {
        QString name;
        bool deleted = false;
    };
    struct Assignments;

    Tdmod& data_;
    std::uint32_t recno_ = 0;
    QString oldNumber_;
    QString newNumber_;
    QHash<int, Holder> others_; // number -> the other judge who holds it
    std::vector<std::unique_ptr<Assignments>> shows_;
};
