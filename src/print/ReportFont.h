#pragma once

#include <QString>

// A font as a report declares it; the painter turns it into a device font, so
// the laid-out pages stay free of any device.
struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;

    static ReportFont arial(double pointSize, bool bold = false)
    {
        return {QStringLiteral("Arial"), pointSize, bold};
    }
    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};
