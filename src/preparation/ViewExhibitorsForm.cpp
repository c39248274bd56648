#include "preparation/ViewExhibitorsForm.h"

#include "preparation/ExhibitorIndexPrintout.h"
#include "preparation/ExhibitorOptionsWidget.h"
#include "preparation/RichPreviewWidget.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TViewExhibitorsForm::TViewExhibitorsForm(Tdmod& data, QWidget* parent)
    : QDialog(parent), data_(data),
      options_(new ExhibitorOptionsWidget(ExhibitorOptionsWidget::Kind::Preview)),
      selection_(new QWidget(this)),
      text_(new RichPreviewWidget(data.messages(), QStringLiteral("Save As"),
                                  QStringLiteral("C&lose"), this))
{
    setWindowTitle(QStringLiteral("Preview Exhibitor Index"));
    const auto note = [](const QString& text) {
        auto* label = new QLabel(text);
        label->setWordWrap(true);
        return label;
    };
    auto* preview = new QPushButton(QStringLiteral("Preview"));
    auto* close = new QPushButton(QStringLiteral("Close"));
    connect(preview, &QPushButton::clicked, this,
            [this] { runGuarded(data_.messages(), [this] { this->preview(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(text_, &RichPreviewWidget::closed, this, &TViewExhibitorsForm::closePreview);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(preview);
    buttons->addWidget(close);
    auto* selection = new QVBoxLayout(selection_);
    selection->setContentsMargins(0, 0, 0, 0);
    selection->addWidget(note(QStringLiteral(
        "After the PREVIEW Button is clicked, you will have the opportunity to save the "
        "information to a file which can then be imported into MS Word for further "
        "processing.         ")));
    selection->addWidget(
        note(QStringLiteral("NO Page Numbers, Page Breaks or Centering will be shown in the "
                            "preview.")));
    selection->addWidget(options_);
    selection->addStretch();
    selection->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(selection_, 1);
    layout->addWidget(text_, 1);
    text_->hide();
}

bool TViewExhibitorsForm::event(QEvent* event)
{
    // Each time it becomes the active window, as after a message closed.
    if (event->type() == QEvent::WindowActivate)
        options_->resetSections();
    return QDialog::event(event);
}

bool TViewExhibitorsForm::preview()
{
    const ExhibitorIndex::Options options = options_->options();
    const Result<ExhibitorIndex::Index> index = ExhibitorIndex::read(data_, options);
    if (!index) {
        data_.messages().inform(index.message());
        return false;
    }
    selection_->hide();
    text_->showListing(ExhibitorIndexPreview::listing(*index, options),
                       ExhibitorIndexPreview::fileName);
    resize(std::max(width(), 900), std::max(height(), 600));
    return true;
}

void TViewExhibitorsForm::closePreview()
{
    text_->hide();
    selection_->show();
}

void openViewExhibitorsWindow(Tdmod& data, QWidget* parent)
{
    TViewExhibitorsForm form(data, parent);
    form.exec();
}
