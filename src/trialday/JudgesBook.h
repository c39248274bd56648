#pragma once

#include "print/ReportDefinition.h"
#include "print/ReportPage.h"
#include "print/ReportRow.h"
#include "storage/Result.h"
#include "trialday/RallyReportTexts.h"

#include <QStringList>

#include <array>
#include <memory>
#include <span>

class RallyWorkTable;
class Tdmod;

// The rally judge's book: per class of one trial a page set of ruled rows,
// one per dog with its armband and breed and cells for the time, the points
// lost and the final score (filled from the results when wanted), padded so
// that the last page fills, and at the class's foot the boxes for the first
// four places, the start and finish times and the judge's signature.
//
// The steps are separate so that a window that has one class loaded (the
// rally scoring window) prints that class's book the same way:
//   PrepareJudgesBook(); setTrial(t); setResultsWanted(true);
//   int n = 0; FillJudgesBookClass(key, n); PadJudgesBookClass(n, key, t);
//   PrintJudgesBook();
class JudgesBook
{
public:
    static inline const QString kTitle = QStringLiteral("RALLY JUDGE'S BOOK");
    static inline const QString kWindowCaption = QStringLiteral("Print Rally Judge's Book");

    explicit JudgesBook(Tdmod& data);
    ~JudgesBook();
    JudgesBook(const JudgesBook&) = delete;
    JudgesBook& operator=(const JudgesBook&) = delete;

    void setTrial(int trial) { trial_ = trial; }
    int trial() const { return trial_; }
    // With results: each dog's time, points, score and place from the show's
    // results, where the show has them.
    void setResultsWanted(bool wanted) { resultsWanted_ = wanted; }

    // Takes the rally work table for this book and empties it.
    void PrepareJudgesBook();
    // Appends the dogs of the class in the current trial and adds their
    // number to `count`. Refused ("There are no Entries!") for a show
    // without entries.
    Done FillJudgesBookClass(const QString& classKey, int& count);
    // Appends the empty rows that fill the class's last page.
    void PadJudgesBookClass(int count, const QString& classKey, int trial);
    // Lays out the book from the work table, then lets go of the table.
    ReportPages PrintJudgesBook();

    // The book declared over rows of the rally work table.
    static Report report(std::shared_ptr<const RecordSource> rows, const RallyReportTexts& texts);
    // The armbands of places 1 to 4 among a class's rows, trimmed; empty for
    // a place nobody has.
    static std::array<QString, 4> placeArmbands(std::span<const ReportRow> rows);

private:
    Tdmod& data_;
    std::unique_ptr<RallyWorkTable> work_;
    int trial_ = 1;
    bool resultsWanted_ = false;
};

// "Preview && Print" of the judge's book window: the classes chosen, in
// their order, of one trial. Refused, with the message why, when no class is
// chosen or the show has no entries.
Result<ReportPages> printJudgesBook(Tdmod& data, int trial, const QStringList& classKeys,
                                    bool results);
