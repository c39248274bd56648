#pragma once

#include "print/Printable.h"

#include <optional>

class Messages;
class QWidget;

// Every window's "Print": the standard print dialog over a printer set up for
// the printout (its paper, its resolution, its name as the job's), then the
// printout on the chosen printer. A printer that would not print is told
// through `messages`. Nothing when the secretary cancelled the dialog.
// `pageCount` above 0 lets the secretary choose pages from 1 to it.
std::optional<PrintOutcome> printOnChosenPrinter(const Printable& printout, Messages& messages,
                                                 QWidget* parent, int pageCount = 0);
