#include "entry/EntryDeskWidget.h"

#include "entry/EntryOrders.h"
#include "entry/EntryPanelWidget.h"
#include "entry/OwnerDialog.h"
#include "masters/BreedPickList.h"
#include "masters/OwnerEditForm.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "storage/Messages.h"
#include "storage/SessionSettings.h"
#include "storage/TextRules.h"
#include "ui/AutoCaps.h"
#include "ui/DataEntryKeys.h"

#include "dbf/Table.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

// The owner dialog of the desktop as the entry editor asks for it.
class EntryDeskWidget::OwnerFormDialog : public OwnerDialog
{
public:
    explicit OwnerFormDialog(TOwnerEditForm& form) : form_(form) {}
    OwnerHandOver run(bool adding, const QString& typedName) override
    {
        return form_.run(adding, typedName);
    }

private:
    TOwnerEditForm& form_;
};

EntryDeskWidget::EntryDeskWidget(Tdmod& data, SessionSettings& session, Messages& messages,
                                 QWidget* parent)
    : QWidget(parent), data_(data), session_(session), messages_(messages),
      ownerForm_(std::make_unique<TOwnerEditForm>(data, session, this)),
      ownerDialog_(std::make_unique<OwnerFormDialog>(*ownerForm_)),
      editor_(std::make_unique<EntryEditor>(data, session.armbands, *ownerDialog_)),
      panel_(new EntryPanelWidget(this))
{
    setObjectName(QStringLiteral("entryDesk"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel_);

    connect(panel_, &EntryPanelWidget::typingStarted, this, [this] {
        if (!editing() && !data_.TzDbf1()->isEmpty())
            run([this] { editor_->beginEditing(); });
    });
    connect(panel_, &EntryPanelWidget::registrationLeft, this, [this] {
        if (!editing() || QApplication::focusWidget() == nullptr)
            return;
        run([this] {
            storeBoxes();
            const bool wasAdding = editor_->adding();
            const QString focus = editor_->leaveRegistration();
            if (!editor_->adding() && wasAdding) {
                afterMove(); // went to the entry there was
            } else {
                showCurrent();
            }
            focusOn(focus);
        });
    });
    connect(panel_, &EntryPanelWidget::breedLeft, this, [this] {
        if (!editing())
            return;
        run([this] {
            storeBoxes();
            if (editor_->leaveBreed())
                reloadBreeds();
            editor_->dogDetailsTouched();
        });
    });
    connect(panel_, &EntryPanelWidget::armbandLeft, this, [this] {
        if (!editing())
            return;
        run([this] {
            storeBoxes();
            if (!editor_->leaveArmband())
                focusOn(QStringLiteral("arm"));
        });
    });
    connect(panel_, &EntryPanelWidget::ownerPickListLeft, this, [this](const QString& typed) {
        run([this, typed] {
            storeBoxes();
            const QString focus = editor_->leaveOwnerPickList(typed);
            showCurrent();
            focusOn(focus);
        });
    });
    connect(panel_, &EntryPanelWidget::ownerFieldEntered, this, [this] {
        if (data_.TzDbf1()->isEmpty() && !editing())
            return;
        run([this] {
            if (editing())
                storeBoxes();
            const QString focus = editor_->enterOwnerField();
            showCurrent();
            focusOn(focus);
        });
    });
    connect(panel_, &EntryPanelWidget::dogDetailsEntered, this, [this] {
        if (!data_.TzDbf1()->isEmpty() || editing())
            run([this] {
                const bool was = editing();
                editor_->dogDetailsTouched();
                if (!was)
                    emit editingChanged(true);
            });
    });
    connect(panel_, &EntryPanelWidget::classLabelClicked, this,
            [this](const ClassCodes::ClassCode* cls) {
                run([this, cls] {
                    if (editing())
                        storeBoxes();
                    editor_->enterInAllTrials(*cls);
                    showCurrent();
                });
            });
    connect(panel_, &EntryPanelWidget::changeOwnerClicked, this, [this] {
        run([this] {
            if (editing())
                storeBoxes();
            const QString focus = editor_->changeOwner();
            showCurrent();
            focusOn(focus);
        });
    });
    connect(panel_, &EntryPanelWidget::ownerHelpClicked, this, [this] { emit showHelp(); });
    watchKeys();
}

EntryDeskWidget::~EntryDeskWidget() = default;

bool EntryDeskWidget::editing() const
{
    return data_.TzDbf1() && data_.TzDbf1()->state() != dbf::Table::State::Browse;
}

template <typename Step> void EntryDeskWidget::run(Step step)
{
    if (handling_)
        return;
    handling_ = true;
    const bool wasEditing = editing();
    runGuarded(messages_, step);
    handling_ = false;
    if (editing() != wasEditing)
        emit editingChanged(editing());
    updateStatus();
    // A button takes the focus once the buttons are enabled for the new state.
    if (pendingFocus_) {
        emit focusButton(*pendingFocus_);
        pendingFocus_.reset();
    }
}

void EntryDeskWidget::watchKeys()
{
    for (QWidget* box : panel_->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(box) || qobject_cast<QComboBox*>(box) ||
            box->focusPolicy() != Qt::NoFocus)
            box->installEventFilter(this);
    }
    // Automatic capitals in names, addresses and notes, and from word to word
    // in the breeder, sire, dam and co-owner boxes.
    auto* textStart = new AutoCapsFilter(AutoCapsRule::TextStart, this);
    auto* wordStart = new AutoCapsFilter(AutoCapsRule::WordStart, this);
    for (const char* field : {"dog", "handler", "notes"})
        textStart->watch(panel_->fieldBox(QString::fromLatin1(field)));
    for (const char* name : {"breeder", "sire", "dam", "owner2"})
        wordStart->watch(panel_->dogBox(QString::fromLatin1(name)));
    auto* nameList = new AutoCapsFilter(AutoCapsRule::NameList, this);
    nameList->watch(panel_->ownerPickList()->lineEdit());
    for (AutoCapsFilter* filter : {textStart, wordStart, nameList})
        filter->setEnabled(session_.keyboard.autoCaps);
}

