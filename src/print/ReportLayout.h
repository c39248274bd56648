#pragma once

#include "print/ReportDefinition.h"
#include "print/ReportPage.h"

// Lays a report out on pages without painting anything, so the pages can be
// checked in tests and painted on any device afterwards. Rows are read once;
// page numbers and page counts are filled in after the last page is known.
class ReportLayout
{
public:
    // Throws dbf::Error when the declaration names a field or group that
    // does not exist.
    static ReportPages layout(const Report& report);
};
