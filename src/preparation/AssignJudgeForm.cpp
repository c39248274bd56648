#include "preparation/AssignJudgeForm.h"

#include "storage/ClassCodes.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

const QString kNoneAssigned = QStringLiteral("None Assigned");
const QString kViewCaption = QStringLiteral("Class Assignments for Highlighted Judge");
const QString kEditCaption = QStringLiteral("Check-off Classes for Highlighted Judge");
const QString kNoJudgeHighlighted =
    QStringLiteral("No Judge is highlighted.;Add a Judge first, or click one in the list.");
const QColor kMaroon(128, 0, 0);
constexpr int kJudgeNumberRole = Qt::UserRole;
constexpr int kClassKeyRole = Qt::UserRole;

QLabel* maroon(const QString& text, bool bold)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kMaroon);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QPushButton* button(const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setAutoDefault(false);
    return button;
}

// "Saturday   04/10/2027": the weekday in nine characters, two blanks, the date.
QString trialDateText(const dbf::RecordView& showDates, int trial)
{
    const std::string field = "t" + std::to_string(trial) + "_date";
    const QDate date = RecordValues::date(showDates, field);
    const QString weekday =
        date.isValid() ? QLocale(QLocale::English).dayName(date.dayOfWeek()) : QString();
    return weekday.leftJustified(9, u' ') + QStringLiteral("  ") +
           RecordValues::dateText(showDates.date(field));
}

} // namespace

TAssignJudgeForm::TAssignJudgeForm(Tdmod& data, QWidget* parent)
    : QDialog(parent), data_(data), assignments_(data)
{
    setWindowTitle(QStringLiteral("Judge Assigments "));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    exit_ = file->addAction(QStringLiteral("Exit"));
    QMenu* tasks = bar->addMenu(QStringLiteral("&Tasks"));
    addJudgeAction_ = tasks->addAction(QStringLiteral("Add Judge"));
    changeClassesAction_ = tasks->addAction(QStringLiteral("Add/Change Classes"));

    layout->addWidget(
        maroon(QStringLiteral("You must specify a judge for each Class in your Show.  The steps "
                              "are:  Add Judge then select the Name then click Okay, then do "
                              "Add/Change Classes then Save after selecting the classes."),
               true));

    auto* buttons = new QHBoxLayout;
    addJudge_ = button(QStringLiteral("&Add Judge"));
    replaceJudge_ = button(QStringLiteral("&Replace Judge"));
    deleteJudge_ = button(QStringLiteral("&Delete Judge"));
    changeClasses_ = button(QStringLiteral("Add/Change Classes"));
    close_ = button(QStringLiteral("Cl&ose"));
    for (QPushButton* b : {addJudge_, replaceJudge_, deleteJudge_, changeClasses_, close_})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* left = new QVBoxLayout;
    auto* showInfo = new QGroupBox(QStringLiteral("Current Show Info"));
    auto* showRow = new QHBoxLayout(showInfo);
    showRow->addWidget(new QLabel(QStringLiteral("Show #")));
    showNumber_ = new QLineEdit(QString::number(data_.currentShowNumber()));
    showNumber_->setReadOnly(true);
    showNumber_->setMaximumWidth(90);
    showRow->addWidget(showNumber_);
    showRow->addStretch();
    left->addWidget(showInfo);
    left->addWidget(buildJudgesPanel(), 1);
    left->addWidget(buildPicker());

    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 2);
    middle->addWidget(buildClassPanel(), 3);
    layout->addLayout(middle, 1);

    connect(addJudge_, &QPushButton::clicked, this, &TAssignJudgeForm::AddJudgeClick);
    connect(replaceJudge_, &QPushButton::clicked, this, &TAssignJudgeForm::ReplaceJudgeClick);
    connect(deleteJudge_, &QPushButton::clicked, this, &TAssignJudgeForm::DeleteJudgeClick);
    connect(changeClasses_, &QPushButton::clicked, this, &TAssignJudgeForm::ChangeClassesClick);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(exit_, &QAction::triggered, this, &QDialog::close);
    connect(addJudgeAction_, &QAction::triggered, this, &TAssignJudgeForm::AddJudgeClick);
    connect(changeClassesAction_, &QAction::triggered, this, &TAssignJudgeForm::ChangeClassesClick);

    viewMode();
    resize(940, 600);
}

