#pragma once

#include "storage/ClassCodes.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class Tdmod;

// A class a catalog window offers for one section: a class of the class table
// with rows in the catalog, in catalog order.
struct CatalogClass {
    QString name;
    QString sortKey;
    QString catGroup; // upper case
    QString classKey;
};

// The classes of a section with entries in the built catalog.
std::vector<CatalogClass> catalogClasses(Tdmod& data, ClassCodes::Section section);

// One part of a catalog in the order it prints; the booklet, the full page and
// the preview lay the same parts out each in their own way.
struct CatalogPart {
    enum class Kind {
        GroupHeading, // text; the first of the run begins the first page
        GroupBreak,   // between two groups: a page break or blank lines
        ClassTitle,   // text (the class name)
        JudgeLine,    // text
        LinkHeading,  // text: "Brace Group A"
        Entry,        // row; scores in results mode
        Placements,   // blocks
        Footer,       // lines of a group (with the trials' weekday lines)
    };
    struct Block {
        QString weekdayLine; // "Saturday:" in a show of several trials, else empty
        QString placeLine;
        QString scoreLine; // may be empty
    };

    Kind kind;
    QString text;
    QString linkCode;      // of a link heading: the preview leaves out one without a code
    std::uint32_t row = 0; // the catalog record of an entry
    // Only the first member of a link group gets the per-trial score columns.
    bool firstOfLinkGroup = true;
    // Results mode: the entry's score text per trial, empty when none.
    std::array<QString, ClassCodes::maxTrials> scores{};
    std::vector<Block> blocks;
    QStringList lines;
};

// The days and texts of the open show a catalog prints.
struct CatalogShow {
    int trials = 1;
    std::array<QString, ClassCodes::maxTrials> weekdays{}; // "Saturday"
    QString clubName;
    QString dateText; // one trial: "Saturday  -  April 10, 2027"; several: ShowDatesText
};
CatalogShow catalogShow(Tdmod& data);

struct CatalogRun {
    ClassCodes::Section section = ClassCodes::Section::Obedience;
    std::vector<CatalogClass> classes; // the ticked classes, in list order
    bool results = false;
    // The preview gives a group's footer once for each trial with a row of
    // either section; the printed catalogs for each trial with a row of this one.
    bool footersForEitherSection = false;
};

// The parts of a catalog of the chosen classes of one section, its rows in
// the section's catalog order. In results mode the placings of each class
// are collected in the placings work table and printed in place of the blank
// lines when they exist.
std::vector<CatalogPart> catalogSequence(Tdmod& data, const CatalogRun& run);

// The place and score lines of a block offering `places` places (1 to 4).
QString placeLine(int places);
QString scoreLine(int places);
