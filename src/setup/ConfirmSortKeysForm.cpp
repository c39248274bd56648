#include "setup/ConfirmSortKeysForm.h"

#include "setup/SortKeysConfirm.h"
#include "storage/DataModule.h"

#include "dbf/Error.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TConfirmSortKeysForm::TConfirmSortKeysForm(Tdmod& data, QWidget* parent)
    : QDialog(parent), data_(data)
{
    setWindowTitle(QStringLiteral("Confirm Sort Keys "));
    auto* note = new QLabel(
        QStringLiteral("You only need to use this Option if you have modified the Sort Keys in "
                       "the Classes Database after inputting entries for a show."));
    note->setWordWrap(true);
    progress_ = new QProgressBar;
    // A bar whose range is empty shows no percent, so an empty show counts as one.
    progress_->setRange(0, std::max(1, int(data.TzDbf1()->recordCount())));
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("%p%"));
    startButton_ = new QPushButton(QStringLiteral("Start"));
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"));
    connect(startButton_, &QPushButton::clicked, this, &TConfirmSortKeysForm::StartButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    resize(420, 160);
}

void TConfirmSortKeysForm::StartButtonClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        SortKeysConfirm::run(data_, [this](std::uint32_t done, std::uint32_t total) {
            const int before = progress_->value() * 100 / progress_->maximum();
            progress_->setMaximum(int(total));
            progress_->setValue(int(done));
            // The pass runs without the event loop, so the bar is painted
            // here, once per percent.
            if (int(done) * 100 / int(total) != before)
                progress_->repaint();
        });
    } catch (const dbf::Error& e) {
        QApplication::restoreOverrideCursor();
        data_.messages().error(QString::fromStdString(e.what()));
        return;
    }
    QApplication::restoreOverrideCursor();
    progress_->setValue(progress_->maximum());
    cancelButton_->setText(QStringLiteral("Close"));
}

void openConfirmSortKeysWindow(Tdmod& data, QWidget* parent)
{
    if (!data.showOpen()) {
        data.messages().inform(QStringLiteral("Please open a Show first."));
        return;
    }
    TConfirmSortKeysForm form(data, parent);
    form.exec();
}
