#pragma once

#include "preparation/CatalogSequence.h"

#include <QDialog>

#include <optional>

class CatalogClassListWidget;
class Tdmod;

// What the three catalog windows share: the catalog built afresh and the
// class list of the first section each time the window opens, another
// section's classes when its tab is chosen, and the ticked classes as a run.
//
// The catalog is built when the window opens and at no other time. The
// window is modal: while it is open nothing but its own print dialog and
// messages can come in front of it, and none of them changes an entry, so a
// rebuild when it becomes active again would only empty the catalog under a
// run that is reading it and take the secretary's ticks away.
class CatalogSelectionForm : public QDialog
{
    Q_OBJECT
public:
    CatalogClassListWidget* classList() const { return classes_; }
    // Opened by a score window: only its section, results on by default.
    bool resultsMode() const { return resultsSection_.has_value(); }

protected:
    // `resultsSection`: the section of the score window that opens it in
    // results mode; nothing for the entry desk's catalog.
    CatalogSelectionForm(Tdmod& data, std::optional<ClassCodes::Section> resultsSection,
                         QWidget* parent);

    void showEvent(QShowEvent* event) override;
    // After the catalog is built: the options that start afresh each time.
    virtual void opened() {}

    // The ticked classes of the chosen section; nothing, after "No Classes
    // have been selected", when none is ticked.
    std::optional<CatalogRun> chosenRun(bool results, bool footersForEitherSection = false) const;

    Tdmod& data_;

private:
    void build();
    void listClasses(ClassCodes::Section section);

    std::optional<ClassCodes::Section> resultsSection_;
    CatalogClassListWidget* classes_;
};