bool EntryDeskWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    KeyboardSettings keys = session_.keyboard;
    keys.enterAsTab = keys.mainEnterAsTab; // the entry desk keeps its own Enter-as-Tab
    switch (dataEntryKey(keys, key->key(), key->modifiers())) {
    case DataEntryKey::NextField:
        if (watched == panel_->ownerPickList() || watched == panel_->ownerPickList()->lineEdit())
            return false; // the pick list takes its Enter itself
        focusNextChild();
        return true;
    case DataEntryKey::PreviousField:
        focusPreviousChild();
        return true;
    case DataEntryKey::Save:
        if (editing())
            save();
        return true;
    case DataEntryKey::Cancel:
        if (editing())
            cancel();
        return true;
    case DataEntryKey::None:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void EntryDeskWidget::showOpened()
{
    dbf::Table& entries = *data_.TzDbf1();
    entries.clearFilter();
    deletesHidden_ = false;
    entries.setOrder(EntryOrders::lastName().tag.toString().toStdString());
    entries.first();
    editor_->showOpened();
    panel_->enableClasses(editor_->offered());
    reloadBreeds();
    afterMove();
    emit orderStatusChanged(EntryOrders::lastName().status.toString());
    if (entries.recordCount() == 0) {
        messages_.inform(QStringLiteral(
            "         This is a New (Empty) show.;;      Click the ADD button to begin entering "
            "data.;;Be sure to click the SAVE button after the data is inputted."));
        panel_->showMaxCodes({});
        emit focusButton(EntryButton::Add);
    } else {
        emit focusButton(EntryButton::Find);
    }
}

void EntryDeskWidget::detach()
{
    detached_ = true;
}

void EntryDeskWidget::reattach()
{
    detached_ = false;
    refresh();
}

void EntryDeskWidget::refresh()
{
    if (!data_.TzDbf1() || editing())
        return;
    afterMove();
}

void EntryDeskWidget::showAllFromTheStart()
{
    run([this] {
        dbf::Table& entries = *data_.TzDbf1();
        entries.clearFilter();
        deletesHidden_ = false;
        entries.setOrder(EntryOrders::lastName().tag.toString().toStdString());
        entries.first();
        afterMove();
        emit orderStatusChanged(EntryOrders::lastName().status.toString());
    });
}

void EntryDeskWidget::afterMove()
{
    if (detached_)
        return;
    editor_->recordMoved();
    showCurrent();
    updateStatus();
}

void EntryDeskWidget::showCurrent()
{
    const dbf::Table& entries = *data_.TzDbf1();
    panel_->showEntry(entries, editor_->owner().display(), editor_->dog());
    if (editor_->ownerPickListShown()) {
        QStringList owners;
        for (const OwnerPickList::Item& item : editor_->owner().pickList().items())
            owners << item.text;
        panel_->showOwnerPickList(true, owners);
    } else {
        panel_->showOwnerPickList(false);
    }
    panel_->showMaxCodes(data_.maxLinkCodes());
}

void EntryDeskWidget::storeBoxes()
{
    if (!editing())
        return;
    panel_->storeEntry(*data_.TzDbf1());
    editor_->dog() = panel_->dogDetails();
}

void EntryDeskWidget::focusOn(const QString& target)
{
    if (target == u"Add")
        pendingFocus_ = EntryButton::Add;
    else if (target == u"Edit")
        pendingFocus_ = EntryButton::Edit;
    else if (target == u"Find")
        pendingFocus_ = EntryButton::Find;
    else if (target == u"ownerPickList")
        panel_->ownerPickList()->setFocus();
    else if (QWidget* box = panel_->fieldBox(target))
        box->setFocus();
}

void EntryDeskWidget::updateStatus()
{
    const dbf::Table& entries = *data_.TzDbf1();
    const qint64 recno = entries.state() == dbf::Table::State::Insert ? 0 : entries.recno();
    emit recordStatusChanged(QStringLiteral("Rec # ") + TextRules::RightAligned(recno, 5) +
                             QStringLiteral(" / ") +
                             TextRules::RightAligned(entries.recordCount(), 5));
}

void EntryDeskWidget::move(void (dbf::Table::*step)())
{
    run([this, step] {
        if (editing()) {
            storeBoxes();
            editor_->save();
        }
        (data_.TzDbf1()->*step)();
        afterMove();
    });
}

void EntryDeskWidget::goFirst()
{
    move(&dbf::Table::first);
}

void EntryDeskWidget::goPrior()
{
    move(&dbf::Table::prior);
}

void EntryDeskWidget::goNext()
{
    move(&dbf::Table::next);
}

void EntryDeskWidget::goLast()
{
    move(&dbf::Table::last);
}

void EntryDeskWidget::add()
{
    run([this] {
        const QString focus = editor_->add();
        showCurrent();
        focusOn(focus);
    });
}

void EntryDeskWidget::edit()
{
    run([this] {
        if (const auto focus = editor_->edit())
            focusOn(*focus);
    });
}

void EntryDeskWidget::save()
{
    run([this] {
        storeBoxes();
        const EntryEditor::SaveOutcome saved = editor_->save();
        showCurrent();
        focusOn(saved.focus);
    });
}

void EntryDeskWidget::cancel()
{
    run([this] {
        editor_->cancel();
        showCurrent();
    });
}

void EntryDeskWidget::toggleDeleted()
{
    run([this] {
        editor_->toggleDeleted();
        panel_->showDeleted(data_.TzDbf1()->deleted());
    });
}

void EntryDeskWidget::find()
{
    run([this] {
        const EntryFind::Outcome found = finder_.find(*data_.TzDbf1(), messages_);
        if (found == EntryFind::Outcome::Found || found == EntryFind::Outcome::NotFound)
            afterMove();
    });
}

void EntryDeskWidget::selectOrder(MenuAction action)
{
    const EntryOrder* order = EntryOrders::forAction(action);
    if (!order)
        return;
    run([this, order] {
        data_.TzDbf1()->setOrder(order->tag.toString().toStdString());
        emit orderStatusChanged(order->status.toString());
    });
}

QString EntryDeskWidget::toggleHideDeletes()
{
    run([this] {
        dbf::Table& entries = *data_.TzDbf1();
        deletesHidden_ = !deletesHidden_;
        if (deletesHidden_)
            entries.setFilter([](const dbf::RecordView& entry) { return !entry.deleted(); });
        else
            entries.clearFilter();
        if (entries.recno() == 0 || (deletesHidden_ && entries.deleted()))
            entries.first();
        afterMove();
    });
    return deletesHidden_ ? QStringLiteral("Show Deletes") : QStringLiteral("Hide Deletes");
}

void EntryDeskWidget::pack()
{
    run([this] {
        MessageRequest question;
        question.text =
            QStringLiteral("Packing the database will permanently remove;all the records marked as "
                           "\"Deleted\".;Are you sure that is what you want?");
        question.buttons = QStringLiteral("Cancel Pack");
        question.kind = MessageKind::Question;
        question.cautiousAnswer = u'C';
        dbf::Table& entries = *data_.TzDbf1();
        if (messages_.ask(question) == u'P') {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            struct Restore {
                ~Restore() { QApplication::restoreOverrideCursor(); }
            } restore;
            entries.pack();
        }
        entries.first();
        afterMove();
    });
}

void EntryDeskWidget::reloadBreeds()
{
    panel_->setBreeds(breedPickList(data_));
}
