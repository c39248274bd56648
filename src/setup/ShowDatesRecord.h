#pragma once

#include "ShowDatesClassBoxes.h"

#include "storage/ClassCodes.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace dbf
{
class Table;
}

// The part of a show dates record the show dates window edits: the show's
// number, first date and number of trials, and per trial its date, event
// numbers and offered classes. The record's other fields are left as they are.
struct ShowDatesRecord {
    struct Trial {
        std::optional<QDate> date;
        QString obedienceEvent; // t<t>_o_evnum
        QString rallyEvent;     // t<t>_r_evnum
        std::array<bool, ShowDatesClassBoxes::kCount> offered{};
        friend bool operator==(const Trial&, const Trial&) = default;
    };

    int number = 0;
    std::optional<QDate> firstDate; // show_date
    int trials = 1;                 // num_trials
    std::array<Trial, ClassCodes::maxTrials> trial;

    Trial& of(int trialNumber) { return trial.at(trialNumber - 1); }
    const Trial& of(int trialNumber) const { return trial.at(trialNumber - 1); }

    // True when a class is offered in any of the show's trials (1 to `trials`).
    bool anyClassOffered() const;

    // Reads the current record of the show dates table. A number of trials
    // outside 1 to 4 (the field holds 0 to 9) is read as the nearest of them
    // and told in `fault`, naming the show and the field.
    static ShowDatesRecord read(const dbf::Table& showDates, QString* fault = nullptr);
    // Writes into the record buffer of the show dates table; the caller posts.
    void write(dbf::Table& showDates) const;

    friend bool operator==(const ShowDatesRecord&, const ShowDatesRecord&) = default;
};

// Date boxes show dates as MM/DD/YYYY whatever the machine's locale, because
// the first date's text names the show's files (Show-00012-10-14-2006.dbf).
QString dateBoxText(const std::optional<QDate>& date);
// A date box's text read back; nothing when it is blank or no date.
std::optional<QDate> dateFromBoxText(const QString& text);
