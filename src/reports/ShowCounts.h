#pragma once

#include <QList>
#include <QString>

#include <array>

class Tdmod;

// One line of the counts of a show: a class, or one of the fee figures, with
// its figure in each trial.
struct CountRow {
    QString section; // "Obedience" or "Rally"
    QString name;    // the class name as printed, or the fee row's caption
    std::array<int, 4> trials{};
};

// The counts of the open show as its reports print them and the command line
// writes them: the rows in printing order, and the show's number of trials.
// A trial the show does not hold has no figure, not a zero.
struct ShowCounts {
    int trials = 0;
    QList<CountRow> rows;

    // The figure of trial 1 to 4 as printed: empty after the show's last trial.
    QString figure(const CountRow& row, int trial) const;

    // `num_trials` of the open show, 1 to 4 (0 when its record is missing).
    static int trialsOf(Tdmod& data);
};
