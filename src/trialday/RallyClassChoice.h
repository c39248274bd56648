#pragma once

#include <QList>
#include <QString>

class Tdmod;

// What the two rally printing windows (score-box sheets and judge's book)
// offer: a tab per trial of the open show and, on a trial's tab, the rally
// classes it offers.
namespace RallyClassChoice
{

struct TrialTab {
    int trial = 1;
    bool offersRally = false;
    // "Trial 1 - Sat  03/05/2005" or "Trial 2 **NO RALLY**".
    QString caption;
};

struct RallyClass {
    QString key;  // "RRNA"
    QString name; // "Rally Novice A"
};

// One tab for each trial of the open show.
QList<TrialTab> trialTabs(Tdmod& data);

// The classes of the class table offered in the trial: for each rally
// offered flag of the trial that is set, in their order in the show dates
// record, the class-table records carrying that offered code, in record
// order. None when the trial offers no rally.
QList<RallyClass> classesOffered(Tdmod& data, int trial);

} // namespace RallyClassChoice
