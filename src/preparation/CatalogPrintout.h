#pragma once

#include "preparation/CatalogContent.h"
#include "print/Printable.h"
#include "storage/CatalogPrintSettings.h"

class Preferences;

// The options of one run of the booklet or the full-page catalog: the stored
// settings and those chosen afresh each time the window opens.
struct CatalogPageOptions {
    CatalogLayout layout = CatalogLayout::Booklet;
    CatalogPrintSettings settings;
    int startPage = 1;
    bool pageNumbers = true;
    bool startOnRight = false; // the booklet's first page on the right half of the sheet
};

// What "&Restore Defaults" puts back, which is not what a missing setting
// reads as: no blank lines between footer lines, placing lines and entries.
CatalogPrintSettings restoredCatalogSettings();

// The stored settings of a layout as the window shows them: each choice of a
// radio group "No"/"Yes" or "First Page"/"Each Page", each number of blank
// lines from 0 to 10.
CatalogPrintSettings storedCatalogSettings(const Preferences& preferences, CatalogLayout layout);

// The booklet (two 5 1/2" x 8 1/2" pages side by side on landscape Letter)
// or the full-page catalog (portrait Letter), drawn line by line on the
// printer's canvas: groups, class titles with "  (Cont.)" on the pages a
// class runs onto, judge lines, link groups, entries, placement blocks and
// footers, with the club's lines and page numbers.
class CatalogPrintout : public Printable
{
public:
    CatalogPrintout(CatalogContent content, CatalogPageOptions options);

    QString title() const override;
    QPageLayout pageLayout() const override;

    const CatalogContent& content() const { return content_; }
    const CatalogPageOptions& options() const { return options_; }

protected:
    PrintOutcome paint(QPagedPaintDevice& device,
                       const std::function<bool()>& aborted) const override;

private:
    CatalogContent content_;
    CatalogPageOptions options_;
};