QWidget* TAssignJudgeForm::buildJudgesPanel()
{
    auto* judges = new QGroupBox(QStringLiteral("Assigned Judges for this Show"));
    auto* column = new QVBoxLayout(judges);
    trials_ = new QTabBar;
    trials_->setExpanding(false);
    trialDate_ = new QLabel;
    judgeList_ = new QListWidget;
    column->addWidget(trials_);
    column->addWidget(trialDate_);
    column->addWidget(judgeList_, 1);
    connect(trials_, &QTabBar::currentChanged, this, [this](int index) {
        if (!filling_ && index >= 0)
            selectTrial(index + 1);
    });
    connect(judgeList_, &QListWidget::currentRowChanged, this, [this] {
        // Another judge highlighted: the panel shows that judge's classes,
        // and ticks not saved are let go as Cancel would.
        if (!filling_)
            viewMode();
    });
    return judges;
}

QWidget* TAssignJudgeForm::buildPicker()
{
    picker_ = new QGroupBox;
    auto* column = new QVBoxLayout(picker_);
    column->addWidget(new QLabel(QStringLiteral("Select the New Judge")));
    pickerList_ = new QComboBox;
    column->addWidget(pickerList_);
    auto* row = new QHBoxLayout;
    okay_ = button(QStringLiteral("O&kay"));
    pickerCancel_ = button(QStringLiteral("Ca&ncel"));
    row->addWidget(okay_);
    row->addWidget(pickerCancel_);
    row->addStretch();
    column->addLayout(row);
    column->addWidget(maroon(QStringLiteral("If your Judge is not in the list, Close this window "
                                            "and enter their info in the Judges Database first."),
                             false));
    connect(okay_, &QPushButton::clicked, this, &TAssignJudgeForm::OkayClick);
    connect(pickerCancel_, &QPushButton::clicked, this, &TAssignJudgeForm::PickerCancelClick);
    picker_->hide();
    return picker_;
}

QWidget* TAssignJudgeForm::buildClassPanel()
{
    classPanel_ = new QGroupBox(kViewCaption);
    auto* column = new QVBoxLayout(classPanel_);
    classPages_ = new QStackedWidget;
    classList_ = new QListWidget;
    checkList_ = new QListWidget;
    // Sections are padded to nine characters so the class names line up.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    classList_->setFont(fixed);
    checkList_->setFont(fixed);
    classPages_->addWidget(classList_);
    classPages_->addWidget(checkList_);
    column->addWidget(classPages_, 1);
    auto* row = new QHBoxLayout;
    selectAll_ = button(QStringLiteral("Select All Classes"));
    saveClasses_ = button(QStringLiteral("Save Class Changes"));
    cancelClasses_ = button(QStringLiteral("&Cancel"));
    for (QPushButton* b : {selectAll_, saveClasses_, cancelClasses_})
        row->addWidget(b);
    row->addStretch();
    column->addLayout(row);
    connect(selectAll_, &QPushButton::clicked, this, &TAssignJudgeForm::SelectAllClick);
    connect(saveClasses_, &QPushButton::clicked, this, &TAssignJudgeForm::SaveClassesClick);
    connect(cancelClasses_, &QPushButton::clicked, this, &TAssignJudgeForm::CancelClassesClick);
    connect(checkList_, &QListWidget::itemChanged, this, [this] {
        if (!filling_)
            classesChanged_ = true;
    });
    return classPanel_;
}

// --- Activation ----------------------------------------------------------------

