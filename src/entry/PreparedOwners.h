#pragma once

#include "entry/OwnerDialog.h"

#include <QHash>
#include <QString>

class Tdmod;

// The owner dialog without a window, for entries that arrive with their
// owner's details (the sample show, an import): the owner is made or edited
// exactly as the dialog would, with the prepared fields filled in before the
// Save.
class PreparedOwners : public OwnerDialog
{
public:
    explicit PreparedOwners(Tdmod& data) : data_(data) {}

    // Owner fields by name ("address", "city", "email", ...) for the next run.
    void prepare(QHash<QString, QString> fields) { fields_ = std::move(fields); }
    // The next run is cancelled, as a secretary closing the dialog would.
    void cancelNext() { cancelNext_ = true; }
    int runs() const { return runs_; }

    OwnerHandOver run(bool adding, const QString& typedName) override;

private:
    Tdmod& data_;
    QHash<QString, QString> fields_;
    bool cancelNext_ = false;
    int runs_ = 0;
};
