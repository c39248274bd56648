#include "preparation/AddArmForm.h"

#include "preparation/ArmbandNumbering.h"
#include "setup/ConfirmSortKeysForm.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TextRules.h"
#include "ui/TableModel.h"

#include "dbf/Table.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <optional>

namespace
{

enum class Submenu { None, ObedienceHeights, RallyHeights };

struct ArmbandOrder {
    QStringView caption;
    QStringView tag;    // empty: input order, by record number
    QStringView status; // after "Current Index = "
    QStringView findAs; // the name Find asks for; empty: no Find by jump height
    Submenu submenu;
};

// What Find asks for in the orders that go to a record number.
constexpr QStringView kRecordNumber = u"Record #";

// In the order of TAddArmForm::Order, which is the Index menu's.
constexpr std::array<ArmbandOrder, 9> kOrders = {{
    {u"Last Name", u"name", u"Last Name", u"Last Name", Submenu::None},
    {u"NUR #", u"regnum", u"NUR #", u"NUR #", Submenu::None},
    {u"Armband #", u"armband", u"Armband #", u"Armband #", Submenu::None},
    {u"Catalog Order (SrtKey)", u"srtkey", u"", kRecordNumber, Submenu::None},
    {u"Ascending Jump Hts", u"aobjmpht", u"Ascending Obedience Jump Heights", u"",
     Submenu::ObedienceHeights},
    {u"Descending Jump Hts", u"dobjmpht", u"Descending Obedience Jump Heights", u"",
     Submenu::ObedienceHeights},
    {u"Ascending Heights", u"arallyht", u"Ascending Rally Jump Heights", u"",
     Submenu::RallyHeights},
    {u"Descending Heights", u"drallyht", u"Descending Rally Jump Heights", u"",
     Submenu::RallyHeights},
    {u"Input Order", u"", u"Input Order", kRecordNumber, Submenu::None},
}};

const QString kHideDeletes = QStringLiteral("Hide Deletes");
const QString kShowDeletes = QStringLiteral("Show Deletes");

// The grid's fields and their headers; only the armband and the jump heights
// may be typed into (a sort key that is not three digits would break the catalog).
const QStringList kColumns = {"reg",        "first", "last",  "handler", "ob_jmpht",
                              "rallyjmpht", "arm",   "breed", "srtkey"};
const QStringList kHeaders = {"reg",      "first",   "last",  "handler", "ob_ht",
                              "rally_ht", "Armband", "breed", "srtkey"};
const QStringList kEditable = {"ob_jmpht", "rallyjmpht", "arm"};

const QColor kMaroon(128, 0, 0);

// The text last searched for, kept until the program ends.
QString& lastFindText()
{
    static QString text;
    return text;
}

class ArmbandGridModel : public TableModel
{
public:
    using TableModel::TableModel;