void TAssignJudgeForm::FormActivate()
{
    picker_->hide();
    filling_ = true;
    while (trials_->count() > 0)
        trials_->removeTab(0);
    filling_ = false;
    trialDates_.clear();
    trial_ = 0;
    const auto showDates = data_.showDatesRecord();
    if (!showDates) {
        judgeList_->clear();
        classList_->clear();
        checkList_->clear();
        trialDate_->clear();
        data_.messages().inform(QStringLiteral("show date not found"));
        return;
    }
    const int trials = std::clamp(int(showDates->number("num_trials")), 1, ClassCodes::maxTrials);
    filling_ = true;
    for (int trial = 1; trial <= trials; ++trial) {
        trials_->addTab(QStringLiteral("Trial %1").arg(trial));
        trialDates_ << trialDateText(*showDates, trial);
    }
    filling_ = false;
    selectTrial(1);
}

void TAssignJudgeForm::selectTrial(int trial)
{
    if (trial < 1 || trial > trialDates_.size())
        return;
    trial_ = trial;
    filling_ = true;
    trials_->setCurrentIndex(trial - 1);
    filling_ = false;
    trialDate_->setText(trialDates_.at(trial - 1));
    fillJudgeList();
}

// --- The lists -------------------------------------------------------------------

std::optional<QString> TAssignJudgeForm::highlightedJudge() const
{
    const QListWidgetItem* item = judgeList_->currentItem();
    if (!item || item->data(kJudgeNumberRole).toString().isEmpty())
        return std::nullopt;
    return item->data(kJudgeNumberRole).toString();
}

void TAssignJudgeForm::fillJudgeList(const std::optional<QString>& highlight)
{
    filling_ = true;
    judgeList_->clear();
    int highlighted = 0;
    for (const JudgeAssignments::Judge& judge : assignments_.judgesOf(trial_)) {
        auto* item = new QListWidgetItem(judge.name, judgeList_);
        item->setData(kJudgeNumberRole, judge.number);
        if (highlight && judge.number == *highlight)
            highlighted = judgeList_->count() - 1;
    }
    if (judgeList_->count() == 0) {
        // A line to read, not a judge to pick.
        auto* none = new QListWidgetItem(kNoneAssigned, judgeList_);
        none->setFlags(Qt::ItemIsEnabled);
    } else {
        judgeList_->setCurrentRow(highlighted);
    }
    filling_ = false;
    viewMode();
}

