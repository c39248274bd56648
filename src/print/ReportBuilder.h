#pragma once

#include "print/ReportDefinition.h"

// Builds one report and its data. Each printed report of the program is one
// of these in the core; the report window only asks it for the report and
// shows the pages, so a test can build the same report without a window.
class ReportBuilder
{
public:
    virtual ~ReportBuilder() = default;
    virtual Report build() = 0;
};