    bool typedInto(const QModelIndex& index) const
    {
        return index.isValid() && kEditable.contains(columns().value(index.column()));
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        const Qt::ItemFlags flags = TableModel::flags(index);
        return typedInto(index) ? flags : flags & ~Qt::ItemIsEditable;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override
    {
        return typedInto(index) && TableModel::setData(index, value, role);
    }
};

// Cell editors as wide as their fields; Enter in one ends the typing and
// moves on as Enter in the grid does.
class GridDelegate : public QStyledItemDelegate
{
public:
    GridDelegate(const dbf::Table& table, std::function<void()> enter, QObject* parent)
        : QStyledItemDelegate(parent), table_(table), enter_(std::move(enter))
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        const auto* model = static_cast<const TableModel*>(index.model());
        const int position = table_.fieldIndex(model->columns().at(index.column()).toStdString());
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && position >= 0)
            line->setMaxLength(table_.fields().at(position).width);
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                enter_();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    const dbf::Table& table_;
    std::function<void()> enter_;
};

QLabel* fixedText(const QString& text, const QColor& colour = {}, bool bold = false)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QPushButton* button(const QString& caption)
{
    auto* button = new QPushButton(caption);
    // Enter belongs to the grid and to Enter-as-Tab, never to a default button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TAddArmForm::TAddArmForm(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent)
    : QDialog(parent), data_(data), keyboard_(keyboard)
{
    setWindowTitle(QStringLiteral("Add Armband Numbers"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    buildMenus(layout);

    auto* navigator = new QHBoxLayout;
    const QStringList hints = {QStringLiteral("First record"), QStringLiteral("Prior record"),
                               QStringLiteral("Next record"), QStringLiteral("Last record")};
    const QList<Qt::ArrowType> arrows = {Qt::UpArrow, Qt::LeftArrow, Qt::RightArrow, Qt::DownArrow};
    for (int i = 0; i < 4; ++i) {
        auto* step = new QToolButton;
        step->setArrowType(arrows.at(i));
        step->setToolTip(hints.at(i));
        step->setStatusTip(hints.at(i));
        navigator->addWidget(step);
        navigator_ << step;
    }
    navigator->addStretch();
    connect(navigator_.at(0), &QToolButton::clicked, this, &TAddArmForm::goFirst);
    connect(navigator_.at(1), &QToolButton::clicked, this, &TAddArmForm::goPrior);
    connect(navigator_.at(2), &QToolButton::clicked, this, &TAddArmForm::goNext);
    connect(navigator_.at(3), &QToolButton::clicked, this, &TAddArmForm::goLast);
    layout->addLayout(navigator);

    layout->addWidget(buildTexts());
    layout->addWidget(buildButtons());
    buildGrid();
    layout->addWidget(grid_, 1);
    buildStatusBar(layout);

    indexPanel_->setText(QStringLiteral("Current Index = ") + kOrders[order_].status.toString());
    updateRecordPanel();
    resize(1000, 660);
}

TAddArmForm::~TAddArmForm() = default;

dbf::Table& TAddArmForm::entries() const
{
    return *data_.TzDbf1();
}

void TAddArmForm::buildMenus(QLayout* layout)
{
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);

    QMenu* index = bar->addMenu(QStringLiteral("&Index"));
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (std::size_t i = 0; i < kOrders.size(); ++i) {
        const ArmbandOrder& order = kOrders[i];
        QMenu* parent = index;
        if (order.submenu == Submenu::ObedienceHeights) {
            if (!obedienceHeights_)
                obedienceHeights_ =
                    index->addMenu(QStringLiteral("By Obedience High Jump Heights"));
            parent = obedienceHeights_;
        } else if (order.submenu == Submenu::RallyHeights) {
            if (!rallyHeights_)
                rallyHeights_ = index->addMenu(QStringLiteral("By Rally Jump Heights"));
            parent = rallyHeights_;
        }
        QAction* action = parent->addAction(order.caption.toString());
        action->setCheckable(true);
        group->addAction(action);
        orderActions_ << action;
        connect(action, &QAction::triggered, this, [this, i] { selectOrder(Order(i)); });
    }
    // Enabled on activation when the show offers classes of the kind.
    obedienceHeights_->menuAction()->setEnabled(false);
    rallyHeights_->menuAction()->setEnabled(false);

    QMenu* tasks = bar->addMenu(QStringLiteral("&Tasks"));
    hideDeletes_ = tasks->addAction(kHideDeletes);
    autoAssignAction_ = tasks->addAction(QStringLiteral("Auto Assign (Select Index First)"));
    clearAllNumbers_ = tasks->addAction(QStringLiteral("Clear All Numbers"));
    confirmSortKeys_ = tasks->addAction(QStringLiteral("Confirm Sort Keys"));
    connect(hideDeletes_, &QAction::triggered, this, &TAddArmForm::HideDeletes1Click);
    connect(autoAssignAction_, &QAction::triggered, this, &TAddArmForm::AutoAssign1Click);
    connect(clearAllNumbers_, &QAction::triggered, this, &TAddArmForm::ClearAllNumbers1Click);
    connect(confirmSortKeys_, &QAction::triggered, this, &TAddArmForm::ConfirmSortKeys1Click);
}

QWidget* TAddArmForm::buildTexts()
{
    auto* texts = new QWidget;
    auto* column = new QVBoxLayout(texts);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);
    column->addWidget(
        fixedText(QStringLiteral("Editing allowed only in Armband Field"), Qt::red, true));
    preferenceLine_ = fixedText(QStringLiteral("Current Armband Preferences = "));
    column->addWidget(preferenceLine_);
    column->addWidget(
        fixedText(QStringLiteral("Select a SORT ORDER under INDEX prior to choosing AUTO ASSIGN."),
                  Qt::blue, true));
    column->addWidget(
        fixedText(QStringLiteral("To separate multiple dogs for the same owner, manually change "
                                 "the armband  numbers for some records then look at Armband "
                                 "Order")));
    column->addWidget(fixedText(
        QStringLiteral("NOTE:  Only one armband number will be assigned per dog and will apply to "
                       "all classes for the show unless duplicate records are created."),
        kMaroon));
    classEntered_ = fixedText(QStringLiteral("Class Entered = "), {}, true);
    column->addWidget(classEntered_);
    column->addWidget(fixedText(QStringLiteral("SrtKey = Lowest Class Entered for the show")));
    return texts;
}

QWidget* TAddArmForm::buildButtons()
{
    auto* row = new QWidget;
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    closeButton_ = button(QStringLiteral("Cl&ose"));
    closeButton_->setToolTip(QStringLiteral("Close Window"));
    closeButton_->setStatusTip(QStringLiteral("Close Window"));
    findButton_ = button(QStringLiteral("&Find"));
    autoAssignButton_ = button(QStringLiteral("&Auto Assign"));
    for (QPushButton* b : {closeButton_, findButton_, autoAssignButton_})
        buttons->addWidget(b);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
    connect(findButton_, &QPushButton::clicked, this, &TAddArmForm::FindButtonClick);
    connect(autoAssignButton_, &QPushButton::clicked, this, &TAddArmForm::AutoAssign1Click);
    buttons->addSpacing(24);

    jumpHeightChoice_ = new QGroupBox(QStringLiteral("For 5-Digit Numbers "));
    auto* choice = new QHBoxLayout(jumpHeightChoice_);
    choice->addWidget(new QLabel(QStringLiteral("Include Jump Ht in Armband # ? ")));
    jumpHeightYes_ = new QRadioButton(QStringLiteral("Yes"));
    jumpHeightNo_ = new QRadioButton(QStringLiteral("No"));
    auto* answers = new QButtonGroup(jumpHeightChoice_);
    answers->addButton(jumpHeightYes_);
    answers->addButton(jumpHeightNo_);
    choice->addWidget(jumpHeightYes_);
    choice->addWidget(jumpHeightNo_);
    // Only five-digit numbers have room for the height, and only a jump-height
    // order makes it mean anything: enabled once both are so.
    jumpHeightChoice_->setEnabled(false);
    buttons->addWidget(jumpHeightChoice_);
    buttons->addStretch();
    return row;
}

void TAddArmForm::buildGrid()
{
    auto* model = new ArmbandGridModel(entries(), this);
    model_ = model;
    model_->setColumns(kColumns);
    for (int i = 0; i < kHeaders.size(); ++i)
        model_->setHeader(i, kHeaders.at(i));
    model_->setEditable(true);

    grid_ = new QTableView;
    grid_->setModel(model_);
    grid_->setItemDelegate(new GridDelegate(
        entries(), [this] { enterInGrid(); }, grid_));
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->verticalHeader()->hide();
    const int widths[] = {110, 110, 130, 150, 50, 60, 70, 200, 50};
    for (int i = 0; i < kColumns.size(); ++i)
        grid_->setColumnWidth(i, widths[i]);
    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TAddArmForm::followGrid);
}

void TAddArmForm::buildStatusBar(QLayout* layout)
{
    auto* bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    hintPanel_ = new QLabel;
    showPanel_ = new QLabel(QStringLiteral("Show #  "));
    recordPanel_ = new QLabel;
    indexPanel_ = new QLabel;
    bar->addWidget(hintPanel_, 1);
    for (QLabel* panel : {showPanel_, recordPanel_, indexPanel_}) {
        panel->setFrameShape(QFrame::StyledPanel);
        bar->addPermanentWidget(panel);
    }
    layout->addWidget(bar);
}

// --- Activation and the record-move hook -----------------------------------

void TAddArmForm::FormActivate()
{
    save();
    Preferences& preferences = data_.preferences();
    const QString creation =
        preferences.readText(PreferenceKeys::armbands, QStringLiteral("AfterAutomatic"))
            .trimmed()
            .toUpper();
    digits_ = preferences.armbandDigits();
    start_ = preferences.armbandStart();
    QString line = QStringLiteral("Current Armband Preferences = ");
    const QString digitsText = QString::number(digits_) + QStringLiteral(" Digits");
    if (creation.startsWith(u'A'))
        line += QStringLiteral("AFTER - ") + digitsText;
    else if (creation.startsWith(u'I'))
        line += QStringLiteral("AS INPUTTED - ") + digitsText;
    else if (creation.startsWith(u'M'))
        line += QStringLiteral("MANUAL - ") + digitsText;
    preferenceLine_->setText(line);

    entries().clearFilter();
    deletesHidden_ = false;
    hideDeletes_->setText(kHideDeletes);
    obedienceHeights_->menuAction()->setEnabled(data_.ShowHasObedience());
    rallyHeights_->menuAction()->setEnabled(data_.ShowHasRally());
    showPanel_->setText(QStringLiteral("Show #  ") + QString::number(data_.currentShowNumber()));

    selectOrder(LastName);
    entries().first();
    selectGridRow();
    recordMoved();
}

void TAddArmForm::recordMoved(bool warn)
{
    QString className;
    if (!entries().isEmpty()) {
        const QString sortKey = RecordValues::text(entries(), "srtkey");
        if (sortKey != QLatin1String("999")) {
            className = data_.ClassNameForSortKey(sortKey).trimmed();
        } else {
            className = QStringLiteral("Unknown");
            if (warn)
                data_.messages().inform(QStringLiteral(
                    "Sort Key of 999 found.;Suggest you do CONFIRM SORT KEYS under TASKS"));
        }
    }
    classEntered_->setText(QStringLiteral("Class Entered = ") + className);
    updateRecordPanel();
}

void TAddArmForm::updateRecordPanel()
{
    recordPanel_->setText(QStringLiteral("Rec # ") + TextRules::RightAligned(entries().recno(), 5) +
                          QStringLiteral(" / ") +
                          TextRules::RightAligned(entries().recordCount(), 5));
}

// --- Orders, moves and the grid ---------------------------------------------

void TAddArmForm::selectOrder(Order order)
{
    save();
    const ArmbandOrder& chosen = kOrders[order];
    if (!runGuarded(data_.messages(),
                    [&] { entries().setOrder(chosen.tag.toString().toStdString()); }))
        return;
    order_ = order;
    orderActions_.at(order)->setChecked(true);
    indexPanel_->setText(QStringLiteral("Current Index = ") + chosen.status.toString());
    findButton_->setEnabled(!chosen.findAs.isEmpty());
    if (chosen.submenu != Submenu::None && digits_ == 5)
        jumpHeightChoice_->setEnabled(true);
    refreshGrid();
}

void TAddArmForm::move(void (dbf::Table::*step)())
{
    save();
    (entries().*step)();
    selectGridRow();
    recordMoved();
}

void TAddArmForm::goFirst()
{
    move(&dbf::Table::first);
}

void TAddArmForm::goPrior()
{
    move(&dbf::Table::prior);
}

void TAddArmForm::goNext()
{
    move(&dbf::Table::next);
}

void TAddArmForm::goLast()
{
    move(&dbf::Table::last);
}

void TAddArmForm::refreshGrid()
{
    const int column = grid_->currentIndex().column();
    model_->refresh();
    selectGridRow(column);
}

void TAddArmForm::selectGridRow(int column)
{
    const int row = model_->currentRow();
    if (row < 0)
        return;
    if (column < 0)
        column = std::max(0, grid_->currentIndex().column());
    const QModelIndex target = model_->index(row, column);
    if (grid_->currentIndex() == target)
        return;
    syncingGrid_ = true;
    grid_->setCurrentIndex(target);
    grid_->scrollTo(target);
    syncingGrid_ = false;
}

void TAddArmForm::followGrid(const QModelIndex& current, const QModelIndex& previous)
{
    if (syncingGrid_ || !current.isValid())
        return;
    const std::uint32_t target = model_->recordOfRow(current.row());
    const bool rowChanged = target != entries().recno();
    // Leaving a column, or the row, saves what was typed, as the data-aware grids do.
    if (rowChanged || (previous.isValid() && previous.column() != current.column()))
        save();
    if (!rowChanged || target == 0)
        return;
    entries().go(target);
    selectGridRow(current.column());
    recordMoved();
}

void TAddArmForm::enterInGrid()
{
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid())
        return;
    const int last = model_->columnCount() - 1;
    if (current.column() < last) {
        grid_->setCurrentIndex(model_->index(current.row(), current.column() + 1));
        return;
    }
    save();
    entries().next();
    if (entries().eof()) {
        QApplication::beep();
        return;
    }
    selectGridRow(last);
    recordMoved();
}

