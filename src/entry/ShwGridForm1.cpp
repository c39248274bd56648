#include "entry/ShwGridForm1.h"

#include "entry/DualListDialog.h"
#include "entry/EntryFind.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "storage/Messages.h"
#include "storage/TextRules.h"
#include "ui/TableModel.h"

#include "dbf/Table.h"

#include <QActionGroup>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

// An item of the grid's Index menu: the tag it sets and the status text it writes.
struct ShowGridOrder {
    QStringView caption;
    QStringView tag; // empty: input order
    QStringView status;
};

namespace
{

const QString kUntitled = QStringLiteral("Untitled");

// The show entry table has no call name field, so the menu offers no
// "Call Name" order.
const ShowGridOrder kLastName{u"Last Name", u"name", u"Current Index = Last Name"};
const ShowGridOrder kNurNumber{u"NUR #", u"regnum", u"Current Index = NUR #"};
const ShowGridOrder kArmband{u"Armband #", u"armband", u"Current Index = Armband #"};
const ShowGridOrder kDogName{u"Dog's Registered Name", u"dogname",
                             u"Current Index = Dog's Registered Name"};
const ShowGridOrder kObedienceAscending{u"Ascending Ht ", u"aobjmpht",
                                        u"Current Index is Ascending Obedience Heights"};
const ShowGridOrder kObedienceDescending{u"Descending Ht ", u"dobjmpht",
                                         u"Current Index is Descending Obedience Heights"};
const ShowGridOrder kRallyAscending{u"Ascending Heights", u"arallyht",
                                    u"Current Index is Ascending Rally Heights"};
const ShowGridOrder kRallyDescending{u"Descending Heights", u"drallyht",
                                     u"Current Index is Descending Rally Heights"};
const ShowGridOrder kInputOrder{u"Input Order", u"", u"Current Index = Input Order"};

// The grid's own previous search, kept apart from the desk's for the life of
// the program.
EntryFind& gridFind()
{
    static EntryFind find(EntryFind::Window::Grid);
    return find;
}

// What the index panel names the order the window opens in.
QString orderLabel(const std::string& tag)
{
    if (tag.empty())
        return QStringLiteral("Input Order");
    const std::pair<const char*, const char*> named[] = {
        {"armband", "Armband #"},
        {"dogname", "Dog's Name"},
        {"aobjmpht", "Ascending Obedience Jump Heights"},
        {"arallyht", "Ascending Rally Jump Heights"},
        {"dobjmpht", "Descending Obedience Jump Heights"},
        {"drallyht", "Descending Rally Jump Heights"},
    };
    for (const auto& [name, label] : named) {
        if (dbf::sameName(tag, name))
            return QString::fromLatin1(label);
    }
    switch (QChar(tag.front()).toUpper().unicode()) {
    case u'N':
        return QStringLiteral("Last Name");
    case u'R':
        return QStringLiteral("Registration #");
    default:
        return {};
    }
}

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace

TShwGridForm1::TShwGridForm1(Tdmod& data, QWidget* parent)
    : QDialog(parent), data_(data), orderFound_(data.TzDbf1()->order()),
      deletesHiddenFound_(data.TzDbf1()->hasFilter()), deletesHidden_(deletesHiddenFound_),
      chooser_([this](const FieldListChoice& choice) {
          TDualListDlg dialog(this);
          return dialog.run(choice);
      }),
      model_(new TableModel(*data.TzDbf1(), this))
{
    setWindowTitle(QStringLiteral("Show Database"));
    setModal(true);

    auto* tools = new QHBoxLayout;
    const QStringList navigatorHints = {
        QStringLiteral("First record"), QStringLiteral("Prior record"),
        QStringLiteral("Next record"), QStringLiteral("Last record")};
    const Qt::ArrowType arrows[] = {Qt::UpArrow, Qt::LeftArrow, Qt::RightArrow, Qt::DownArrow};
    void (TShwGridForm1::*const steps[])() = {&TShwGridForm1::goFirst, &TShwGridForm1::goPrior,
                                              &TShwGridForm1::goNext, &TShwGridForm1::goLast};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton;
        button->setArrowType(arrows[i]);
        setHint(button, navigatorHints.at(i));
        connect(button, &QToolButton::clicked, this, steps[i]);
        tools->addWidget(button);
        navigator_ << button;
    }
    tools->addSpacing(12);
    closeButton_ = new QPushButton(QStringLiteral("Close"));
    findButton_ = new QPushButton(QStringLiteral("Find"));
    setHint(closeButton_, QStringLiteral("Close the grid"));
    setHint(findButton_, QStringLiteral("Find by the current index"));
    for (QPushButton* button : {closeButton_, findButton_}) {
        button->setAutoDefault(false);
        tools->addWidget(button);
    }
    tools->addStretch();
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
    connect(findButton_, &QPushButton::clicked, this, &TShwGridForm1::find);

