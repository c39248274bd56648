#pragma once

#include "preparation/ExhibitorIndex.h"

#include <QWidget>

class ChoiceGroupWidget;
class QLineEdit;

// The options of the exhibitor index windows, as each offers them: the
// booklet has no phone numbers, the full page no start side, and the
// preview neither bold names, page numbers, a start side nor club lines on
// each page.
class ExhibitorOptionsWidget : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Booklet, FullPage, Preview };

    explicit ExhibitorOptionsWidget(Kind kind, QWidget* parent = nullptr);

    ExhibitorIndex::Options options() const;
    // "All Combined" again, as each time the window becomes active.
    void resetSections();

    ChoiceGroupWidget* armbandsChoice() const { return armbands_; }
    ChoiceGroupWidget* boldChoice() const { return bold_; }
    ChoiceGroupWidget* capsChoice() const { return caps_; }
    QLineEdit* startPageEdit() const { return startPage_; }
    ChoiceGroupWidget* startSideChoice() const { return startSide_; }
    ChoiceGroupWidget* clubNameChoice() const { return clubName_; }
    ChoiceGroupWidget* showDateChoice() const { return showDate_; }
    ChoiceGroupWidget* eachPageChoice() const { return eachPage_; }
    ChoiceGroupWidget* phonesChoice() const { return phones_; }
    ChoiceGroupWidget* sectionsChoice() const { return sections_; }
    ChoiceGroupWidget* shortNamesChoice() const { return shortNames_; }
    ChoiceGroupWidget* separationChoice() const { return separation_; }

private:
    ChoiceGroupWidget* armbands_;
    ChoiceGroupWidget* bold_;
    ChoiceGroupWidget* caps_;
    QLineEdit* startPage_;
    ChoiceGroupWidget* startSide_;
    ChoiceGroupWidget* clubName_;
    ChoiceGroupWidget* showDate_;
    ChoiceGroupWidget* eachPage_;
    ChoiceGroupWidget* phones_;
    ChoiceGroupWidget* sections_;
    ChoiceGroupWidget* shortNames_;
    ChoiceGroupWidget* separation_;
};
