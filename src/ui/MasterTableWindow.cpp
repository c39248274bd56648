#include "MasterTableWindow.h"

#include "storage/CommandGuard.h"

#include "dbf/Error.h"
#include "storage/Messages.h"
#include "ui/DataEntryKeys.h"
#include "ui/RecordNavigatorWidget.h"
#include "ui/SavedGeometryWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

// Light pink: the colour of every box while the record carries the deletion mark.
const QColor kDeletedColour(255, 182, 193);

// The grid's columns are as wide as what this many rows around the first
// ones show, and never wider than this many average characters.
constexpr int kMeasuredRows = 200;
constexpr int kWidestColumnCharacters = 40;
// The rows a grid shows when the window first opens, as far as the screen allows.
constexpr int kShownRows = 12;

} // namespace

MasterTableWindow::MasterTableWindow(dbf::Table& table, Messages& messages, QWidget* parent)
    : QDialog(parent), browser_(table, messages), model_(new TableModel(table, this))
{
    setModal(true);
    keyboard_ = {false, false, false, false};

    menuBar_ = new QMenuBar(this);
    indexMenu_ = menuBar_->addMenu(QStringLiteral("&Index"));
    orderGroup_ = new QActionGroup(this);
    orderGroup_->setExclusive(true);
    tasksMenu_ = menuBar_->addMenu(QStringLiteral("&Tasks"));
    packAction_ = tasksMenu_->addAction(QStringLiteral("Pack/Remove Deletes"));
    connect(packAction_, &QAction::triggered, this, &MasterTableWindow::pack);

    auto* tools = new QHBoxLayout;
    navigator_ = new RecordNavigatorWidget;
    tools->addWidget(navigator_);
    connect(navigator_, &RecordNavigatorWidget::firstClicked, this, &MasterTableWindow::goFirst);
    connect(navigator_, &RecordNavigatorWidget::priorClicked, this, &MasterTableWindow::goPrior);
    connect(navigator_, &RecordNavigatorWidget::nextClicked, this, &MasterTableWindow::goNext);
    connect(navigator_, &RecordNavigatorWidget::lastClicked, this, &MasterTableWindow::goLast);
    tools->addSpacing(12);

    addButton_ = makeButton(QStringLiteral("&Add"), QStringLiteral("Add a new record"));
    editButton_ = makeButton(QStringLiteral("&Edit"), QStringLiteral("Edit the current record"));
    deleteButton_ = makeButton(QStringLiteral("&Delete "),
                               QStringLiteral("Toggle Delete/UnDelete current record"));
    findButton_ = makeButton(QStringLiteral("&Find"), QStringLiteral("Find by Current Index"));
    saveButton_ = makeButton(QStringLiteral("&Save"), QStringLiteral("Save the current data"));
    cancelButton_ =
        makeButton(QStringLiteral("&Cancel"), QStringLiteral("Cancel the current edits"));
    closeButton_ = makeButton(QStringLiteral("Cl&ose"), QStringLiteral("Close this window"));
    for (QPushButton* button : {addButton_, editButton_, deleteButton_, findButton_, saveButton_,
                                cancelButton_, closeButton_})
        tools->addWidget(button);
    tools->addStretch();
    connect(addButton_, &QPushButton::clicked, this, &MasterTableWindow::add);
    connect(editButton_, &QPushButton::clicked, this, &MasterTableWindow::edit);
    connect(deleteButton_, &QPushButton::clicked, this, &MasterTableWindow::toggleDeleted);
    connect(findButton_, &QPushButton::clicked, this, &MasterTableWindow::find);
    connect(saveButton_, &QPushButton::clicked, this, &MasterTableWindow::save);
    connect(cancelButton_, &QPushButton::clicked, this, &MasterTableWindow::cancel);
    connect(closeButton_, &QPushButton::clicked, this, &MasterTableWindow::close);

    dataPanel_ = new QWidget;
    deletionLabel_ = new QLabel(MasterTableBrowser::deletionText(false));
    QFont bold = deletionLabel_->font();
    bold.setBold(true);
    deletionLabel_->setFont(bold);
    QPalette red = deletionLabel_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    deletionLabel_->setPalette(red);

    grid_ = new QTableView;
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { followGrid(current); });
    connect(model_, &QAbstractItemModel::modelReset, this, &MasterTableWindow::selectGridRow);
    connect(model_, &TableModel::editingStarted, this, [this] {
        updateButtons();
        recordPanel_->setText(browser_.recordText());
    });

    // Three panels, each in its own sunken frame as on the main window: the
    // hint of whatever is under the mouse, the record and the order.
    statusBar_ = new QStatusBar;
    statusBar_->setSizeGripEnabled(false);
    hintPanel_ = new QLabel;
    recordPanel_ = new QLabel(QStringLiteral("Rec #"));
    indexPanel_ = new QLabel(QStringLiteral("Current Index ="));
    hintPanel_->setObjectName(QStringLiteral("hintPanel"));
    recordPanel_->setObjectName(QStringLiteral("recordPanel"));
    indexPanel_->setObjectName(QStringLiteral("indexPanel"));
    for (QLabel* panel : {hintPanel_, recordPanel_, indexPanel_})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar_->addWidget(hintPanel_, 1);
    statusBar_->addWidget(recordPanel_);
    statusBar_->addWidget(indexPanel_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addLayout(tools);
    layout->addWidget(dataPanel_);
    layout->addWidget(deletionLabel_);
    layout->addWidget(grid_, 1);
    layout->addWidget(statusBar_);

    updateButtons();
}

