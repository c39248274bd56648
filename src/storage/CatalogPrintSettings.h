#pragma once

enum class CatalogLayout { Booklet, FullPage };

// The print options of one catalog layout, remembered between runs.
struct CatalogPrintSettings {
    // Choices of the catalog print window's radio groups.
    int clubName = 0;
    int showDate = 0;
    int eachPage = 0;
    // Page breaks.
    bool classBreaks = false;
    bool catBreak = true;
    // Blank lines between the catalog's parts.
    int classLines = 1;
    int catLines = 2;
    int footerLines = 1;
    int placeLines = 1;
    int entryLines = 1;
    bool bold = true;
    bool caps = false;
    // Whether the secretary wants these options kept for next time.
    bool save = true;

    bool operator==(const CatalogPrintSettings&) const = default;
};
