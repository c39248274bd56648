#include "ShowDatesEditor.h"

#include "ShowDatesTrialDates.h"

#include "storage/DataModule.h"
#include "storage/TextRules.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <QFile>

#include <algorithm>

namespace
{

const QString kNoShows = QStringLiteral("You need to start a New Show from the Main Screen");
const QString kNoClasses = QStringLiteral("You haven't indicated any classes!  Please do so.");
const QString kNoShowDate = QStringLiteral("You must specify a Show Date");
const QString kSaveChanges = QStringLiteral("Data has been changed - Save it?");
const QString kJudgingReminder =
    QStringLiteral("You will also have to specify;the Judging Assignments;under TASKS from main "
                   "menu;after you have added their name(s);to the Judge's Database");
const QString kClassesModifiedCaption = QStringLiteral("Classes Have Been Modified");
const QString kClassesModified = QStringLiteral(
    "You must now re-do the  Judge Assignments;;Also, if the show is currently "
    "opened, you must [Close It];then [Re-Open it] for the new classes to be shown.");

dbf::Table& openShowDates(Tdmod& data)
{
    data.OpenShowDates();
    return *data.ShowDates();
}

} // namespace

ShowDatesEditor::ShowDatesEditor(Tdmod& data) : data_(data), showDates_(openShowDates(data)) {}

int ShowDatesEditor::NextShowNumber(dbf::Table& showDates)
{
    showDates.setOrder("shownum");
    showDates.last();
    if (showDates.isEmpty())
        return 1;
    return static_cast<int>(showDates.number("show_num")) + 1;
}

void ShowDatesEditor::startNewShow()
{
    record_ = {};
    record_.number = NextShowNumber(showDates_);
    record_.trials = 1;
    loaded_ = record_;
    recno_ = 0;
    datedTrials_ = 1;
    newShow_ = true;
    classesShown_ = false;
    editing_ = true;
    changed_ = false;
    showCreated_ = false;
}

bool ShowDatesEditor::startEditing()
{
    newShow_ = false;
    if (showDates_.isEmpty()) {
        data_.messages().inform(kNoShows);
        return false;
    }
    showDates_.setOrder("shownum");
    load();
    return true;
}

void ShowDatesEditor::load()
{
    QString fault;
    record_ = ShowDatesRecord::read(showDates_, &fault);
    if (!fault.isEmpty())
        data_.messages().inform(fault);
    loaded_ = record_;
    recno_ = showDates_.recno();
    datedTrials_ = record_.trials;
    classesShown_ = true;
    editing_ = false;
    changed_ = false;
}

bool ShowDatesEditor::canSpecify() const
{
    return newShow_ && !classesShown_ && record_.firstDate.has_value();
}

QString ShowDatesEditor::recordStatus() const
{
    if (newShow_)
        return {};
    return QStringLiteral("Rec # ") + TextRules::RightAligned(recno_, 5) + QStringLiteral(" / ") +
           TextRules::RightAligned(showDates_.recordCount(), 5);
}

QString ShowDatesEditor::indexStatus()
{
    return QStringLiteral("Current Index = Show Number");
}

// --- Edits --------------------------------------------------------------------

void ShowDatesEditor::beginEdit()
{
    editing_ = true;
}

void ShowDatesEditor::setFirstDate(const std::optional<QDate>& date)
{
    beginEdit();
    if (record_.firstDate != date)
        changed_ = true;
    record_.firstDate = date;
}

bool ShowDatesEditor::leaveFirstDate()
{
    if (!editing_)
        return true;
    record_.of(1).date = record_.firstDate;
    if (!newShow_ && changed_ && !record_.firstDate) {
        data_.messages().inform(kNoShowDate);
        return false;
    }
    return true;
}

void ShowDatesEditor::setTrials(int trials)
{
    beginEdit();
    record_.trials = std::clamp(trials, 1, ClassCodes::maxTrials);
}

bool ShowDatesEditor::leaveTrials()
{
    if (!editing_)
        return true;
    if (newShow_) {
        if (!record_.firstDate) {
            data_.messages().inform(kNoShowDate);
            return false;
        }
        ShowDatesTrialDates::fillFromFirstDate(record_);
    } else if (record_.trials > datedTrials_) {
        ShowDatesTrialDates::fillAddedTrials(record_, datedTrials_);
    }
    datedTrials_ = std::max(datedTrials_, record_.trials);
    return true;
}

void ShowDatesEditor::setTrialDate(int trial, const std::optional<QDate>& date)
{
    beginEdit();
    if (record_.of(trial).date == date)
        return;
    changed_ = true;
    record_.of(trial).date = date;
    ShowDatesTrialDates::followChangedTrial(record_, trial);
}

void ShowDatesEditor::setOffered(int trial, int box, bool offered)
{
    beginEdit();
    if (record_.of(trial).offered.at(box) == offered)
        return;
    changed_ = true;
    record_.of(trial).offered.at(box) = offered;
}

