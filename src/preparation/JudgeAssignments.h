#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Tdmod;

// The judges of each trial of the open show and the classes each judges, kept
// in the show's judge-assignment table. One record per trial, judge and class;
// a judge with no class yet keeps a record with an empty class, which no
// reader of class assignments ever matches, so the judge stays listed.
class JudgeAssignments
{
public:
    struct Judge {
        QString number; // five digits
        QString name;   // "Last, First", as the lists show it
        friend bool operator==(const Judge&, const Judge&) = default;
    };
    struct OfferedClass {
        QString line;     // the section as stored, five blanks, the class name
        QString classKey; // as in the class table
    };

    // Opens the show's assignments, the judges and the class table.
    explicit JudgeAssignments(Tdmod& data);

    // The judges of a trial, each once, in the order of their records.
    std::vector<Judge> judgesOf(int trial) const;
    // A judge's classes in a trial as the window lists them: the section as
    // stored, five blanks and the class name; empty when the judge has none.
    QStringList classLinesOf(int trial, const QString& judgeNumber) const;
    // The class keys of a judge's classes in a trial.
    QStringList classKeysOf(int trial, const QString& judgeNumber) const;
    // The classes the show offers in a trial, in class-table order.
    std::vector<OfferedClass> offeredClasses(int trial) const;
    // Every judge not marked deleted, in name order.
    std::vector<Judge> judgesToPick() const;

    // A judge joins a trial with no class.
    void addJudge(int trial, const QString& judgeNumber);
    // The old judge's records of the trial go to the new judge; how many.
    int replaceJudge(int trial, const QString& oldNumber, const QString& newNumber);
    // The judge and every class of the judge leave the trial.
    void removeJudge(int trial, const QString& judgeNumber);
    // The judge judges exactly these classes in the trial (none keeps the
    // judge listed). A key the class table does not know is passed over.
    void setClasses(int trial, const QString& judgeNumber, const QStringList& classKeys);

private:
    // Deletes the trial's records of a judge and packs them away.
    void dropRecordsOf(int trial, const QString& judgeNumber);
    bool appendRecord(int trial, const QString& judgeNumber, const QString& classKey);

    Tdmod& data_;
};