QPushButton* MasterTableWindow::makeButton(const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption);
    // Enter belongs to the boxes (Enter as Tab), not to whichever button is default.
    button->setAutoDefault(false);
    setHint(button, hint);
    return button;
}

void MasterTableWindow::setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

QToolButton* MasterTableWindow::navigatorButton(int which) const
{
    return which >= 0 && which < 4 ? navigator_->button(RecordNavigatorWidget::Button(which))
                                   : nullptr;
}

QMenu* MasterTableWindow::addMenu(const QString& title)
{
    return menuBar_->addMenu(title);
}

void MasterTableWindow::addOrder(const MasterOrder& order)
{
    const int index = int(browser_.orders().size());
    browser_.addOrder(order);
    QAction* action = indexMenu_->addAction(order.caption);
    action->setCheckable(true);
    if (!order.hint.isEmpty())
        action->setStatusTip(order.hint);
    orderGroup_->addAction(action);
    connect(action, &QAction::triggered, this, [this, index] { selectOrder(index); });
}

void MasterTableWindow::offerRemoveAll(const QString& question)
{
    removeAllQuestion_ = question;
    if (!removeAllAction_) {
        removeAllAction_ =
            tasksMenu_->addAction(QStringLiteral("Remove All Records from Database"));
        connect(removeAllAction_, &QAction::triggered, this, &MasterTableWindow::removeAll);
    }
}

void MasterTableWindow::setKeyboardSettings(const KeyboardSettings& keyboard)
{
    keyboard_ = keyboard;
    for (AutoCapsFilter* filter : autoCaps_)
        filter->setEnabled(keyboard_.autoCaps);
}

void MasterTableWindow::setAutoCaps(QLineEdit* box, AutoCapsRule rule)
{
    auto* filter = new AutoCapsFilter(rule, box);
    filter->setEnabled(keyboard_.autoCaps);
    filter->watch(box);
    autoCaps_ << filter;
}

void MasterTableWindow::bind(QLineEdit* box, const QString& field)
{
    const int position = table().fieldIndex(field.toStdString());
    if (position >= 0)
        box->setMaxLength(table().fields().at(position).width);
    bindings_.append({box, field});
    connect(box, &QLineEdit::textEdited, this, &MasterTableWindow::startEditFromBox);
}

void MasterTableWindow::bind(QCheckBox* box, const QString& field)
{
    bindings_.append({box, field});
    connect(box, &QCheckBox::clicked, this, &MasterTableWindow::startEditFromBox);
}

void MasterTableWindow::bind(QComboBox* box, const QString& field)
{
    bindings_.append({box, field});
    connect(box, &QComboBox::activated, this, &MasterTableWindow::startEditFromBox);
    if (box->lineEdit())
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                &MasterTableWindow::startEditFromBox);
}

void MasterTableWindow::addColouredField(QWidget* widget)
{
    coloured_ << widget;
}

void MasterTableWindow::startEditFromBox()
{
    if (loading_ || browser_.editing())
        return;
    if (runGuarded([this] { browser_.startEdit(); }))
        updateButtons();
}

