#pragma once

#include <QString>

#include <vector>

// The orders of the Judges table as the judges windows and the command line
// name them: the command-line word, the index tag, the Index menu caption,
// the name the status bar gives it, and the name Find asks for.
struct JudgeOrder {
    QString option;     // "name", "state", "judgnum"
    QString tag;        // "NAME", "STATE", "JUDGNUM"
    QString menuText;   // "Last Name", "State", "Pgm Judge #"
    QString statusName; // "Last Name", "State", "Judge #"
    QString findName;   // "Last Name", "State Code", nothing
};

namespace JudgeOrders
{

const std::vector<JudgeOrder>& all();
const JudgeOrder& byName();
const JudgeOrder& byState();
const JudgeOrder& byNumber();
// The order of a command-line word or of a tag, without regard to case;
// nullptr when there is none.
const JudgeOrder* find(const QString& optionOrTag);

} // namespace JudgeOrders