    auto* purpose = new QLabel(
        QStringLiteral("View the Current Show Records by current index - No Editing Allowed"));
    QFont bold = purpose->font();
    bold.setBold(true);
    purpose->setFont(bold);
    auto* howTo = new QLabel(QStringLiteral(
        "Drag a Column Header left or right to re-arrange the displayed order of fields or use "
        "the Select Fields To View Option under View.  Column Widths can also be adjusted"));
    howTo->setWordWrap(true);

    auto* cover = new QLabel(QStringLiteral("Patience - Loading Previous Settings"));
    cover->setAlignment(Qt::AlignCenter);
    QFont large = cover->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    cover->setFont(large);
    cover_ = cover;

    grid_ = new QTableView;
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionsMovable(true);
    grid_->horizontalHeader()->setFirstSectionMovable(true);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { followGrid(current); });

    pages_ = new QStackedWidget;
    pages_->addWidget(cover_);
    pages_->addWidget(grid_);
    pages_->setCurrentWidget(cover_);

    auto* status = new QStatusBar;
    status->setSizeGripEnabled(false);
    hintPanel_ = new QLabel;
    showPanel_ =
        new QLabel(QStringLiteral("Show #  ") + QString::number(data_.currentShowNumber()));
    recordPanel_ = new QLabel;
    indexPanel_ = new QLabel(QStringLiteral("Current Index = ") + orderLabel(orderFound_));
    status->addWidget(hintPanel_, 1);
    for (QLabel* panel : {hintPanel_, showPanel_, recordPanel_, indexPanel_}) {
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
    }
    // Wide enough for the longest text each shows, so the panels do not jump.
    const auto fit = [](QLabel* panel, const QString& longest) {
        panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(longest) + 16);
    };
    fit(showPanel_, QStringLiteral("Show #  99999"));
    fit(recordPanel_, QStringLiteral("Rec # 99999 / 99999"));
    fit(indexPanel_, QStringLiteral("Current Index is Descending Obedience Heights"));
    for (QLabel* panel : {showPanel_, recordPanel_, indexPanel_})
        status->addPermanentWidget(panel);

    auto* layout = new QVBoxLayout(this);
    buildMenus();
    layout->addWidget(purpose);
    layout->addWidget(howTo);
    layout->addLayout(tools);
    layout->addWidget(pages_, 1);
    layout->addWidget(status);

    findButton_->setEnabled(gridFind().label(orderFound_).has_value());
    resize(1120, 640);
}

TShwGridForm1::~TShwGridForm1()
{
    // The desk's order and its hiding of deleted entries come back as they were.
    dbf::Table& entries = *data_.TzDbf1();
    if (!dbf::sameName(entries.order(), orderFound_))
        entries.setOrder(orderFound_);
    if (deletesHidden_ != deletesHiddenFound_) {
        if (deletesHiddenFound_)
            entries.setFilter([](const dbf::RecordView& entry) { return !entry.deleted(); });
        else
            entries.clearFilter();
        if (entries.recno() == 0 || (deletesHiddenFound_ && entries.deleted()))
            entries.first();
    }
}