void MasterTableWindow::loadFields()
{
    loading_ = true;
    const bool hasRecord = !table().isEmpty() || browser_.editing();
    for (const Binding& binding : bindings_) {
        const QString value = hasRecord ? TableModel::fieldText(table(), binding.field) : QString();
        if (auto* line = qobject_cast<QLineEdit*>(binding.widget)) {
            line->setText(value);
            line->setCursorPosition(0);
        } else if (auto* check = qobject_cast<QCheckBox*>(binding.widget)) {
            check->setChecked(value == QStringLiteral("T"));
        } else if (auto* combo = qobject_cast<QComboBox*>(binding.widget)) {
            if (combo->isEditable())
                combo->setEditText(value);
            else
                combo->setCurrentIndex(storesItemData(combo) ? combo->findData(value)
                                                             : combo->findText(value));
        }
    }
    loading_ = false;
}

bool MasterTableWindow::storesItemData(const QComboBox* combo)
{
    return combo->count() > 0 && combo->itemData(0).isValid();
}

QString MasterTableWindow::writeFields()
{
    QString unreadable;
    for (const Binding& binding : bindings_) {
        QVariant value;
        if (auto* line = qobject_cast<QLineEdit*>(binding.widget)) {
            if (line->isReadOnly())
                continue;
            value = line->text();
        } else if (auto* check = qobject_cast<QCheckBox*>(binding.widget)) {
            value = check->isChecked();
        } else if (auto* combo = qobject_cast<QComboBox*>(binding.widget)) {
            if (combo->isEditable())
                value = combo->currentText();
            else if (combo->currentIndex() < 0)
                continue; // a stored value the list does not offer stays as it is
            else
                value = storesItemData(combo) ? combo->currentData() : combo->currentText();
        }
        if (!TableModel::writeField(table(), binding.field, value) && unreadable.isEmpty())
            unreadable = unreadableText(binding, value.toString());
    }
    return unreadable;
}

QString MasterTableWindow::unreadableText(const Binding& binding, const QString& typed) const
{
    QString caption = binding.field;
    for (const QLabel* label : dataPanel_->findChildren<QLabel*>()) {
        if (label->buddy() == binding.widget) {
            caption = label->text().remove(u'&').trimmed();
            break;
        }
    }
    const int position = table().fieldIndex(binding.field.toStdString());
    const bool date = position >= 0 && table().fields().at(position).type == dbf::FieldType::Date;
    return date ? QStringLiteral("%1: \"%2\" is not a date.;Type it as MM/DD/YYYY, or leave "
                                 "the box empty.")
                      .arg(caption, typed.trimmed())
                : QStringLiteral("%1: \"%2\" is not a number.").arg(caption, typed.trimmed());
}

bool MasterTableWindow::runGuarded(const std::function<void()>& action)
{
    return ::runGuarded(messages(), action);
}

void MasterTableWindow::updateButtons()
{
    const MasterButtons buttons = browser_.buttons();
    addButton_->setEnabled(buttons.add);
    editButton_->setEnabled(buttons.edit);
    deleteButton_->setEnabled(buttons.remove);
    findButton_->setEnabled(buttons.find);
    saveButton_->setEnabled(buttons.save);
    cancelButton_->setEnabled(buttons.cancel);
    // Whole-table tasks would throw the edit away.
    packAction_->setEnabled(!browser_.editing());
    if (removeAllAction_)
        removeAllAction_->setEnabled(!browser_.editing());
}

void MasterTableWindow::paintDeletion(bool deleted)
{
    deletionLabel_->setText(MasterTableBrowser::deletionText(deleted));
    deleteButton_->setText(MasterTableBrowser::deleteCaption(deleted));
    QList<QWidget*> boxes = coloured_;
    for (const Binding& binding : bindings_)
        boxes << binding.widget;
    for (QWidget* box : boxes) {
        if (deleted) {
            QPalette pink = box->palette();
            pink.setColor(QPalette::Base, kDeletedColour);
            pink.setColor(QPalette::Button, kDeletedColour);
            box->setPalette(pink);
        } else {
            box->setPalette(QPalette());
        }
    }
}

void MasterTableWindow::showRecord()
{
    paintDeletion(!table().isEmpty() && table().deleted() &&
                  table().state() != dbf::Table::State::Insert);
    recordPanel_->setText(browser_.recordText());
    indexPanel_->setText(browser_.indexText());
    if (!browser_.editing())
        loadFields();
    selectGridRow();
    updateButtons();
    afterRecordShown();
}

