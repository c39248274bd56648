#include "masters/OwnerEditForm.h"

#include "masters/OwnerFieldsWidget.h"
#include "storage/DataModule.h"
#include "storage/SessionSettings.h"
#include "ui/AutoCaps.h"
#include "ui/DataEntryKeys.h"
#include "ui/SavedGeometryWindow.h"

#include "dbf/Error.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString kWindowClass = QStringLiteral("TOwnerEditForm");

} // namespace

TOwnerEditForm::TOwnerEditForm(Tdmod& data, SessionSettings& session, QWidget* parent)
    : QDialog(parent), data_(data), session_(session), editing_(data, handOver_),
      fields_(new OwnerFieldsWidget(OwnerFieldsWidget::Use::Dialog)),
      saveButton_(new QPushButton(QStringLiteral("&Save"))),
      cancelButton_(new QPushButton(QStringLiteral("&Cancel")))
{
    setWindowTitle(QStringLiteral("Owner Information"));
    setModal(true);

    // Enter belongs to the keyboard preferences, never to a default button.
    for (QPushButton* button : {saveButton_, cancelButton_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(saveButton_, &QPushButton::clicked, this, &TOwnerEditForm::SaveButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &TOwnerEditForm::CancelButtonClick);

    for (QLineEdit* box : fields_->autoCapsBoxes()) {
        auto* filter = new AutoCapsFilter(AutoCapsRule::TextStart, box);
        filter->watch(box);
        autoCaps_ << filter;
    }
    // Installed after the automatic capitals, so this filter sees keys first.
    for (const OwnerFieldsWidget::Box& box : fields_->boxes())
        box.edit->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fields_);
    layout->addLayout(buttons);

    // Wide enough for an address and an e-mail address; the size is known
    // before the window is placed, so that a window never saved is centred.
    fields_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    resize(sizeHint());
    restoreWindowGeometry(this, data_.preferences(), kWindowClass);
}

TOwnerEditForm::~TOwnerEditForm()
{
    saveWindowGeometry(this, data_.preferences(), kWindowClass);
}

OwnerHandOver TOwnerEditForm::run(bool adding, const QString& typedName)
{
    handOver_.adding = adding;
    handOver_.typedName = typedName;
    exec();
    return handOver_;
}

int TOwnerEditForm::exec()
{
    session_.reloadKeyboard(data_.preferences(), false);
    for (AutoCapsFilter* filter : std::as_const(autoCaps_))
        filter->setEnabled(session_.keyboard.autoCaps);

    std::optional<OwnerEditing::Focus> focus;
    try {
        focus = editing_.begin();
    } catch (const dbf::Error& e) {
        data_.messages().error(QString::fromStdString(e.what()));
    }
    if (!focus) {
        editing_.cancel();
        return Rejected;
    }
    fields_->load(*data_.Owners());
    fields_
        ->box(*focus == OwnerEditing::Focus::Address ? QStringLiteral("address")
                                                     : QStringLiteral("first"))
        ->setFocus();
    open_ = true;
    return QDialog::exec();
}

void TOwnerEditForm::SaveButtonClick()
{
    if (!open_)
        return;
    try {
        fields_->write(*data_.Owners());
    } catch (const dbf::Error& e) {
        data_.messages().error(QString::fromStdString(e.what()));
        return;
    }
    if (!editing_.save())
        return;
    open_ = false;
    accept();
}

void TOwnerEditForm::CancelButtonClick()
{
    if (open_) {
        editing_.cancel();
        open_ = false;
    }
    QDialog::reject();
}

void TOwnerEditForm::reject()
{
    CancelButtonClick();
}

bool TOwnerEditForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (dataEntryKey(session_.keyboard, key->key(), key->modifiers())) {
    case DataEntryKey::None:
        return QDialog::eventFilter(watched, event);
    case DataEntryKey::NextField:
        focusNextChild();
        break;
    case DataEntryKey::PreviousField:
        focusPreviousChild();
        break;
    case DataEntryKey::Save:
        if (saveButton_->isEnabled())
            saveButton_->click();
        break;
    case DataEntryKey::Cancel:
        if (cancelButton_->isEnabled())
            cancelButton_->click();
        break;
    }
    return true;
}

void TOwnerEditForm::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels only under the PageDown-as-Save preference, through the
    // event filter above; otherwise it is not the dialog's key.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