void TAddArmForm::commitGridEditor()
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

bool TAddArmForm::save()
{
    commitGridEditor();
    if (entries().state() == dbf::Table::State::Browse)
        return true;
    const bool saved = runGuarded(data_.messages(), [this] { entries().post(); });
    if (!saved)
        entries().cancel();
    refreshGrid();
    return saved;
}

// --- Tasks -------------------------------------------------------------------

void TAddArmForm::AutoAssign1Click()
{
    save();
    ArmbandNumbering::Pass pass;
    pass.order = kOrders[order_].tag.toString().toStdString();
    pass.jumpHeightPrefix = jumpHeightYes_->isChecked();
    pass.digits = digits_;
    pass.start = start_;
    QSet<std::uint32_t> reported;
    std::optional<Result<int>> numbered;
    runGuarded(data_.messages(),
               [&] { numbered = ArmbandNumbering::assign(entries(), pass, passHook(reported)); });
    if (numbered && !*numbered)
        data_.messages().inform(numbered->message());
    refreshGrid();
    recordMoved(!reported.contains(entries().recno()));
}

void TAddArmForm::ClearAllNumbers1Click()
{
    save();
    QSet<std::uint32_t> reported;
    runGuarded(data_.messages(), [&] {
        ArmbandNumbering::clear(entries(), kOrders[order_].tag.toString().toStdString(),
                                passHook(reported));
    });
    refreshGrid();
    recordMoved(!reported.contains(entries().recno()));
}

