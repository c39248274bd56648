#pragma once

#include "storage/Result.h"

#include <QString>

#include <vector>

class Tdmod;

// The exhibitor index: every owner with entries in the open show, with the
// co-owner, address, breed, optionally the phone, and the armband numbers of
// the exhibitor's entries.
namespace ExhibitorIndex
{

enum class Sections { All, ObedienceOnly, RallyOnly };
enum class Separation {
    Letters,   // "-- A --" before the A names
    BlankLine, // a blank line between the letters
    None,
};

// The choices of the index windows; none is stored.
struct Options {
    bool armbands = true;
    bool boldNames = false;
    bool capitals = false;
    QString startPage = QStringLiteral("1");
    bool startOnRight = false; // the booklet's
    bool clubName = false;
    bool showDate = false;
    bool eachPage = false; // the club's lines at the top of each page, not the first only
    bool phones = false;   // the full page's
    Sections sections = Sections::All;
    bool shortNames = false;
    Separation separation = Separation::Letters;
};

struct Exhibitor {
    // Last name, ", ", first name and, when the dog has one, ", " and the
    // co-owner: what makes an exhibitor.
    QString key;
    // The address and the breed in brackets, of the exhibitor's first
    // entry; empty when its owner is not in the owners table.
    QString address;
    QString entries; // "Entries:  101, 104"
};

// What an index shows besides its exhibitors.
struct Index {
    QString clubName;
    QString dateText; // ShowDatesText, for any number of trials
    std::vector<Exhibitor> exhibitors;
};

// The exhibitors of the open show that pass the section choice, deleted
// entries left out, ordered by their key (as capitals, then as typed), so
// that every entry of one owner and co-owner is found under one line. Only
// reads the tables. A section the show does not offer gives its message.
Result<Index> read(Tdmod& data, const Options& options);

// The exhibitor's details as one text: the address and, with armband
// numbers, three blanks and the entries.
QString details(const Exhibitor& exhibitor, const Options& options);

// The key as printed: in capitals when chosen.
QString name(const Exhibitor& exhibitor, const Options& options);

} // namespace ExhibitorIndex
