#pragma once

#include <QString>

namespace dbf
{
class Table;
}

// One class of the class table, lifted out of the record buffer. A save has to
// look at the other classes, and moving the cursor would drop the edit, so the
// edit is held here while the table is walked.
struct ClassRecord {
    QString section;
    QString classname;
    QString srtkey;
    QString catgroup;
    QString db_key;
    QString selkey;
    QString fee_type;
    double maxscore = 0;
    bool can_nq = false;
    double q_score = 0;

    static ClassRecord fromBuffer(const dbf::Table& classes);
    void toBuffer(dbf::Table& classes) const;

    // The codes compared and looked up in upper case are stored that way.
    void upperCaseCodes();
};