ArmbandNumbering::Visit TAddArmForm::passHook(QSet<std::uint32_t>& reported)
{
    // The pass ends back on the first record: an entry it has just reported
    // is not reported again there.
    return [this, &reported](const dbf::Table& table) {
        reported.insert(table.recno());
        recordMoved();
    };
}

void TAddArmForm::HideDeletes1Click()
{
    save();
    deletesHidden_ = !deletesHidden_;
    if (deletesHidden_)
        entries().setFilter([](const dbf::RecordView& entry) { return !entry.deleted(); });
    else
        entries().clearFilter();
    hideDeletes_->setText(deletesHidden_ ? kShowDeletes : kHideDeletes);
    const bool hidden = deletesHidden_ && !entries().isEmpty() && entries().deleted();
    if (hidden)
        entries().first();
    refreshGrid();
    if (hidden)
        recordMoved();
}

void TAddArmForm::ConfirmSortKeys1Click()
{
    save();
    {
        TConfirmSortKeysForm form(data_, this);
        form.exec();
    }
    // The sort keys, and so the orders built on them, may have changed.
    FormActivate();
}

void TAddArmForm::FindButtonClick()
{
    const ArmbandOrder& order = kOrders[order_];
    if (order.findAs.isEmpty())
        return;
    save();
    const QString name = order.findAs.toString();
    const std::optional<QString> typed =
        data_.messages().input(QStringLiteral("Find Record"),
                               QStringLiteral("Enter ") + name + QStringLiteral(" to find: "),
                               lastFindText().leftJustified(20, u' '));
    if (!typed)
        return;
    const QString text = typed->trimmed().toUpper();
    lastFindText() = text;
    const QString notFound = QStringLiteral("Could not find ") + name + u' ' + text;

    if (name == kRecordNumber) {
        const int number = TextRules::TextToInt(text);
        if (number < 1 || std::uint32_t(number) > entries().recordCount()) {
            data_.messages().inform(notFound);
            return;
        }
        entries().go(std::uint32_t(number));
    } else {
        // A number Auto Assign gave is right-aligned ("  101"): typing 101
        // finds it whole first, and any armband beginning with 101 after.
        const std::optional<QString> stored =
            order_ == ArmbandNumber ? ArmbandNumbering::storedNumber(text, digits_) : std::nullopt;
        bool found = false;
        runGuarded(data_.messages(), [&] {
            found = (stored && entries().find(stored->toStdString())) ||
                    entries().find(text.toStdString());
        });
        if (!found) {
            data_.messages().inform(notFound);
            return;
        }
    }
    selectGridRow();
    recordMoved();
}

