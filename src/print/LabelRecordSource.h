#pragma once

#include <QString>

// The records a label run walks, one at a time from the current one, so that
// a run needs no knowledge of where its records are kept.
class LabelRecordSource
{
public:
    virtual ~LabelRecordSource() = default;
    virtual bool atEnd() const = 0;
    virtual void next() = 0;
    // The field of the current record; unknown fields read as empty text.
    virtual QString value(const QString& field) const = 0;
};
