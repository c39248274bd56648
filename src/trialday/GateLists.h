#pragma once

#include "print/RichListing.h"
#include "storage/ClassCodes.h"

#include <QDate>
#include <QString>

class Tdmod;

// The gate steward lists: per trial and class, the title line with the
// trial's date, the judge, the class name and a line per dog with its
// armband and breed, and on request its jump height and handler.
namespace GateLists
{

struct Options {
    bool shortBreeds = false; // "Abbreviated Breed Name"
    bool trialInTitle = true; // "Include the Trial # in Title ?"
    bool jumpHeights = false;
    bool handlers = false;
};

// "Obedience Gate Steward Lists" or "Rally Gate Steward Lists": the window's
// caption and the title printed at the head of each page.
QString title(ClassCodes::Section section);

// Whether a class's dogs jump: not in Novice (but in Graduate Novice), nor in
// Veterans, Brace or Team, by the class name.
bool takesJumpHeights(const QString& className);

// The jump-height cell of a line: ' ["16"]' style, blanks for a height not
// given, nothing for a class without jumps.
QString jumpHeightCell(const QString& storedHeight, bool classJumps);

// The line of a class's title: "Trial # 1   Saturday, March 5th, 2005", or
// the date alone.
QString titleLine(int trial, const QDate& date, bool trialInTitle);

// Fills the gate work table for the section from the open show and lists it.
RichListing build(Tdmod& data, ClassCodes::Section section, const Options& options);

} // namespace GateLists
