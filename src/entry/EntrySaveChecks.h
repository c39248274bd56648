#pragma once

#include <QString>

#include <vector>

namespace dbf
{
class RecordView;
}

// What an entry must carry for the classes it is entered in, checked when it
// is saved: an obedience jump height for Open and Utility, a rally jump height
// for Advanced and Excellent, and a link code for each brace, team or pairs
// class. The entry is stored before the checks, so a refused entry keeps what
// was typed and a second Save completes it.
namespace EntrySaveChecks
{

inline const QString kNoObedienceJumpHeight =
    QStringLiteral("You haven't chosen an Obedience Jump Height!");
inline const QString kNoRallyJumpHeight = QStringLiteral("You haven't chosen a Rally Jump Height!");

struct Problem {
    QString message;
    QString field; // the box the secretary is sent to
};

// Nothing when the entry may be completed. A missing jump height is the only
// problem told when there is one (the obedience one first); otherwise every
// missing link code is told, in class order (Brace, Team, Pairs, rally Team,
// T Challenge Team).
std::vector<Problem> problems(const dbf::RecordView& entry);

// A rally jump height is chosen when it reads as one of 4, 8, 12 or 16.
bool rallyJumpHeightChosen(const QString& stored);

} // namespace EntrySaveChecks
