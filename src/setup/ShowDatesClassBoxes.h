#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The 19 "classes offered" boxes of one trial in the show dates window, in the
// order they stand on its tab: the obedience offered flags, then the rally ones,
// each in the order of its flag in the show dates record.
namespace ShowDatesClassBoxes
{

inline constexpr int kCount = 19;
// Boxes before this one are obedience classes; from it on, rally.
inline constexpr int kFirstRallyBox = 13;

// The offered code of box `box` (0-based): "or", "opn", ... "rctm".
QStringView offeredCode(int box);
// The caption beside box `box`: "Obedience (All Regular)", "Pre-Novice", ...
QString caption(int box);
// The offered flag of box `box` in trial `trial`: "t2opn".
QString offeredFlag(int trial, int box);
// The box of an offered code, matched without regard to case; nothing when the
// code is none of ours.
std::optional<int> boxOf(QStringView offeredCode);

} // namespace ShowDatesClassBoxes