void TAssignJudgeForm::fillCheckList()
{
    filling_ = true;
    checkList_->clear();
    for (const JudgeAssignments::OfferedClass& offered : assignments_.offeredClasses(trial_)) {
        auto* item = new QListWidgetItem(offered.line, checkList_);
        item->setData(kClassKeyRole, offered.classKey);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    filling_ = false;
}

void TAssignJudgeForm::showClassesOfHighlighted()
{
    classList_->clear();
    const std::optional<QString> judge = highlightedJudge();
    const QStringList lines = judge ? assignments_.classLinesOf(trial_, *judge) : QStringList();
    classList_->addItems(lines.isEmpty() ? QStringList{kNoneAssigned} : lines);
}

void TAssignJudgeForm::viewMode()
{
    classPanel_->setTitle(kViewCaption);
    for (QPushButton* b : {selectAll_, saveClasses_, cancelClasses_})
        b->setEnabled(false);
    fillCheckList();
    classPages_->setCurrentWidget(classList_);
    showClassesOfHighlighted();
    classesChanged_ = false;
}

bool TAssignJudgeForm::judgeHighlighted()
{
    if (highlightedJudge())
        return true;
    data_.messages().inform(kNoJudgeHighlighted);
    return false;
}

// --- The judge picker -------------------------------------------------------------

void TAssignJudgeForm::showPicker(PickerMode mode)
{
    pickerMode_ = mode;
    pickerList_->clear();
    for (const JudgeAssignments::Judge& judge : assignments_.judgesToPick())
        pickerList_->addItem(judge.name, judge.number);
    pickerList_->setCurrentIndex(pickerList_->count() > 0 ? 0 : -1);
    picker_->show();
    pickerList_->setFocus();
}

void TAssignJudgeForm::AddJudgeClick()
{
    if (trial_ != 0)
        showPicker(PickerMode::Add);
}

void TAssignJudgeForm::ReplaceJudgeClick()
{
    if (trial_ != 0 && judgeHighlighted())
        showPicker(PickerMode::Replace);
}

void TAssignJudgeForm::OkayClick()
{
    if (pickerList_->currentIndex() < 0) {
        data_.messages().inform(QStringLiteral("You have not selected a Judge Name - Try again"));
        return;
    }
    picker_->hide();
    const QString number = pickerList_->currentData().toString();
    const std::optional<QString> replaced = highlightedJudge();
    runGuarded(data_.messages(), [&] {
        if (pickerMode_ == PickerMode::Replace && replaced)
            assignments_.replaceJudge(trial_, *replaced, number);
        else
            assignments_.addJudge(trial_, number);
    });
    fillJudgeList(number);
}

void TAssignJudgeForm::PickerCancelClick()
{
    picker_->hide();
}

void TAssignJudgeForm::DeleteJudgeClick()
{
    if (trial_ == 0 || !judgeHighlighted())
        return;
    MessageRequest question;
    question.caption = QStringLiteral("Delete A Judge");
    question.text =
        QStringLiteral("This will Remove the Highlighted Judge;and all their assigned classes.;");
    question.buttons = QStringLiteral("Okay Cancel");
    question.kind = MessageKind::Question;
    question.cautiousAnswer = u'C';
    if (data_.messages().ask(question) != u'O')
        return;
    const QString judge = *highlightedJudge();
    runGuarded(data_.messages(), [&] { assignments_.removeJudge(trial_, judge); });
    fillJudgeList();
}

// --- The class check list -----------------------------------------------------------

void TAssignJudgeForm::ChangeClassesClick()
{
    // Classes saved with no judge would belong to nobody.
    if (trial_ == 0 || !judgeHighlighted())
        return;
    QStringList assigned;
    for (const QString& line : assignments_.classLinesOf(trial_, *highlightedJudge()))
        assigned << line.trimmed();
    filling_ = true;
    for (int row = 0; row < checkList_->count(); ++row) {
        QListWidgetItem* item = checkList_->item(row);
        const bool ticked = assigned.contains(item->text().left(100).trimmed());
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    classPanel_->setTitle(kEditCaption);
    classPages_->setCurrentWidget(checkList_);
    for (QPushButton* b : {selectAll_, saveClasses_, cancelClasses_})
        b->setEnabled(true);
    classesChanged_ = false;
    checkList_->setFocus();
}

void TAssignJudgeForm::SelectAllClick()
{
    for (int row = 0; row < checkList_->count(); ++row)
        checkList_->item(row)->setCheckState(Qt::Checked);
    classesChanged_ = true;
}

void TAssignJudgeForm::SaveClassesClick()
{
    const std::optional<QString> judge = highlightedJudge();
    if (classesChanged_ && judge) {
        QStringList keys;
        for (int row = 0; row < checkList_->count(); ++row) {
            const QListWidgetItem* item = checkList_->item(row);
            if (item->checkState() == Qt::Checked)
                keys << item->data(kClassKeyRole).toString();
        }
        runGuarded(data_.messages(), [&] { assignments_.setClasses(trial_, *judge, keys); });
    }
    viewMode();
}

void TAssignJudgeForm::CancelClassesClick()
{
    viewMode();
}

void TAssignJudgeForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    // Once on the screen, so "show date not found" shows over the window.
    QMetaObject::invokeMethod(
        this, [this] { runGuarded(data_.messages(), [this] { FormActivate(); }); },
        Qt::QueuedConnection);
}

void openAssignJudgeWindow(Tdmod& data, QWidget* parent)
{
    TAssignJudgeForm form(data, parent);
    form.exec();
}
