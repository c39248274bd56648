#include "setup/ShowDatesForm2.h"

#include "storage/DataModule.h"
#include "storage/TextRules.h"
#include "ui/RecordNavigatorWidget.h"
#include "ui/SavedGeometryWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

const QString kNoShowStarted =
    QStringLiteral("You have not started any Show yet - ;Go to FILE/New Trial");
// The widest event number the show dates table holds.
constexpr int kEventNumberWidth = 12;

QLineEdit* dateBox(const QString& name)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setInputMask(QStringLiteral("99/99/9999"));
    box->setPlaceholderText(QStringLiteral("MM/DD/YYYY"));
    return box;
}

// Leaves a date box alone while it holds the date already, so a half-typed
// date is not wiped while the user types it.
void showDate(QLineEdit* box, const std::optional<QDate>& date)
{
    if (dateFromBoxText(box->text()) != date)
        box->setText(dateBoxText(date));
}

void showText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

QString trialName(const char* what, int trial)
{
    return QString::fromLatin1(what) + QString::number(trial);
}

} // namespace

TShowDatesForm2::TShowDatesForm2(Tdmod& data, bool newShow, QWidget* parent)
    : QDialog(parent), editor_(data)
{
    setWindowTitle(QStringLiteral("Show Dates And Classes Offered"));

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("trialTabs"));
    for (int t = 1; t <= ClassCodes::maxTrials; ++t) {
        tabs_->addTab(buildTrialPage(t), QStringLiteral("Trial %1 / Day %1").arg(t));
        connectTrialPage(t);
    }

    // Two panels, each in its own sunken frame: the record and the order.
    auto* statusBar = new QStatusBar;
    statusBar->setSizeGripEnabled(false);
    recordStatus_ = new QLabel;
    recordStatus_->setObjectName(QStringLiteral("recordStatus"));
    indexStatus_ = new QLabel;
    indexStatus_->setObjectName(QStringLiteral("indexStatus"));
    for (QLabel* panel : {recordStatus_, indexStatus_})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar->addWidget(recordStatus_);
    statusBar->addWidget(indexStatus_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addWidget(tabs_, 1);
    layout->addWidget(buildButtons());
    layout->addWidget(statusBar);

    if (newShow) {
        editor_.startNewShow();
        QTimer::singleShot(0, firstDate_, qOverload<>(&QWidget::setFocus));
    } else {
        ready_ = editor_.startEditing();
    }
    refresh();
}

QWidget* TShowDatesForm2::buildHeader()
{
    showNumber_ = new QLineEdit;
    showNumber_->setObjectName(QStringLiteral("showNumber"));
    showNumber_->setReadOnly(true);
    showNumber_->setFocusPolicy(Qt::NoFocus);
    firstDate_ = dateBox(QStringLiteral("firstDate"));
    trials_ = new QSpinBox;
    trials_->setObjectName(QStringLiteral("trials"));
    trials_->setRange(1, ClassCodes::maxTrials);

    connect(firstDate_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setFirstDate(dateFromBoxText(text));
        refresh();
    });
    connect(trials_, &QSpinBox::valueChanged, this, [this](int trials) {
        editor_.setTrials(trials);
        refresh();
    });
    firstDate_->installEventFilter(this);
    trials_->installEventFilter(this);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Show #"), showNumber_);
    fields->addRow(QStringLiteral("Date for first Day"), firstDate_);
    fields->addRow(QStringLiteral("# Of Trials/Days"), trials_);

    auto* notes = new QVBoxLayout;
    for (const QString& text :
         {QStringLiteral("Maximum of 8 Events, 2 Events per Trial/Day (Both Obedience and Rally in "
                         "one Trial)  Can be 4 Trials or Days  (Can also be 2 Trials per day for 2 "
                         "days)"),
          QStringLiteral("Mixed Breed Classes will be automatically created if Mixed Breeds are "
                         "entered in the Show.")}) {
        auto* label = new QLabel(text);
        label->setWordWrap(true);
        notes->addWidget(label);
    }

    auto* header = new QWidget;
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields);
    layout->addLayout(notes, 1);
    return header;
}

