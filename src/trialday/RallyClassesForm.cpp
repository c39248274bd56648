#include "trialday/RallyClassesForm.h"

#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "trialday/ChoiceBoxWidget.h"
#include "trialday/RallyClassPickerWidget.h"
#include "trialday/ScoreBoxSheets.h"
#include "ui/ReportPreviewWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

RallyClassesForm::RallyClassesForm(Tdmod& data, const QString& caption, ChoiceBoxWidget* option,
                                   QWidget* parent)
    : QDialog(parent), data_(data), picker_(new RallyClassPickerWidget(data, this)),
      option_(option), preview_(new QPushButton(QStringLiteral("Preview && Print"), this)),
      close_(new QPushButton(QStringLiteral("Close"), this))
{
    setWindowTitle(caption);
    option_->setParent(this);
    auto* menus = new QMenuBar(this);
    QAction* exit = menus->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    connect(exit, &QAction::triggered, this, &QDialog::accept);
    connect(preview_, &QPushButton::clicked, this,
            [this] { runGuarded(data_.messages(), [this] { PreviewClick(); }); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(option_);
    side->addStretch();
    side->addWidget(preview_);
    side->addWidget(close_);
    auto* body = new QHBoxLayout;
    body->addWidget(picker_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(body);
    resize(620, 440);
}

void RallyClassesForm::PreviewClick()
{
    Result<ReportPages> pages = [this] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restore {
            ~Restore() { QApplication::restoreOverrideCursor(); }
        } restore;
        return print(picker_->currentTrial(), picker_->checkedKeys());
    }();
    if (!pages) {
        data_.messages().inform(pages.message());
        // A show without entries has nothing to choose from.
        if (pages.message() == ScoreBoxSheets::kNoEntries)
            reject();
        return;
    }
    ReportPreviewWindow preview(data_.messages(), std::move(pages.value()), this);
    preview.exec();
}
