#include "ui/ReportPreviewWindow.h"

#include "print/ReportPainter.h"
#include "storage/CommandGuard.h"
#include "ui/PrinterDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

// The page is drawn at 96 dots per inch at 100 percent, the size a page has on
// a common screen.
constexpr double screenDotsPerInch = 96.0;
const int zoomSteps[] = {50, 75, 100, 125, 150, 200};

} // namespace

ReportPreviewWindow::ReportPreviewWindow(Messages& messages, ReportPages laidOut, QWidget* parent)
    : QDialog(parent), messages_(messages), printout_(std::move(laidOut))
{
    setWindowTitle(printout_.title());

    firstButton_ = new QPushButton(tr("First"), this);
    priorButton_ = new QPushButton(tr("Prior"), this);
    nextButton_ = new QPushButton(tr("Next"), this);
    lastButton_ = new QPushButton(tr("Last"), this);
    pageLabel_ = new QLabel(this);
    zoomBox_ = new QComboBox(this);
    for (int step : zoomSteps)
        zoomBox_->addItem(QStringLiteral("%1%").arg(step), step);
    zoomBox_->setCurrentIndex(zoomBox_->findData(zoom_));
    auto* printButton = new QPushButton(tr("Print"), this);
    auto* pdfButton = new QPushButton(tr("Save as PDF"), this);
    auto* closeButton = new QPushButton(tr("Close"), this);
    firstButton_->setObjectName(QStringLiteral("firstButton"));
    priorButton_->setObjectName(QStringLiteral("priorButton"));
    nextButton_->setObjectName(QStringLiteral("nextButton"));
    lastButton_->setObjectName(QStringLiteral("lastButton"));
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));
    zoomBox_->setObjectName(QStringLiteral("zoomBox"));
    printButton->setObjectName(QStringLiteral("printButton"));
    pdfButton->setObjectName(QStringLiteral("pdfButton"));

    auto* bar = new QHBoxLayout;
    for (QWidget* widget :
         {static_cast<QWidget*>(firstButton_), static_cast<QWidget*>(priorButton_),
          static_cast<QWidget*>(pageLabel_), static_cast<QWidget*>(nextButton_),
          static_cast<QWidget*>(lastButton_), static_cast<QWidget*>(zoomBox_)})
        bar->addWidget(widget);
    bar->addStretch();
    bar->addWidget(printButton);
    bar->addWidget(pdfButton);
    bar->addWidget(closeButton);

    pageView_ = new QLabel;
    pageView_->setAlignment(Qt::AlignCenter);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setWidget(pageView_);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scrollArea_, 1);

    connect(firstButton_, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(priorButton_, &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
    connect(lastButton_, &QPushButton::clicked, this,
            [this] { showPage(static_cast<int>(pages().pages.size()) - 1); });
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { setZoomPercent(zoomBox_->itemData(index).toInt()); });
    connect(printButton, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { print(); }); });
    connect(pdfButton, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { saveAsPdf(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    resize(900, 1000);
    render();
    updateControls();
}

void ReportPreviewWindow::showPage(int index)
{
    const int last = static_cast<int>(pages().pages.size()) - 1;
    current_ = std::clamp(index, 0, std::max(0, last));
    render();
    updateControls();
}

void ReportPreviewWindow::setZoomPercent(int percent)
{
    zoom_ = percent;
    const int index = zoomBox_->findData(percent);
    if (index >= 0 && index != zoomBox_->currentIndex())
        zoomBox_->setCurrentIndex(index);
    render();
}

void ReportPreviewWindow::render()
{
    if (pages().pages.isEmpty())
        return;
    const double dotsPerInch = screenDotsPerInch * zoom_ / 100.0;
    const double dotsPerMillimetre = dotsPerInch / 25.4;
    QImage image((pages().paperSize * dotsPerMillimetre).toSize(), QImage::Format_RGB32);
    // The image claims the resolution it is drawn at, so point sizes of fonts
    // come out in proportion to the page, as on paper.
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ReportPainter::paintPage(painter, pages().pages.at(current_), dotsPerMillimetre);
    painter.end();
    pageView_->setPixmap(QPixmap::fromImage(image));
}

void ReportPreviewWindow::updateControls()
{
    const int count = static_cast<int>(pages().pages.size());
    firstButton_->setEnabled(current_ > 0);
    priorButton_->setEnabled(current_ > 0);
    nextButton_->setEnabled(current_ + 1 < count);
    lastButton_->setEnabled(current_ + 1 < count);
    pageLabel_->setText(tr("Page %1 of %2").arg(count == 0 ? 0 : current_ + 1).arg(count));
}

void ReportPreviewWindow::print()
{
    printOnChosenPrinter(printout_, messages_, this, int(pages().pages.size()));
}

bool ReportPreviewWindow::saveAsPdf()
{
    return askAndWrite(printout_, PrintFormat::Pdf, messages_);
}