void TShwGridForm1::buildMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    exitAction_ = file->addAction(QStringLiteral("Exit"));
    connect(exitAction_, &QAction::triggered, this, &QDialog::close);

    indexMenu_ = bar->addMenu(QStringLiteral("&Index"));
    orderGroup_ = new QActionGroup(this);
    orderGroup_->setExclusive(true);
    for (const ShowGridOrder* order : {&kLastName, &kNurNumber, &kArmband, &kDogName})
        addOrder(indexMenu_, *order);
    // Offered as before, it orders nothing.
    indexMenu_->addAction(QStringLiteral("Catalog Order"));
    obedienceHeights_ = indexMenu_->addMenu(QStringLiteral("By Obedince Jump Heights"));
    addOrder(obedienceHeights_, kObedienceAscending);
    addOrder(obedienceHeights_, kObedienceDescending);
    rallyHeights_ = indexMenu_->addMenu(QStringLiteral("By Rally Jump Heights"));
    addOrder(rallyHeights_, kRallyAscending);
    addOrder(rallyHeights_, kRallyDescending);
    addOrder(indexMenu_, kInputOrder);
    runGuarded(data_.messages(), [this] {
        obedienceHeights_->menuAction()->setEnabled(data_.ShowHasObedience());
        rallyHeights_->menuAction()->setEnabled(data_.ShowHasRally());
    });

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    hideDeletesAction_ = view->addAction(deletesHidden_ ? QStringLiteral("Show Deletes")
                                                        : QStringLiteral("Hide Deletes"));
    selectFieldsAction_ = view->addAction(QStringLiteral("Select Fields To View"));
    resetOrderAction_ = view->addAction(QStringLiteral("Reset Grid To Default Order"));
    connect(hideDeletesAction_, &QAction::triggered, this, &TShwGridForm1::toggleHideDeletes);
    connect(selectFieldsAction_, &QAction::triggered, this, &TShwGridForm1::selectFieldsToView);
    connect(resetOrderAction_, &QAction::triggered, this, &TShwGridForm1::resetToDefaultOrder);
}

void TShwGridForm1::addOrder(QMenu* menu, const ShowGridOrder& order)
{
    QAction* action = menu->addAction(order.caption.toString());
    action->setCheckable(true);
    action->setChecked(dbf::sameName(orderFound_, order.tag.toString().toStdString()));
    orderGroup_->addAction(action);
    connect(action, &QAction::triggered, this, [this, &order] { selectOrder(order); });
}

QToolButton* TShwGridForm1::navigatorButton(int which) const
{
    return navigator_.value(which);
}