void MasterTableWindow::refreshAll()
{
    model_->refresh();
    showRecord();
}

void MasterTableWindow::selectGridRow()
{
    const int row = model_->currentRow();
    if (row < 0 || grid_->currentIndex().row() == row)
        return;
    syncingGrid_ = true;
    const int column = std::max(0, grid_->currentIndex().column());
    grid_->setCurrentIndex(model_->index(row, column));
    syncingGrid_ = false;
}

void MasterTableWindow::followGrid(const QModelIndex& current)
{
    if (syncingGrid_ || !current.isValid())
        return;
    const std::uint32_t recno = model_->recordOfRow(current.row());
    if (recno == 0 || recno == table().recno())
        return;
    // Leaving a row saves it, as the data-aware grids do.
    if (browser_.editing() && !save()) {
        QMetaObject::invokeMethod(this, &MasterTableWindow::selectGridRow, Qt::QueuedConnection);
        return;
    }
    table().go(recno);
    showRecord();
}

void MasterTableWindow::selectOrder(int orderIndex)
{
    if (orderIndex < 0 || orderIndex >= browser_.orders().size())
        return;
    if (browser_.editing() && !save())
        return;
    if (!runGuarded([&] { browser_.selectOrder(orderIndex); }))
        return;
    orderGroup_->actions().at(orderIndex)->setChecked(true);
    refreshAll();
}

void MasterTableWindow::startBrowsing(int orderIndex)
{
    if (browser_.editing())
        browser_.cancel();
    selectOrder(orderIndex);
    refreshAll();
}

bool MasterTableWindow::move(void (dbf::Table::*step)())
{
    if (browser_.editing() && !save())
        return false;
    (table().*step)();
    showRecord();
    return true;
}

void MasterTableWindow::goFirst()
{
    move(&dbf::Table::first);
}

void MasterTableWindow::goPrior()
{
    move(&dbf::Table::prior);
}

void MasterTableWindow::goNext()
{
    move(&dbf::Table::next);
}

void MasterTableWindow::goLast()
{
    move(&dbf::Table::last);
}

void MasterTableWindow::add()
{
    if (browser_.editing())
        return;
    bool started = false;
    if (!runGuarded([&] { started = browser_.startAdd(); }) || !started) {
        refreshAll();
        return;
    }
    model_->refresh();
    loadFields();
    showRecord();
    focusFirstField();
}

void MasterTableWindow::edit()
{
    if (browser_.editing())
        return;
    bool started = false;
    if (!runGuarded([&] { started = browser_.startEdit(); }) || !started)
        return;
    showRecord();
    focusFirstField();
}

void MasterTableWindow::focusFirstField()
{
    if (!firstField_)
        return;
    firstField_->setFocus();
    // A window that edits in its grid starts typing in the record's first cell.
    const int row = model_->currentRow();
    if (firstField_ == grid_ && row >= 0)
        grid_->edit(model_->index(row, 0));
}

void MasterTableWindow::toggleDeleted()
{
    if (!runGuarded([this] { browser_.toggleDeleted(); }))
        return;
    refreshAll();
}

FindOutcome MasterTableWindow::find()
{
    if (browser_.editing())
        return FindOutcome::Cancelled;
    const FindOutcome outcome = browser_.find();
    showRecord();
    return outcome;
}

bool MasterTableWindow::save()
{
    if (!browser_.editing())
        return true;
    commitGridEditor();
    SaveOutcome outcome = SaveOutcome::Refused;
    QString unreadable;
    if (!runGuarded([&] {
            unreadable = writeFields();
            if (unreadable.isEmpty())
                outcome = browser_.save();
        }))
        return false;
    if (!unreadable.isEmpty())
        messages().inform(unreadable);
    if (outcome == SaveOutcome::Refused) {
        saveRefused();
        return false;
    }
    refreshAll();
    return true;
}

void MasterTableWindow::commitGridEditor()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !grid_->viewport()->isAncestorOf(focus))
        return;
    QWidget* editor = focus;
    while (editor->parentWidget() != grid_->viewport())
        editor = editor->parentWidget();
    emit grid_->itemDelegate()->commitData(editor);
    emit grid_->itemDelegate()->closeEditor(editor);
}

void MasterTableWindow::cancel()
{
    if (!browser_.editing())
        return;
    browser_.cancel();
    refreshAll();
}

