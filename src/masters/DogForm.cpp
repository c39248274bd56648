#include "masters/DogForm.h"

#include "entry/OwnerDialog.h"
#include "masters/BreedPickList.h"
#include "masters/DogMasterRules.h"
#include "masters/OwnerEditForm.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "storage/SessionSettings.h"
#include "ui/AutoCaps.h"
#include "ui/BreedPickWidget.h"
#include "ui/SavedGeometryWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QFormLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QValidator>

#include <functional>

namespace
{

const QString kWindowClass = QStringLiteral("TDogForm");

// The registration number is kept in capitals, however it is typed.
class UpperCase : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// The owner dialog of the desktop as the owner change asks for it.
class OwnerEditDialog : public OwnerDialog
{
public:
    explicit OwnerEditDialog(TOwnerEditForm& form) : form_(form) {}
    OwnerHandOver run(bool adding, const QString& typedName) override
    {
        return form_.run(adding, typedName);
    }

private:
    TOwnerEditForm& form_;
};

// The layout that holds `widget`, searched from `layout` down.
QBoxLayout* layoutHolding(QLayout* layout, QWidget* widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout* found = layoutHolding(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

QFormLayout* makeColumn()
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

// The box of the owner pick field. It says when it is left (by Enter, by
// Escape, which keeps the owner, or by the focus going elsewhere) and puts in
// the automatic capitals of the pick rule, in its own handlers: a box inside
// a list gets its keys and its focus from the list directly, past any event
// filter.
class OwnerPickEdit : public QLineEdit
{
public:
    enum class Leaving { Enter, Escape, Focus };
    std::function<void(Leaving)> left;
    bool autoCaps = true;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        if (left && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
            left(key == Qt::Key_Escape ? Leaving::Escape : Leaving::Enter);
            return;
        }
        const QString typed = event->text();
        const TypingPoint point{text(), cursorPosition(), selectionStart(),
                                int(selectedText().size())};
        if (autoCaps && typed.size() == 1 && typed.at(0).isLower() &&
            autoCapsApplies(AutoCapsRule::OwnerPick, point)) {
            QKeyEvent capital(QEvent::KeyPress, key, event->modifiers() | Qt::ShiftModifier,
                              typed.toUpper(), event->isAutoRepeat(), ushort(event->count()));
            QLineEdit::keyPressEvent(&capital);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        // The completer's list and a window coming in front take the focus
        // for a moment only.
        const Qt::FocusReason reason = event->reason();
        if (left && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            left(Leaving::Focus);
    }
};

} // namespace

TDogForm::TDogForm(Tdmod& data, SessionSettings& session, QWidget* parent)
    : MasterTableWindow(*data.Dogs(), data.messages(), parent), data_(data), session_(session),
      ownerForm_(std::make_unique<TOwnerEditForm>(data, session, this)),
      ownerDialog_(std::make_unique<OwnerEditDialog>(*ownerForm_)),
      ownerChange_(data, *ownerDialog_)
{
    setObjectName(kWindowClass);
    setWindowTitle(QStringLiteral("Dog Master Database"));
    // A key missing from the preferences counts as on in this window.
    session_.reloadKeyboard(data_.preferences(), true);
    setKeyboardSettings(session_.keyboard);

    setHint(addButton(), QStringLiteral("Add a new Entry"));
    setHint(editButton(), QStringLiteral("Edit the current Entry"));
    setHint(deleteButton(), QStringLiteral("Toggle Delete/UnDelete"));
    setHint(findButton(), QStringLiteral("Find by the current index"));
    setHint(saveButton(), QStringLiteral("Save the current data"));
    setHint(cancelButton(), QStringLiteral("Cancel the current edits"));
    gridButton_ = new QPushButton;
    gridButton_->setAutoDefault(false);
    if (QBoxLayout* row = layoutHolding(layout(), closeButton()))
        row->insertWidget(row->indexOf(closeButton()), gridButton_);
    connect(gridButton_, &QPushButton::clicked, this, &TDogForm::toggleGrid);

    // --- The data panel: the dog, its pedigree, its heights, its owner -----------
    QFormLayout* dog = makeColumn();
    QLineEdit* reg = addBox(dog, QStringLiteral("Registration #"), QStringLiteral("reg"));
    reg->setValidator(new UpperCase(reg));
    setAutoCaps(addBox(dog, QStringLiteral("Dog's Registered Name"), QStringLiteral("dog")));
    setAutoCaps(addBox(dog, QStringLiteral("Title Prefix"), QStringLiteral("titles_pre")));
    setAutoCaps(addBox(dog, QStringLiteral("Titles Suffix"), QStringLiteral("titles_end")));
    breed_ = new BreedPickWidget;
    breed_->setBreeds(breedPickList(data_));
    dog->addRow(QStringLiteral("Breed "), breed_);
    static_cast<QLabel*>(dog->labelForField(breed_))->setBuddy(breed_);
    bind(breed_, QStringLiteral("breed"));
    QComboBox* sex = addList(dog, QStringLiteral("Sex"), QStringLiteral("sex"));
    sex->addItems(DogMasterRules::sexItems());
    QLineEdit* birthdate = addBox(dog, QStringLiteral("Birthdate"), QStringLiteral("bdate"));
    birthdate->setPlaceholderText(QStringLiteral("MM/DD/YYYY"));
    addBox(dog, QStringLiteral("Reg Country"), QStringLiteral("reg_ctry"));

    QFormLayout* pedigree = makeColumn();
    for (const auto& [caption, field] :
         {std::pair{QStringLiteral("Breeder"), QStringLiteral("breeder")},
          std::pair{QStringLiteral("Sire"), QStringLiteral("sire")},
          std::pair{QStringLiteral("Dam"), QStringLiteral("dam")},
          std::pair{QStringLiteral("Owners2"), QStringLiteral("owner2")}})
        setAutoCaps(addBox(pedigree, caption, field), AutoCapsRule::WordStart);
    addBox(pedigree, QStringLiteral("Owner ID"), QStringLiteral("owner_id"))->setReadOnly(true);
    addBox(pedigree, QStringLiteral("Info Modified"), QStringLiteral("modified"))
        ->setReadOnly(true);
    // Binding limits a box to the stored width, 8 for a date, but a date
    // shows as MM/DD/YYYY.
    for (const char* date : {"bdate", "modified"})
        box(QString::fromLatin1(date))->setMaxLength(10);

    QFormLayout* heights = makeColumn();
    const auto heightList = [&](const QString& caption, const QString& field,
                                const QList<DogMasterRules::ListItem>& items) {
        QComboBox* list = addList(heights, caption, field);
        for (const DogMasterRules::ListItem& item : items)
            list->addItem(item.shown, item.stored);
        return list;
    };
    heightList(QStringLiteral("High Jump Ht"), QStringLiteral("ob_jmpht"),
               DogMasterRules::obedienceHeights());
    heightList(QStringLiteral("Rally Jump Ht"), QStringLiteral("rallyjmpht"),
               DogMasterRules::rallyHeights());
    // Carried in the table for other programs, not edited here.
    heightList(QStringLiteral("Agility Jump Ht"), QStringLiteral("ag_jmpht"),
               DogMasterRules::agilityHeights())
        ->setEnabled(false);
    heightList(QStringLiteral("ISC Jmp Ht"), QStringLiteral("isc_jmpht"),
               DogMasterRules::iscHeights())
        ->setEnabled(false);
    QComboBox* card = addList(heights, QStringLiteral("Height Card"), QStringLiteral("ht_card"));
    card->addItems(DogMasterRules::heightCardItems());
    card->setEnabled(false);

    auto* panel = new QHBoxLayout(dataPanel());
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(dog, 3);
    panel->addLayout(pedigree, 3);
    panel->addLayout(heights, 1);
    panel->addWidget(makeOwnerPanel(), 3);
    setFirstField(reg);

    // --- The grid ------------------------------------------------------------------
    const QStringList columns{
        QStringLiteral("reg"),     QStringLiteral("dog"),      QStringLiteral("breed"),
        QStringLiteral("sex"),     QStringLiteral("first"),    QStringLiteral("last"),
        QStringLiteral("owner2"),  QStringLiteral("breeder"),  QStringLiteral("sire"),
        QStringLiteral("dam"),     QStringLiteral("bdate"),    QStringLiteral("callname"),
        QStringLiteral("ht_card"), QStringLiteral("owner_id"), QStringLiteral("modified")};
    model().setColumns(columns);
    for (int column = 0; column < columns.size(); ++column)
        model().setHeader(column, columns.at(column));

    // --- Menus ---------------------------------------------------------------------
    // Alt+F is the Find button's; the menu takes the L of File.
    auto* file = new QMenu(QStringLiteral("Fi&le"), menuBar());
    connect(file->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &TDogForm::close);
    menuBar()->insertMenu(indexMenu()->menuAction(), file);
    auto* view = new QMenu(QStringLiteral("&View"), menuBar());
    gridAction_ = view->addAction(QString());
    deletesAction_ = view->addAction(QString());
    connect(gridAction_, &QAction::triggered, this, &TDogForm::toggleGrid);
    connect(deletesAction_, &QAction::triggered, this, &TDogForm::toggleDeletes);
    menuBar()->insertMenu(tasksMenu()->menuAction(), view);
    offerRemoveAll(QStringLiteral("Are you sure you want to permanently remove all Dogs?"));
    removeAllAction()->setText(QStringLiteral("Remove ALL Records from Database"));

    for (const MasterOrder& order : DogMasterRules::orders())
        addOrder(order);
    browser().setSaveRules(std::make_unique<DogSaveRules>());
    showViewCaptions();
    startBrowsing(0);
}

TDogForm::~TDogForm()
{
    leaveTableAsFound();
}

QLineEdit* TDogForm::addBox(QFormLayout* form, const QString& caption, const QString& field)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(field);
    auto* label = new QLabel(caption);
    label->setBuddy(edit);
    form->addRow(label, edit);
    bind(edit, field);
    boxes_.insert(field, edit);
    return edit;
}

QComboBox* TDogForm::addList(QFormLayout* form, const QString& caption, const QString& field)
{
    auto* list = new QComboBox;
    list->setObjectName(field);
    auto* label = new QLabel(caption);
    label->setBuddy(list);
    form->addRow(label, list);
    bind(list, field);
    lists_.insert(field, list);
    return list;
}

QWidget* TDogForm::makeOwnerPanel()
{
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* lines = new QVBoxLayout(frame);
    ownerName_ = new QLabel;
    QFont bold = ownerName_->font();
    bold.setBold(true);
    ownerName_->setFont(bold);
    ownerAddress_ = new QLabel;
    ownerEmail_ = new QLabel;
    ownerPhone_ = new QLabel;
    ownerNote_ = new QLabel(QStringLiteral(
        "Select Owner by Highlighting Name then hit Enter. To Add a New Owner - either enter "
        "part or all of the Last Name then hit Enter"));
    ownerNote_->setWordWrap(true);
    changeOwnerButton_ = new QPushButton(QStringLiteral("Change Owner"));
    changeOwnerButton_->setAutoDefault(false);
    connect(changeOwnerButton_, &QPushButton::clicked, this, &TDogForm::changeOwner);
    // With a buddy the label reads "&&" as one ampersand, as a caption does,
    // so the name line shows an ampersand between names as it is.
    ownerName_->setBuddy(changeOwnerButton_);

    ownerPick_ = new QComboBox;
    ownerPick_->setObjectName(QStringLiteral("ownerPick"));
    auto* pickEdit = new OwnerPickEdit;
    pickEdit->autoCaps = keyboardSettings().autoCaps;
    pickEdit->left = [this](OwnerPickEdit::Leaving how) {
        if (!changingOwner_)
            return;
        // Escape leaves the owner as it was.
        if (how == OwnerPickEdit::Leaving::Escape)
            ownerPick_->setEditText(ownerChange_.begin(table()));
        finishOwnerChange();
        if (how != OwnerPickEdit::Leaving::Focus)
            changeOwnerButton_->setFocus();
    };
    ownerPick_->setLineEdit(pickEdit);
    ownerPick_->setInsertPolicy(QComboBox::NoInsert);
    ownerPick_->setMaxVisibleItems(20);
    // The list drops down with the owners whose list text holds what is typed,
    // with its capitals, as the pick rule reads it.
    ownerPick_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    ownerPick_->completer()->setFilterMode(Qt::MatchContains);
    ownerPick_->completer()->setCaseSensitivity(Qt::CaseSensitive);

    lines->addWidget(ownerName_);
    lines->addWidget(ownerAddress_);
    lines->addWidget(ownerEmail_);
    lines->addWidget(ownerPhone_);
    lines->addWidget(ownerNote_);
    lines->addWidget(ownerPick_);
    auto* button = new QHBoxLayout;
    button->addWidget(changeOwnerButton_);
    button->addStretch();
    lines->addLayout(button);
    lines->addStretch();
    ownerNote_->hide();
    ownerPick_->hide();
    frame->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    return frame;
}

void TDogForm::afterRecordShown()
{
    showOwner();
}

void TDogForm::showOwner()
{
    const bool hasDog = !table().isEmpty() || table().state() == dbf::Table::State::Insert;
    const DogMasterRules::OwnerDisplay shown = DogMasterRules::ownerDisplay(
        *data_.Owners(),
        hasDog ? TableModel::fieldText(table(), QStringLiteral("owner_id")) : QString());
    ownerName_->setText(shown.name);
    ownerAddress_->setText(shown.address);
    ownerEmail_->setText(shown.email);
    ownerPhone_->setText(shown.phone);
    // The owner is written straight into the stored record: there must be one,
    // and no edit of it under way.
    changeOwnerButton_->setEnabled(!table().isEmpty() && !browser().editing());
}

void TDogForm::showOwnerChange(bool changing)
{
    changingOwner_ = changing;
    for (QWidget* line :
         {static_cast<QWidget*>(ownerAddress_), static_cast<QWidget*>(ownerEmail_),
          static_cast<QWidget*>(ownerPhone_), static_cast<QWidget*>(changeOwnerButton_)})
        line->setVisible(!changing);
    ownerNote_->setVisible(changing);
    ownerPick_->setVisible(changing);
}

void TDogForm::changeOwner()
{
    if (changingOwner_ || browser().editing() || table().isEmpty())
        return;
    QString start;
    QStringList owners;
    if (!::runGuarded(messages(), [&] {
            start = ownerChange_.begin(table());
            for (const OwnerPickList::Item& item : ownerChange_.pickList().items())
                owners << item.text;
        }))
        return;
    ownerPick_->clear();
    ownerPick_->addItems(owners);
    ownerPick_->setCurrentIndex(-1);
    ownerPick_->setEditText(start);
    showOwnerChange(true);
    ownerPick_->setFocus();
    ownerPick_->lineEdit()->selectAll();
}

void TDogForm::finishOwnerChange()
{
    if (!changingOwner_)
        return;
    // Cleared first: the owner dialog takes the focus from the pick field.
    changingOwner_ = false;
    const QString typed = ownerPick_->currentText();
    ::runGuarded(messages(), [&] { ownerChange_.finish(table(), typed); });
    showOwnerChange(false);
    refreshAll();
}

bool TDogForm::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the pick field picks the owner, whatever Enter does elsewhere:
    // the field takes it itself.
    if ((watched == ownerPick_ || watched == ownerPick_->lineEdit()) &&
        event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return false;
    }
    return MasterTableWindow::eventFilter(watched, event);
}

void TDogForm::toggleGrid()
{
    gridShown_ = !gridShown_;
    grid()->setVisible(gridShown_);
    showViewCaptions();
    if (gridShown_) {
        grid()->raise();
        growToContents();
    } else {
        // The boxes alone need no more than their own height, once the
        // layout has let go of the grid.
        layout()->activate();
        resize(width(), minimumSizeHint().height());
    }
}

void TDogForm::toggleDeletes()
{
    if (browser().editing() && !save())
        return;
    deletesHidden_ = !deletesHidden_;
    if (deletesHidden_)
        table().setFilter([](const dbf::RecordView& dog) { return !dog.deleted(); });
    else
        table().clearFilter();
    if (table().isEmpty() || (deletesHidden_ && table().deleted()))
        table().first();
    showViewCaptions();
    refreshAll();
}

void TDogForm::showViewCaptions()
{
    gridButton_->setText(gridShown_ ? QStringLiteral("Hide &Grid") : QStringLiteral("Show &Grid"));
    gridAction_->setText(gridShown_ ? QStringLiteral("Hide &Grid") : QStringLiteral("Show Grid"));
    deletesAction_->setText(deletesHidden_ ? QStringLiteral("Show Deletes")
                                           : QStringLiteral("Hide Deletes"));
}

void TDogForm::showEvent(QShowEvent* event)
{
    MasterTableWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        // Where the secretary left it last time, else as the base placed it.
        if (data_.preferences().windowGeometry(kWindowClass).hasSize())
            restoreWindowGeometry(this, data_.preferences(), kWindowClass);
    }
    ownerChange_.reloadPickList();
    findButton()->setFocus();
}

void TDogForm::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous()) {
        leaveTableAsFound();
        if (!saveWindowGeometry(this, data_.preferences(), kWindowClass))
            messages().error(data_.preferences().errorString());
    }
    MasterTableWindow::hideEvent(event);
}

void TDogForm::leaveTableAsFound()
{
    if (deletesHidden_) {
        table().clearFilter();
        deletesHidden_ = false;
        showViewCaptions();
    }
    table().setOrder(DogMasterRules::kRegistrationTag);
}

void openDogMasterWindow(Tdmod& data, SessionSettings& session, QWidget* parent)
{
    data.OpenDogs();
    data.OpenOwners();
    if (!data.Dogs() || !data.Owners())
        return;
    TDogForm window(data, session, parent);
    window.exec();
}