bool TShwGridForm1::event(QEvent* event)
{
    // A dialog has no status bar of its own to show the hints of its controls.
    if (event->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void TShwGridForm1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The cover is painted first; the grid takes its place once loaded.
    if (!loaded_)
        QTimer::singleShot(0, this, &TShwGridForm1::load);
}

void TShwGridForm1::load()
{
    if (loaded_)
        return;
    run([this] {
        model_->refresh();
        sizeColumns();
    });
    pages_->setCurrentWidget(grid_);
    loaded_ = true;
    showRecord();
    grid_->setFocus();
}

template <typename Step> void TShwGridForm1::run(Step step)
{
    runGuarded(data_.messages(), step);
}

void TShwGridForm1::sizeColumns()
{
    const QFontMetrics metrics = grid_->fontMetrics();
    // Registration numbers and armbands are capitals and digits: wider than
    // an average letter.
    const int characterWidth = metrics.horizontalAdvance(u'0');
    const dbf::Table& entries = model_->table();
    const QStringList fields = model_->columns();
    for (int column = 0; column < fields.size(); ++column) {
        const int position = entries.fieldIndex(fields.at(column).toStdString());
        int characters = 8;
        if (position >= 0) {
            const dbf::FieldDef& field = entries.fields().at(position);
            characters = field.type == dbf::FieldType::Date ? 10 : std::min(int(field.width), 25);
        }
        const QString header = model_->headerData(column, Qt::Horizontal).toString();
        grid_->setColumnWidth(column, std::max(metrics.horizontalAdvance(header) + 18,
                                               characterWidth * characters + 14));
    }
}

void TShwGridForm1::showRecord()
{
    const dbf::Table& entries = model_->table();
    recordPanel_->setText(QStringLiteral("Rec # ") + TextRules::RightAligned(entries.recno(), 5) +
                          QStringLiteral(" / ") +
                          TextRules::RightAligned(entries.recordCount(), 5));
    const int row = model_->currentRow();
    if (row < 0)
        return;
    syncingGrid_ = true;
    const QModelIndex current = grid_->currentIndex();
    const int column =
        current.isValid() ? current.column() : grid_->horizontalHeader()->logicalIndex(0);
    grid_->setCurrentIndex(model_->index(row, std::max(0, column)));
    grid_->scrollTo(grid_->currentIndex());
    syncingGrid_ = false;
}

void TShwGridForm1::followGrid(const QModelIndex& current)
{
    if (syncingGrid_ || !current.isValid())
        return;
    const std::uint32_t recno = model_->recordOfRow(current.row());
    dbf::Table& entries = *data_.TzDbf1();
    if (recno == 0 || recno == entries.recno())
        return;
    run([&] { entries.go(recno); });
    showRecord();
}

void TShwGridForm1::goFirst()
{
    run([this] { data_.TzDbf1()->first(); });
    showRecord();
}

void TShwGridForm1::goPrior()
{
    run([this] { data_.TzDbf1()->prior(); });
    showRecord();
}

void TShwGridForm1::goNext()
{
    run([this] { data_.TzDbf1()->next(); });
    showRecord();
}

void TShwGridForm1::goLast()
{
    run([this] { data_.TzDbf1()->last(); });
    showRecord();
}

void TShwGridForm1::find()
{
    if (!findButton_->isEnabled())
        return;
    run([this] { gridFind().find(*data_.TzDbf1(), data_.messages()); });
    showRecord();
}

void TShwGridForm1::selectOrder(const ShowGridOrder& order)
{
    const std::string tag = order.tag.toString().toStdString();
    run([&] {
        data_.TzDbf1()->setOrder(tag);
        model_->refresh();
    });
    indexPanel_->setText(order.status.toString());
    findButton_->setEnabled(gridFind().label(tag).has_value());
    showRecord();
}

void TShwGridForm1::toggleHideDeletes()
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
        model_->refresh();
    });
    hideDeletesAction_->setText(deletesHidden_ ? QStringLiteral("Show Deletes")
                                               : QStringLiteral("Hide Deletes"));
    showRecord();
}

QStringList TShwGridForm1::displayedFields() const
{
    const QHeaderView* header = grid_->horizontalHeader();
    const QStringList columns = model_->columns();
    QStringList shown;
    for (int visual = 0; visual < header->count(); ++visual) {
        const QString field = columns.value(header->logicalIndex(visual));
        shown << (field.isEmpty() ? kUntitled : field.toLower());
    }
    return shown;
}

void TShwGridForm1::selectFieldsToView()
{
    QStringList displayed;
    QStringList hidden;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restore {
            ~Restore() { QApplication::restoreOverrideCursor(); }
        } restore;
        displayed = displayedFields();
        for (const dbf::FieldDef& field : model_->table().fields()) {
            const QString name = QString::fromStdString(field.name).toLower();
            if (!displayed.contains(name, Qt::CaseInsensitive))
                hidden << name;
        }
    }
    showColumns(chooser_(FieldListChoice(displayed, hidden)));
}

void TShwGridForm1::resetToDefaultOrder()
{
    QStringList all;
    for (const dbf::FieldDef& field : model_->table().fields())
        all << QString::fromStdString(field.name);
    showColumns(all);
}

void TShwGridForm1::showColumns(const QStringList& fields)
{
    const dbf::Table& entries = model_->table();
    // A name that is no field of the table ("Untitled") gives an empty column.
    QStringList columns;
    for (const QString& name : fields) {
        const int position = entries.fieldIndex(name.toStdString());
        columns << (position >= 0 ? QString::fromStdString(entries.fields().at(position).name)
                                  : QString());
    }
    model_->setColumns(columns);
    // The list gives the order: headers moved before no longer apply.
    QHeaderView* header = grid_->horizontalHeader();
    for (int column = 0; column < header->count(); ++column)
        header->moveSection(header->visualIndex(column), column);
    sizeColumns();
    showRecord();
}

void openShowGridWindow(Tdmod& data, QWidget* parent)
{
    if (!data.showOpen()) {
        data.messages().inform(QStringLiteral("Please open a Show first."));
        return;
    }
    TShwGridForm1 form(data, parent);
    form.exec();
}