void MasterTableWindow::pack()
{
    if (browser_.editing())
        return;
    if (browser_.confirmPack()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        runGuarded([this] { browser_.pack(); });
        QApplication::restoreOverrideCursor();
    } else {
        table().first();
    }
    refreshAll();
}

void MasterTableWindow::removeAll()
{
    if (browser_.editing() || !browser_.confirmRemoveAll(removeAllQuestion_))
        return;
    runGuarded([this] { removeAllRecords(); });
    refreshAll();
}

void MasterTableWindow::removeAllRecords()
{
    browser_.removeAll();
}

void MasterTableWindow::closeWhileEditing()
{
    if (!save())
        browser_.cancel();
}

void MasterTableWindow::watchKeys()
{
    for (QWidget* child : dataPanel_->findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus)
            child->installEventFilter(this);
    }
}

bool MasterTableWindow::handleDataEntryKey(QKeyEvent* key)
{
    switch (dataEntryKey(keyboard_, key->key(), key->modifiers())) {
    case DataEntryKey::NextField:
        focusNextChild();
        return true;
    case DataEntryKey::PreviousField:
        focusPreviousChild();
        return true;
    case DataEntryKey::Save:
        if (!saveButton_->isEnabled())
            return false;
        saveButton_->click();
        return true;
    case DataEntryKey::Cancel:
        if (!cancelButton_->isEnabled())
            return false;
        cancelButton_->click();
        return true;
    case DataEntryKey::None:
        break;
    }
    return false;
}

bool MasterTableWindow::handleGridKey(QKeyEvent* key)
{
    // Enter ends the cell's typing and nothing more: it must not reach the
    // window's default button, which would save the record behind the grid's back.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return true;
    // Escape in the grid abandons the record's edit; with a cell editor open the
    // editor takes the key first and only closes itself.
    if (key->key() != Qt::Key_Escape || !browser_.editing())
        return false;
    cancel();
    return true;
}

bool MasterTableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == grid_)
            return handleGridKey(key);
        return handleDataEntryKey(key);
    }
    return QDialog::eventFilter(watched, event);
}

bool MasterTableWindow::event(QEvent* event)
{
    // A dialog has no status bar of its own to show the hints of its buttons.
    if (event->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void MasterTableWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape is the Cancel button's key under PgDn-as-Save, never "close the window".
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MasterTableWindow::closeEvent(QCloseEvent* event)
{
    if (browser_.editing())
        closeWhileEditing();
    QDialog::closeEvent(event);
}

void MasterTableWindow::showEvent(QShowEvent* event)
{
    if (!shownBefore_) {
        shownBefore_ = true;
        watchKeys();
        fitGridColumns();
        fitOnScreen(this, preferredSize());
    }
    QDialog::showEvent(event);
}

void MasterTableWindow::growToContents()
{
    const QSize wanted = preferredSize().expandedTo(size());
    if (wanted != size())
        fitOnScreen(this, wanted);
}

void MasterTableWindow::fitGridColumns()
{
    QHeaderView* header = grid_->horizontalHeader();
    // A sample of the rows is measured: the dog master may hold a hundred
    // thousand, and a column as wide as its one longest value helps nobody.
    header->setResizeContentsPrecision(kMeasuredRows);
    grid_->resizeColumnsToContents();
    const int widest = grid_->fontMetrics().averageCharWidth() * kWidestColumnCharacters;
    for (int column = 0; column < header->count(); ++column) {
        if (header->sectionSize(column) > widest)
            header->resizeSection(column, widest);
    }
    columnsWidth_ = header->length();
    // Room the window has beyond the columns goes to the last one.
    header->setStretchLastSection(true);
}

QSize MasterTableWindow::preferredSize() const
{
    QSize wanted = sizeHint();
    if (grid_->isHidden())
        return wanted;
    const int frame = 2 * grid_->frameWidth();
    const int gridWidth = grid_->verticalHeader()->sizeHint().width() + columnsWidth_ +
                          grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + frame;
    const int gridHeight = grid_->horizontalHeader()->sizeHint().height() +
                           kShownRows * grid_->verticalHeader()->defaultSectionSize() + frame;
    const QMargins margins = layout()->contentsMargins();
    wanted.setWidth(std::max(wanted.width(), gridWidth + margins.left() + margins.right()));
    // The grid is one of the window's rows: its own height is what grows.
    wanted.rheight() += std::max(0, gridHeight - grid_->sizeHint().height());
    return wanted;
}