void ShowDatesEditor::setObedienceEvent(int trial, const QString& number)
{
    beginEdit();
    record_.of(trial).obedienceEvent = number;
}

void ShowDatesEditor::setRallyEvent(int trial, const QString& number)
{
    beginEdit();
    record_.of(trial).rallyEvent = number;
}

void ShowDatesEditor::specifyClasses()
{
    if (!canSpecify())
        return;
    // The trial dates are filled on leaving "# Of Trials/Days"; a secretary
    // who goes straight from the first date to this button still gets them.
    if (!record_.of(1).date)
        ShowDatesTrialDates::fillFromFirstDate(record_);
    classesShown_ = true;
}

// --- Save -----------------------------------------------------------------------

ShowDatesEditor::SaveResult ShowDatesEditor::refuse(SaveFault fault, const QString& text)
{
    lastFault_ = fault;
    if (fault == SaveFault::Files)
        data_.messages().error(text);
    else
        data_.messages().inform(text);
    return SaveResult::Refused;
}

ShowDatesEditor::SaveResult ShowDatesEditor::save()
{
    lastFault_ = SaveFault::None;
    if (!record_.anyClassOffered())
        return refuse(SaveFault::NoClasses, kNoClasses);
    // A show without a first date can have no entry file (its name holds the
    // date), and the date heads every listing of the show.
    if (!record_.firstDate)
        return refuse(SaveFault::NoFirstDate, kNoShowDate);
    return newShow_ ? createShow() : saveExisting();
}

// The files come first: a show dates record is posted only for a show whose
// entry table and folders exist, so no show number is used up by a show that
// cannot be opened. A new show cut short before its record was posted leaves
// an entry table without entries and without a record; the next new show,
// which gets the same number, takes its place. A show number freed by packing
// the show dates table may still name a show with entries: that show's files
// are never taken over.
ShowDatesEditor::SaveResult ShowDatesEditor::createShow()
{
    const QString dateText = dateBoxText(record_.firstDate);
    QString file;
    try {
        const QString existing = data_.root().showEntryFile(record_.number);
        if (!existing.isEmpty()) {
            if (!DataRoot::holdsNoRecords(existing))
                throw dbf::Error(("The show file " + existing + " already exists").toStdString());
            if (!QFile::remove(existing))
                throw dbf::Error(("Cannot remove " + existing).toStdString());
        }
        file = data_.ShowEntryFileName(record_.number, dateText);
        data_.CreateShowEntryTable(record_.number, dateText);
    } catch (const std::exception& e) {
        return refuse(SaveFault::Files, QString::fromStdString(e.what()));
    }
    try {
        showDates_.append();
        record_.write(showDates_);
        showDates_.post();
    } catch (const std::exception& e) {
        if (showDates_.state() != dbf::Table::State::Browse)
            showDates_.cancel();
        data_.CloseShow();
        QFile::remove(file);
        return refuse(SaveFault::Files, QString::fromStdString(e.what()));
    }
    newShow_ = false;
    showCreated_ = true;
    load();
    data_.messages().inform(kJudgingReminder);
    return SaveResult::ShowCreated;
}

ShowDatesEditor::SaveResult ShowDatesEditor::saveExisting()
{
    try {
        if (showDates_.recno() != recno_)
            showDates_.go(recno_);
        showDates_.edit();
        record_.write(showDates_);
        showDates_.post();
    } catch (const std::exception& e) {
        if (showDates_.state() != dbf::Table::State::Browse)
            showDates_.cancel();
        return refuse(SaveFault::Files, QString::fromStdString(e.what()));
    }
    const bool classesChanged = changed_;
    load();
    if (classesChanged)
        data_.messages().inform(kClassesModified, kClassesModifiedCaption);
    return SaveResult::Saved;
}

// --- Cancel, close and moving ---------------------------------------------------

bool ShowDatesEditor::cancel()
{
    if (newShow_) {
        newShow_ = false;
        if (showDates_.isEmpty()) {
            editing_ = false;
            return true;
        }
        load();
        return false;
    }
    record_ = loaded_;
    editing_ = false;
    changed_ = false;
    datedTrials_ = record_.trials;
    return false;
}

bool ShowDatesEditor::settleChanges()
{
    if (!modified()) {
        if (!newShow_)
            cancel();
        return true;
    }
    const QChar answer = data_.messages().ask(
        {kSaveChanges, QStringLiteral("No Yes"), MessageKind::Question, {}, {}});
    if (answer == u'Y')
        return save() != SaveResult::Refused;
    if (!newShow_)
        cancel();
    return true;
}

bool ShowDatesEditor::close()
{
    return settleChanges();
}

bool ShowDatesEditor::move(Move move)
{
    if (newShow_ || !settleChanges())
        return false;
    switch (move) {
    case Move::First:
        showDates_.first();
        break;
    case Move::Prior:
        showDates_.go(recno_);
        showDates_.prior();
        break;
    case Move::Next:
        showDates_.go(recno_);
        showDates_.next();
        break;
    case Move::Last:
        showDates_.last();
        break;
    }
    load();
    return true;
}
