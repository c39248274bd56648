#include "masters/OwnerForm.h"

#include "masters/OwnerFieldsWidget.h"
#include "masters/OwnerListing.h"
#include "masters/OwnerRules.h"
#include "masters/OwnerTasks.h"
#include "print/LabelSheetTexts.h"
#include "storage/DataModule.h"
#include "ui/LabelSheetWindow.h"
#include "ui/TextListingWindow.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include <exception>

TOwnerForm::TOwnerForm(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent)
    : MasterTableWindow(*data.Owners(), data.messages(), parent), data_(data),
      fields_(new OwnerFieldsWidget(OwnerFieldsWidget::Use::Window))
{
    setWindowTitle(QStringLiteral("Owner's Data Base"));
    setKeyboardSettings(keyboard);

    auto* panel = new QVBoxLayout(dataPanel());
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(fields_);
    for (const OwnerFieldsWidget::Box& box : fields_->boxes())
        bind(box.edit, box.field);
    // Binding limits a box to the stored width, 8 for a date, but the date
    // shows as MM/DD/YYYY.
    fields_->box(QStringLiteral("modified"))->setMaxLength(10);
    for (QLineEdit* box : fields_->autoCapsBoxes())
        setAutoCaps(box);
    setFirstField(fields_->box(QStringLiteral("first")));

    model().setColumns({QStringLiteral("owner_id"), QStringLiteral("first"), QStringLiteral("last"),
                        QStringLiteral("address"), QStringLiteral("city"), QStringLiteral("state"),
                        QStringLiteral("zip"), QStringLiteral("phone"), QStringLiteral("email"),
                        QStringLiteral("modified")});
    for (const MasterOrder& order : OwnerRules::orders())
        addOrder(order);

    auto* reports = new QMenu(QStringLiteral("&Reports"), this);
    menuBar()->insertMenu(tasksMenu()->menuAction(), reports);
    listingAction_ = reports->addAction(QStringLiteral("Listing (Single line)"));
    QMenu* labels = reports->addMenu(QStringLiteral("Address Labels"));
    allLabelsAction_ = labels->addAction(OwnerLabels::modeText(OwnerLabelMode::All));
    snailMailLabelsAction_ = labels->addAction(OwnerLabels::modeText(OwnerLabelMode::SnailMail));
    connect(listingAction_, &QAction::triggered, this, &TOwnerForm::showListing);
    connect(allLabelsAction_, &QAction::triggered, this,
            [this] { showLabels(OwnerLabelMode::All); });
    connect(snailMailLabelsAction_, &QAction::triggered, this,
            [this] { showLabels(OwnerLabelMode::SnailMail); });

    offerRemoveAll(OwnerTasks::kRemoveAllQuestion);
    browser().setSaveRules(std::make_unique<OwnerSaveRules>(data_));
    startBrowsing(0);
}

QAction* TOwnerForm::labelsAction(OwnerLabelMode mode) const
{
    return mode == OwnerLabelMode::All ? allLabelsAction_ : snailMailLabelsAction_;
}

void TOwnerForm::removeAllRecords()
{
    OwnerTasks::removeAllOwners(data_);
}

void TOwnerForm::afterRecordShown()
{
    fields_->allowStoredLengths();
}

bool TOwnerForm::readyToWalk()
{
    return !browser().editing() || save();
}

void TOwnerForm::showListing()
{
    if (!readyToWalk())
        return;
    const RichListing listing = ownerListing(table());
    // After the listing the window stands on the first owner of its order.
    table().first();
    refreshAll();
    TextListingWindow window(messages(), listing, this);
    window.exec();
}

void TOwnerForm::showLabels(OwnerLabelMode mode)
{
    if (!readyToWalk())
        return;
    const int count = OwnerLabels::count(table(), mode);
    const LabelStock& stock = OwnerLabels::stock();
    LabelSheetWindow window(messages(), OwnerLabels::caption(), stock,
                            LabelSheetTexts::forLabels(count, stock.labelsPerSheet()), this);
    window.setIntroText(OwnerLabels::modeText(mode));
    window.setLabels(
        [this, mode](LabelPosition start) { return OwnerLabels::labels(table(), mode, start); });
    window.setDoneMessage(OwnerLabels::kLabelsDone);
    window.exec();
}

void openOwnersWindow(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent)
{
    data.OpenOwners();
    TOwnerForm window(data, keyboard, parent);
    window.exec();
}
