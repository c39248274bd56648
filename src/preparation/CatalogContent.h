#pragma once

#include "preparation/CatalogSequence.h"

#include <QString>

#include <array>
#include <vector>

class Tdmod;

// What a catalog prints, read from the tables once when a run starts: the
// show's days and texts, the parts of the catalog sequence and the words of
// every entry. The booklet, the full page and the preview lay it out without
// going back to the tables, so nothing that happens while a run shows a
// message or the print dialog can change what it prints.
struct CatalogContent {
    struct Entry {
        QString armband; // trimmed
        QString dogName; // the titled name and a period, as stored
        QString details; // as the booklet and full page print it
        QString previewDetails;
        std::array<bool, ClassCodes::maxTrials> runs{};
    };

    ClassCodes::Section section = ClassCodes::Section::Obedience;
    bool results = false;
    CatalogShow show;
    std::vector<CatalogPart> parts;
    // The words of the entry of each Entry part, by the part's index.
    std::vector<Entry> entries;

    const Entry& entryOf(std::size_t partIndex) const { return entries.at(partIndex); }

    // Runs the catalog sequence of the chosen classes over the built catalog
    // (its lookups' messages show as it goes) and reads the entries' words.
    static CatalogContent read(Tdmod& data, const CatalogRun& run);
};