QWidget* TShowDatesForm2::buildTrialPage(int trial)
{
    TrialPage& page = pages_.at(trial - 1);
    page.date = dateBox(trialName("trialDate", trial));
    page.obedienceEvent = new QLineEdit;
    page.obedienceEvent->setObjectName(trialName("obedienceEvent", trial));
    page.rallyEvent = new QLineEdit;
    page.rallyEvent->setObjectName(trialName("rallyEvent", trial));
    for (QLineEdit* event : {page.obedienceEvent, page.rallyEvent})
        event->setMaxLength(kEventNumberWidth);
    for (int box = 0; box < ShowDatesClassBoxes::kCount; ++box) {
        page.boxes[box] = new QCheckBox(ShowDatesClassBoxes::caption(box));
        page.boxes[box]->setObjectName(QStringLiteral("classBox%1_%2").arg(trial).arg(box + 1));
    }

    // Each section's regular classes share one box above its non-regular ones.
    const auto column = [&page](QLineEdit* event, int firstBox, int endBox, const QString& group) {
        auto* layout = new QVBoxLayout;
        auto* eventRow = new QFormLayout;
        eventRow->addRow(QStringLiteral("Event #"), event);
        layout->addLayout(eventRow);
        layout->addWidget(page.boxes[firstBox]);
        auto* box = new QGroupBox(group);
        auto* inside = new QGridLayout(box);
        // The twelve obedience classes stand in two columns, so that the
        // window fits a screen 768 pixels high; the five rally ones in one.
        const int count = endBox - firstBox - 1;
        const int rows = count > 6 ? (count + 1) / 2 : count;
        for (int k = 0; k < count; ++k)
            inside->addWidget(page.boxes[firstBox + 1 + k], k % rows, k / rows);
        layout->addWidget(box);
        layout->addStretch(1);
        return layout;
    };

    auto* widget = new QWidget;
    auto* layout = new QGridLayout(widget);
    auto* dateRow = new QFormLayout;
    dateRow->addRow(QStringLiteral("Date"), page.date);
    layout->addLayout(dateRow, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Select the Classes Offered:")), 1, 0, 1, 2);
    layout->addLayout(column(page.obedienceEvent, 0, ShowDatesClassBoxes::kFirstRallyBox,
                             QStringLiteral("Optional Titling and Non-Regular Classes")),
                      2, 0);
    layout->addLayout(column(page.rallyEvent, ShowDatesClassBoxes::kFirstRallyBox,
                             ShowDatesClassBoxes::kCount, QStringLiteral("Non-Regular Classes")),
                      2, 1);
    return widget;
}

void TShowDatesForm2::connectTrialPage(int trial)
{
    TrialPage& page = pages_.at(trial - 1);
    page.date->installEventFilter(this);
    page.obedienceEvent->installEventFilter(this);
    connect(page.obedienceEvent, &QLineEdit::textEdited, this, [this, trial](const QString& text) {
        editor_.setObedienceEvent(trial, text);
        refresh();
    });
    connect(page.rallyEvent, &QLineEdit::textEdited, this, [this, trial](const QString& text) {
        editor_.setRallyEvent(trial, text);
        refresh();
    });
    for (int box = 0; box < ShowDatesClassBoxes::kCount; ++box) {
        page.boxes[box]->installEventFilter(this);
        connect(page.boxes[box], &QCheckBox::toggled, this, [this, trial, box](bool on) {
            editor_.setOffered(trial, box, on);
            refresh();
        });
    }
}

QWidget* TShowDatesForm2::buildButtons()
{
    navigator_ = new RecordNavigatorWidget;
    navigator_->setObjectName(QStringLiteral("navigator"));
    connect(navigator_, &RecordNavigatorWidget::firstClicked, this,
            [this] { move(ShowDatesEditor::Move::First); });
    connect(navigator_, &RecordNavigatorWidget::priorClicked, this,
            [this] { move(ShowDatesEditor::Move::Prior); });
    connect(navigator_, &RecordNavigatorWidget::nextClicked, this,
            [this] { move(ShowDatesEditor::Move::Next); });
    connect(navigator_, &RecordNavigatorWidget::lastClicked, this,
            [this] { move(ShowDatesEditor::Move::Last); });

    editButton_ = new QPushButton(QStringLiteral("&Edit"));
    saveButton_ = new QPushButton(QStringLiteral("&Save"));
    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"));
    findButton_ = new QPushButton(QStringLiteral("&Find"));
    closeButton_ = new QPushButton(QStringLiteral("Cl&ose"));
    specifyButton_ = new QPushButton(QStringLiteral("&Specify Classes for this Show"));
    // The show dates table is short enough to walk with the navigator; Find
    // has nothing to do here and stays off.
    findButton_->setEnabled(false);
    for (QPushButton* button :
         {editButton_, saveButton_, cancelButton_, findButton_, closeButton_, specifyButton_})
        button->setAutoDefault(false);

    connect(editButton_, &QPushButton::clicked, this, [this] {
        editor_.beginEdit();
        refresh();
    });
    connect(saveButton_, &QPushButton::clicked, this, &TShowDatesForm2::save);
    connect(cancelButton_, &QPushButton::clicked, this, &TShowDatesForm2::cancel);
    connect(closeButton_, &QPushButton::clicked, this, &TShowDatesForm2::closeWindow);
    connect(specifyButton_, &QPushButton::clicked, this, [this] {
        editor_.specifyClasses();
        refresh();
        tabs_->setCurrentIndex(0);
        // The trial tabs make the window several times taller: it grows
        // round its centre and stays whole on the screen.
        fitOnScreen(this, sizeHint());
    });

    auto* buttons = new QWidget;
    auto* layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(navigator_);
    for (QPushButton* button :
         {editButton_, saveButton_, cancelButton_, findButton_, specifyButton_, closeButton_})
        layout->addWidget(button);
    layout->addStretch(1);
    return buttons;
}

void TShowDatesForm2::refresh()
{
    const ShowDatesRecord& record = editor_.record();
    const bool newShow = editor_.newShow();
    const bool editing = editor_.editing();
    const bool classesShown = editor_.classesShown();

    showNumber_->setText(TextRules::RightAligned(record.number, 5));
    showDate(firstDate_, record.firstDate);
    firstDate_->setReadOnly(!editing);
    {
        const QSignalBlocker blocker(trials_);
        trials_->setValue(record.trials);
    }
    trials_->setReadOnly(!editing);

    tabs_->setVisible(classesShown);
    for (int t = 1; t <= ClassCodes::maxTrials; ++t) {
        const TrialPage& page = pages_.at(t - 1);
        const ShowDatesRecord::Trial& trial = record.of(t);
        tabs_->setTabVisible(t - 1, t <= record.trials);
        showDate(page.date, trial.date);
        page.date->setReadOnly(!editing);
        showText(page.obedienceEvent, trial.obedienceEvent);
        showText(page.rallyEvent, trial.rallyEvent);
        page.rallyEvent->setReadOnly(!editing);
        for (int box = 0; box < ShowDatesClassBoxes::kCount; ++box) {
            const QSignalBlocker blocker(page.boxes[box]);
            page.boxes[box]->setChecked(trial.offered[box]);
        }
    }
    if (tabs_->currentIndex() >= record.trials)
        tabs_->setCurrentIndex(0);

    const bool classesStage = !newShow || classesShown;
    navigator_->setVisible(classesStage);
    navigator_->setEnabled(!newShow);
    editButton_->setVisible(classesStage);
    editButton_->setEnabled(!newShow && !editing);
    saveButton_->setVisible(classesStage);
    saveButton_->setEnabled(editing);
    cancelButton_->setEnabled(editing);
    findButton_->setVisible(!newShow);
    specifyButton_->setVisible(newShow && !classesShown);
    specifyButton_->setEnabled(editor_.canSpecify());

    recordStatus_->setText(editor_.recordStatus());
    recordStatus_->setVisible(!recordStatus_->text().isEmpty());
    indexStatus_->setText(ShowDatesEditor::indexStatus());
}

bool TShowDatesForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == firstDate_) {
            if (!editor_.leaveFirstDate())
                refocus(firstDate_);
            refresh();
        } else if (watched == trials_) {
            if (!editor_.leaveTrials())
                refocus(firstDate_);
            refresh();
        } else {
            for (int t = 1; t <= ClassCodes::maxTrials; ++t) {
                QLineEdit* date = pages_.at(t - 1).date;
                if (watched == date && !date->isReadOnly()) {
                    editor_.setTrialDate(t, dateFromBoxText(date->text()));
                    refresh();
                }
            }
        }
    } else if (event->type() == QEvent::FocusIn) {
        // Entering a class box or an obedience event number starts an edit.
        for (const TrialPage& page : pages_) {
            const bool starts =
                watched == page.obedienceEvent ||
                std::find(page.boxes.begin(), page.boxes.end(), watched) != page.boxes.end();
            if (starts && !editor_.editing()) {
                editor_.beginEdit();
                refresh();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TShowDatesForm2::refocus(QWidget* field)
{
    QTimer::singleShot(0, field, qOverload<>(&QWidget::setFocus));
}

void TShowDatesForm2::save()
{
    if (editor_.save() == ShowDatesEditor::SaveResult::Refused) {
        switch (editor_.lastFault()) {
        case ShowDatesEditor::SaveFault::NoClasses:
            refocus(trials_);
            break;
        case ShowDatesEditor::SaveFault::NoFirstDate:
            refocus(firstDate_);
            break;
        case ShowDatesEditor::SaveFault::None:
        case ShowDatesEditor::SaveFault::Files:
            break;
        }
    }
    refresh();
}

void TShowDatesForm2::cancel()
{
    if (editor_.cancel()) {
        QDialog::reject();
        return;
    }
    refresh();
}

void TShowDatesForm2::closeWindow()
{
    if (editor_.close()) {
        QDialog::reject();
        return;
    }
    refresh();
}

void TShowDatesForm2::reject()
{
    closeWindow();
}

void TShowDatesForm2::closeEvent(QCloseEvent* event)
{
    event->ignore();
    closeWindow();
}

void TShowDatesForm2::showEvent(QShowEvent* event)
{
    if (!shownBefore_) {
        shownBefore_ = true;
        fitOnScreen(this, sizeHint());
    }
    QDialog::showEvent(event);
}

void TShowDatesForm2::move(ShowDatesEditor::Move move)
{
    editor_.move(move);
    refresh();
}

bool openShowDatesWindow(Tdmod& data, QWidget* parent, bool newShow)
{
    if (newShow) {
        data.CloseShow();
    } else {
        data.OpenShowDates();
        if (data.ShowDates()->isEmpty()) {
            data.messages().inform(kNoShowStarted);
            return false;
        }
    }
    TShowDatesForm2 form(data, newShow, parent);
    if (!form.ready())
        return false;
    form.exec();
    return form.showCreated();
}
