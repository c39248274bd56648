#pragma once

#include "print/RecordSource.h"

#include <QHash>
#include <QString>

class ReportContext;
class Tdmod;

// The texts the rally sheets print beside their rows, looked up once before
// the layout (the lookups tell of unknown keys, and a report's bands only
// read): the club, and per trial its date and event number, per class of a
// trial its judge and name.
struct RallyReportTexts {
    QString clubName;
    QHash<QString, QString> dates;        // by trial: "Saturday, March 5th, 2005"
    QHash<QString, QString> eventNumbers; // by trial: the rally event number
    QHash<QString, QString> judges;       // by trial + class key
    QHash<QString, QString> classNames;   // by trial + class key

    // Looks up the texts of every trial and class the rows hold.
    static RallyReportTexts lookUp(Tdmod& data, const RecordSource& rows);

    // The texts of the row a band prints.
    QString date(const ReportContext& c) const;
    QString eventNumber(const ReportContext& c) const;
    QString judge(const ReportContext& c) const;
    QString className(const ReportContext& c) const;
};

// The armband a row prints: a filler row's prints as one blank.
QString printedArmband(const ReportContext& c);
