#include "preparation/CatalogPrintForm.h"

#include "preparation/CatalogClassListWidget.h"
#include "preparation/ChoiceGroupWidget.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "storage/TextRules.h"
#include "ui/PrinterDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

const QStringList kNoYes{QStringLiteral("No"), QStringLiteral("Yes")};

QSpinBox* blankLines(QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(0, 10);
    return box;
}

} // namespace

TCatalogPrintForm::TCatalogPrintForm(Tdmod& data, CatalogLayout layout,
                                     std::optional<ClassCodes::Section> resultsSection,
                                     QWidget* parent)
    : CatalogSelectionForm(data, resultsSection, parent), layout_(layout),
      clubName_(new ChoiceGroupWidget(QStringLiteral("Print Club Name at top of page "), kNoYes)),
      showDate_(new ChoiceGroupWidget(QStringLiteral("Print Show Date at top of page "), kNoYes)),
      eachPage_(new ChoiceGroupWidget(QStringLiteral("Print Club Info at the top of?   "),
                                      {QStringLiteral("First Page"), QStringLiteral("Each Page")})),
      startSide_(
          new ChoiceGroupWidget(QStringLiteral("Start Printing on  "),
                                {QStringLiteral("Left Side"), QStringLiteral("Right Side")})),
      results_(new ChoiceGroupWidget(QStringLiteral("Include Results?  "), kNoYes)),
      classBreaks_(new QCheckBox(QStringLiteral("For each Class"))),
      catBreak_(new QCheckBox(QStringLiteral("Catalog Groups"))), classLines_(blankLines(this)),
      catLines_(blankLines(this)), footerLines_(blankLines(this)), placeLines_(blankLines(this)),
      entryLines_(blankLines(this)), bold_(new QCheckBox(QStringLiteral("Print in Bold letters"))),
      caps_(new QCheckBox(QStringLiteral("Use all Caps"))),
      save_(new QCheckBox(QStringLiteral("Save These Settings"))),
      startPage_(new QLineEdit(QStringLiteral("1"))),
      noPageNumbers_(new QCheckBox(QStringLiteral("Do NOT print Page Numbers"))),
      scoresNote_(new QLabel(QStringLiteral("SCORES will be printed if available"))),
      print_(new QPushButton(QStringLiteral("&Print"))),
      close_(new QPushButton(QStringLiteral("Cl&ose")))
{
    auto* instruction = new QLabel(QStringLiteral(
        "Select the SECTION and then the CLASSES to print. (This is a Combined Catalog showing "
        "each Trial)  "));
    instruction->setWordWrap(true);
    auto* note = new QPlainTextEdit(this);
    note->setReadOnly(true);
    note->setPlainText(QStringLiteral(
        "Each Class that has entries (for any Trial) is shown with a checkbox.    NO ENTRIES = NO "
        "CHECKBOX\nThe ticked Classes print in the order of the list, each with its Judge for "
        "every Trial."));
    // Tall enough for the whole note at the window's width.
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setFixedHeight(note->fontMetrics().lineSpacing() * 4 + 4 * note->frameWidth() + 8);

    auto* left = new QVBoxLayout;
    left->addWidget(instruction);
    left->addWidget(note);
    left->addWidget(classList(), 1);

    auto* breaks = new QGroupBox(QStringLiteral("Page Breaks"));
    auto* breaksGrid = new QGridLayout(breaks);
    breaksGrid->addWidget(classBreaks_, 0, 0);
    breaksGrid->addWidget(new QLabel(QStringLiteral("(Nov A, Nov B)")), 0, 1);
    breaksGrid->addWidget(catBreak_, 1, 0);
    breaksGrid->addWidget(new QLabel(QStringLiteral("(Reg, Non, Std, JWW)")), 1, 1);

    auto* lines = new QGroupBox(QStringLiteral("Blank Lines between"));
    auto* linesForm = new QFormLayout(lines);
    linesForm->addRow(QStringLiteral("Classes"), classLines_);
    linesForm->addRow(QStringLiteral("Catalog Groups"), catLines_);
    linesForm->addRow(QStringLiteral("Footer Lines"), footerLines_);
    linesForm->addRow(QStringLiteral("Placing Lines"), placeLines_);
    linesForm->addRow(QStringLiteral("Entries"), entryLines_);

    auto* name = new QGroupBox(QStringLiteral("Dog's Name"));
    auto* nameLayout = new QVBoxLayout(name);
    nameLayout->addWidget(bold_);
    nameLayout->addWidget(caps_);

    auto* pages = new QFormLayout;
    pages->addRow(QStringLiteral("Start Page Number: "), startPage_);
    pages->addRow(noPageNumbers_);
    startPage_->setMaximumWidth(startPage_->fontMetrics().horizontalAdvance(u'0') * 8);

    auto* restore = new QPushButton(QStringLiteral("&Restore Defaults"));
    connect(restore, &QPushButton::clicked, this, &TCatalogPrintForm::restoreDefaults);

    auto* firstColumn = new QVBoxLayout;
    firstColumn->addWidget(clubName_);
    firstColumn->addWidget(showDate_);
    firstColumn->addWidget(eachPage_);
    firstColumn->addWidget(breaks);
    firstColumn->addWidget(name);
    firstColumn->addStretch();
    auto* secondColumn = new QVBoxLayout;
    secondColumn->addWidget(lines);
    secondColumn->addLayout(pages);
    secondColumn->addWidget(startSide_);
    secondColumn->addWidget(results_);
    secondColumn->addWidget(scoresNote_);
    secondColumn->addWidget(save_);
    secondColumn->addWidget(restore);
    secondColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(firstColumn);
    body->addLayout(secondColumn);

    auto* pdf = new QPushButton(QStringLiteral("Save as P&DF"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(pdf);
    buttons->addWidget(close_);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(body, 1);
    layoutBox->addLayout(buttons);

    connect(print_, &QPushButton::clicked, this,
            [this] { runGuarded(data_.messages(), [this] { print(); }); });
    connect(pdf, &QPushButton::clicked, this,
            [this] { runGuarded(data_.messages(), [this] { saveAsPdf(); }); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(classBreaks_, &QCheckBox::toggled, this, &TCatalogPrintForm::breaksChanged);
    connect(catBreak_, &QCheckBox::toggled, this, &TCatalogPrintForm::breaksChanged);

    startSide_->setVisible(layout == CatalogLayout::Booklet);
    scoresNote_->setVisible(resultsMode());
    setSettings(storedCatalogSettings(data_.preferences(), layout));
    resize(1100, 640);
}

void TCatalogPrintForm::opened()
{
    results_->setIndex(resultsMode() ? 1 : 0);
}

void TCatalogPrintForm::setSettings(const CatalogPrintSettings& s)
{
    clubName_->setIndex(s.clubName);
    showDate_->setIndex(s.showDate);
    eachPage_->setIndex(s.eachPage);
    classBreaks_->setChecked(s.classBreaks);
    catBreak_->setChecked(s.catBreak);
    classLines_->setValue(s.classLines);
    catLines_->setValue(s.catLines);
    footerLines_->setValue(s.footerLines);
    placeLines_->setValue(s.placeLines);
    entryLines_->setValue(s.entryLines);
    bold_->setChecked(s.bold);
    caps_->setChecked(s.caps);
    save_->setChecked(s.save);
    breaksChanged();
}

void TCatalogPrintForm::restoreDefaults()
{
    setSettings(restoredCatalogSettings());
}

void TCatalogPrintForm::breaksChanged()
{
    classLines_->setEnabled(!classBreaks_->isChecked());
    catLines_->setEnabled(!catBreak_->isChecked());
}

CatalogPageOptions TCatalogPrintForm::options() const
{
    CatalogPageOptions o;
    o.layout = layout_;
    CatalogPrintSettings& s = o.settings;
    s.clubName = clubName_->index();
    s.showDate = showDate_->index();
    s.eachPage = eachPage_->index();
    s.classBreaks = classBreaks_->isChecked();
    s.catBreak = catBreak_->isChecked();
    s.classLines = classLines_->value();
    s.catLines = catLines_->value();
    s.footerLines = footerLines_->value();
    s.placeLines = placeLines_->value();
    s.entryLines = entryLines_->value();
    s.bold = bold_->isChecked();
    s.caps = caps_->isChecked();
    s.save = save_->isChecked();
    o.startPage = TextRules::TextToInt(startPage_->text());
    o.pageNumbers = !noPageNumbers_->isChecked();
    o.startOnRight = layout_ == CatalogLayout::Booklet && startSide_->index() == 1;
    return o;
}

bool TCatalogPrintForm::resultsChosen() const
{
    return results_->index() == 1;
}

std::optional<CatalogPrintout> TCatalogPrintForm::printout()
{
    const std::optional<CatalogRun> run = chosenRun(resultsChosen());
    if (!run)
        return std::nullopt;
    return CatalogPrintout(CatalogContent::read(data_, *run), options());
}

void TCatalogPrintForm::print()
{
    const std::optional<CatalogPrintout> catalog = printout();
    if (!catalog)
        return;
    const std::optional<PrintOutcome> outcome =
        printOnChosenPrinter(*catalog, data_.messages(), this);
    if (!outcome)
        return;
    if (outcome->aborted)
        data_.messages().inform(QStringLiteral("Printing aborted"));
    else if (!outcome->deviceFailed)
        data_.messages().inform(QStringLiteral("All Done"));
    close_->setText(QStringLiteral("Close"));
}

bool TCatalogPrintForm::saveAsPdf()
{
    const std::optional<CatalogPrintout> catalog = printout();
    return catalog && askAndWrite(*catalog, PrintFormat::Pdf, data_.messages());
}

void TCatalogPrintForm::saveSettings()
{
    if (!save_->isChecked())
        return;
    if (!data_.preferences().setCatalogPrintSettings(layout_, options().settings))
        data_.messages().error(data_.preferences().errorString());
}

bool TCatalogPrintForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate)
        runGuarded(data_.messages(), [this] { saveSettings(); });
    return CatalogSelectionForm::event(event);
}

void TCatalogPrintForm::done(int result)
{
    runGuarded(data_.messages(), [this] { saveSettings(); });
    CatalogSelectionForm::done(result);
}

TCatalogBookletForm1::TCatalogBookletForm1(Tdmod& data,
                                           std::optional<ClassCodes::Section> resultsSection,
                                           QWidget* parent)
    : TCatalogPrintForm(data, CatalogLayout::Booklet, resultsSection, parent)
{
    setWindowTitle(QStringLiteral("Exhibitor Catalog - Booklet Format  (5 1/2 x 8 1/2\")"));
}

TCatalogFullPageForm1::TCatalogFullPageForm1(Tdmod& data,
                                             std::optional<ClassCodes::Section> resultsSection,
                                             QWidget* parent)
    : TCatalogPrintForm(data, CatalogLayout::FullPage, resultsSection, parent)
{
    setWindowTitle(QStringLiteral("Exhibitor Catalog - Full Page Format  (8 1/2 x 11\")"));
}

void openCatalogBookletWindow(Tdmod& data, QWidget* parent,
                              std::optional<ClassCodes::Section> resultsSection)
{
    TCatalogBookletForm1 form(data, resultsSection, parent);
    form.exec();
}

void openCatalogFullPageWindow(Tdmod& data, QWidget* parent,
                               std::optional<ClassCodes::Section> resultsSection)
{
    TCatalogFullPageForm1 form(data, resultsSection, parent);
    form.exec();
}
