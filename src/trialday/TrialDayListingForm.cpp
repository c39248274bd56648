#include "trialday/TrialDayListingForm.h"

#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "ui/TextListingWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TrialDayListingForm::TrialDayListingForm(Tdmod& data, const QString& caption,
                                         const QString& closeCaption, QWidget* parent)
    : QDialog(parent), data_(data), options_(new QHBoxLayout),
      getReport_(new QPushButton(QStringLiteral("Get Report"), this)),
      close_(new QPushButton(closeCaption, this)), hint_(new QLabel(kHint, this))
{
    setWindowTitle(caption);
    hint_->setWordWrap(true);
    hint_->hide();
    connect(getReport_, &QPushButton::clicked, this,
            [this] { runGuarded(data_.messages(), [this] { Button2Click(); }); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(getReport_);
    buttons->addWidget(close_);
    buttons->addStretch();
    options_->addStretch();
    options_->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options_);
    layout->addWidget(hint_);
    resize(900, 420);
}

void TrialDayListingForm::addOption(QWidget* option)
{
    options_->insertWidget(options_->count() - 2, option);
}

void TrialDayListingForm::Button2Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        ~Restore() { QApplication::restoreOverrideCursor(); }
    } restore;
    const RichListing built = build();
    delete listing_;
    // The listing lives inside this window; its Exit and Close close it.
    listing_ = new TextListingWindow(data_.messages(), built, this);
    listing_->setWindowFlags(Qt::Widget);
    connect(listing_, &QDialog::accepted, this, &QDialog::accept);
    static_cast<QVBoxLayout*>(layout())->addWidget(listing_, 1);
    listing_->show();
    hint_->show();
    resize(width(), std::max(height(), 720));
}
