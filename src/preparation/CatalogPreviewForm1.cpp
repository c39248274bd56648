#include "preparation/CatalogPreviewForm1.h"

#include "preparation/CatalogClassListWidget.h"
#include "preparation/ChoiceGroupWidget.h"
#include "preparation/RichPreviewWidget.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

const QStringList kNoYes{QStringLiteral("No"), QStringLiteral("Yes")};

QSpinBox* blankLines(int value)
{
    auto* box = new QSpinBox;
    box->setRange(0, 10);
    box->setValue(value);
    return box;
}

QLabel* note(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

TCatalogPreviewForm1::TCatalogPreviewForm1(Tdmod& data,
                                           std::optional<ClassCodes::Section> resultsSection,
                                           QWidget* parent)
    : CatalogSelectionForm(data, resultsSection, parent),
      clubName_(new ChoiceGroupWidget(QStringLiteral("Print Club Name?   "), kNoYes)),
      showDate_(new ChoiceGroupWidget(QStringLiteral("Print Show Date?   "), kNoYes)),
      caps_(new ChoiceGroupWidget(QStringLiteral("Dog's Name in CAPS ?  "), kNoYes)),
      results_(new ChoiceGroupWidget(QStringLiteral("Include Results?   "), kNoYes)),
      groupLines_(blankLines(1)), classLines_(blankLines(1)), footerLines_(blankLines(1)),
      entryLines_(blankLines(0)), preview_(new QPushButton(QStringLiteral("&Preview"))),
      selection_(new QWidget(this)),
      text_(new RichPreviewWidget(data.messages(), QStringLiteral("Save to File"),
                                  QStringLiteral("Close Preview"), this))
{
    setWindowTitle(QStringLiteral("Exhibitor Catalog - PreView "));
    auto* explanation = new QPlainTextEdit;
    explanation->setReadOnly(true);
    explanation->setPlainText(QStringLiteral(
        "Each Class within a Catalog Group that has entries is shown with a checkbox.  The "
        "Classes are listed in catalog order: by Catalog Group, and within each group by "
        "sort key."));
    // Tall enough for the whole note at the window's width.
    explanation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    explanation->setFixedHeight(explanation->fontMetrics().lineSpacing() * 4 + 4 * explanation->frameWidth() + 8);

    auto* left = new QVBoxLayout;
    left->addWidget(note(QStringLiteral("Select the SECTION and then the Catalog Groups to "
                                        "PreView")));
    left->addWidget(explanation);
    left->addWidget(classList(), 1);

    auto* lines = new QGroupBox;
    auto* linesForm = new QFormLayout(lines);
    linesForm->addRow(QStringLiteral("Number of Blank Lines Between Catalog Groups"), groupLines_);
    linesForm->addRow(QStringLiteral("Individual Classes"), classLines_);
    linesForm->addRow(QStringLiteral("Footer Lines"), footerLines_);
    linesForm->addRow(QStringLiteral("Each Entry"), entryLines_);

    auto* right = new QVBoxLayout;
    right->addWidget(note(QStringLiteral(
        "After the PREVIEW Button is clicked, you will have the opportunity to save the "
        "information to a file which can then be imported into MS Word for further "
        "processing.         ")));
    right->addWidget(note(
        QStringLiteral("NO Page Numbers, Page Breaks or Centering will be shown in the preview.")));
    right->addWidget(clubName_);
    right->addWidget(showDate_);
    right->addWidget(caps_);
    right->addWidget(results_);
    right->addWidget(lines);
    right->addStretch();

    auto* close = new QPushButton(QStringLiteral("Cl&ose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(preview_);
    buttons->addWidget(close);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);
    auto* selectionLayout = new QVBoxLayout(selection_);
    selectionLayout->setContentsMargins(0, 0, 0, 0);
    selectionLayout->addLayout(body, 1);
    selectionLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(selection_, 1);
    layout->addWidget(text_, 1);
    text_->hide();

    connect(preview_, &QPushButton::clicked, this,
            [this] { runGuarded(data_.messages(), [this] { preview(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(text_, &RichPreviewWidget::closed, this, &TCatalogPreviewForm1::closePreview);
    resize(1000, 640);
}

void TCatalogPreviewForm1::opened()
{
    results_->setIndex(resultsMode() ? 1 : 0);
}

CatalogPreviewOptions TCatalogPreviewForm1::options() const
{
    CatalogPreviewOptions o;
    o.clubName = clubName_->index() == 1;
    o.showDate = showDate_->index() == 1;
    o.caps = caps_->index() == 1;
    o.groupLines = groupLines_->value();
    o.classLines = classLines_->value();
    o.footerLines = footerLines_->value();
    o.entryLines = entryLines_->value();
    return o;
}

bool TCatalogPreviewForm1::resultsChosen() const
{
    return results_->index() == 1;
}

bool TCatalogPreviewForm1::preview()
{
    // A group's footer is given for each trial with a row of either section.
    const std::optional<CatalogRun> run = chosenRun(resultsChosen(), true);
    if (!run)
        return false;
    const RichListing listing =
        CatalogPreviewPrintout::listing(CatalogContent::read(data_, *run), options());
    selection_->hide();
    text_->showListing(listing, CatalogPreviewPrintout::fileName(run->section));
    return true;
}

void TCatalogPreviewForm1::closePreview()
{
    text_->hide();
    selection_->show();
}

void openCatalogPreviewWindow(Tdmod& data, QWidget* parent,
                              std::optional<ClassCodes::Section> resultsSection)
{
    TCatalogPreviewForm1 form(data, resultsSection, parent);
    form.exec();
}