// --- Keys and events ---------------------------------------------------------

void TAddArmForm::watchEnterAsTab()
{
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child != grid_ && !grid_->isAncestorOf(child) && child->focusPolicy() != Qt::NoFocus)
            child->installEventFilter(this);
    }
}

bool TAddArmForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == grid_) {
        if (enter) {
            enterInGrid();
            return true;
        }
        // Typing into a cell that cannot be edited must not jump to another
        // row by its first letter.
        const bool typing = !key->text().isEmpty() && key->text().front().isPrint() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        return typing && !(model_->flags(grid_->currentIndex()) & Qt::ItemIsEditable);
    }
    if (enter && keyboard_.enterAsTab) {
        focusNextChild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TAddArmForm::event(QEvent* event)
{
    // A dialog has no status bar of its own to show the hints in.
    if (event->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        return true; // the window closes by Close only
    return QDialog::event(event);
}

void TAddArmForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    watchEnterAsTab();
    // After the window is on the screen, so a "999" message shows over it.
    QMetaObject::invokeMethod(
        this, [this] { runGuarded(data_.messages(), [this] { FormActivate(); }); },
        Qt::QueuedConnection);
}

void TAddArmForm::done(int result)
{
    save();
    QDialog::done(result);
}

void openAddArmWindow(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent)
{
    TAddArmForm form(data, keyboard, parent);
    form.exec();
}
