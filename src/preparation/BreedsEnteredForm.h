#pragma once

#include "ui/PlainListingWindow.h"

class Tdmod;

// "Breeds Entered List": the breeds entered in the open show with their
// numbers of entries, in the plain listing window; "&Save As" writes the
// lines as plain text, and after printing it says whether everything went
// to the printer.
class TBreedsEnteredForm : public PlainListingWindow
{
    Q_OBJECT
public:
    TBreedsEnteredForm(Tdmod& data, QWidget* parent = nullptr);

protected:
    void printed(const PrintOutcome& outcome) override;
};

// Opens the window modally (Reports, Catalog, "Breeds Entered Listing").
void openBreedsEnteredWindow(Tdmod& data, QWidget* parent);
