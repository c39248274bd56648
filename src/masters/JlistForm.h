#pragma once

#include "ui/PlainListingWindow.h"

// "List of Judges": the judges' address list in the plain listing window,
// closed with "Done"; after printing it says whether everything went to the
// printer.
class TJlistForm : public PlainListingWindow
{
    Q_OBJECT
public:
    TJlistForm(const QStringList& lines, Messages& messages, QWidget* parent = nullptr);

protected:
    void printed(const PrintOutcome& outcome) override;
};
