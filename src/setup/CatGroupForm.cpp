#include "setup/CatGroupForm.h"

#include "setup/CatGroupSave.h"
#include "setup/CatGrpListForm.h"
#include "storage/DataModule.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

namespace
{

constexpr int kGroupOrder = 0;
constexpr int kSectionOrder = 1;

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

} // namespace

TCatGroupForm::TCatGroupForm(Tdmod& data, QWidget* parent)
    : MasterTableWindow(*data.CatGroups(), data.messages(), parent), data_(data)
{
    setWindowTitle(QStringLiteral("Catalog Groupings"));

    // --- The form view -------------------------------------------------------
    auto* form = new QFormLayout(dataPanel());
    const auto box = [&](const QString& caption, const QString& field) {
        auto* line = new QLineEdit;
        bind(line, field);
        form->addRow(caption, line);
        return line;
    };
    setFirstField(box(QStringLiteral("Catalog Group"), QStringLiteral("catgroup")));
    box(QStringLiteral("Description"), QStringLiteral("descript"));
    box(QStringLiteral("Show Section"), QStringLiteral("section"));
    form->addRow(new QLabel(
        QStringLiteral("Data to be printed in the Catalog - BEFORE the Group in BOLD type.")));
    box(QStringLiteral("Header"), QStringLiteral("header"));
    form->addRow(new QLabel(
        QStringLiteral("Data to be printed in the Catalog - AFTER the Group in BOLD type.")));
    for (int n = 1; n <= 4; ++n)
        box(QStringLiteral("Footer %1").arg(n), QStringLiteral("footer%1").arg(n));

    // --- Buttons ---------------------------------------------------------------
    editButton()->setText(QStringLiteral("&Edit"));
    setHint(editButton(), QStringLiteral("Edit current record"));
    addButton()->setText(QStringLiteral("&Add "));
    setHint(addButton(), QStringLiteral("Add a new record"));
    setHint(deleteButton(), QStringLiteral("Mark record for Deletion"));
    setHint(saveButton(), QStringLiteral("Save the current changes"));
    setHint(cancelButton(), QStringLiteral("Cancel current changes"));
    // Find is a menu command here.
    findButton()->hide();
    gridButton_ = new QPushButton;
    deletesButton_ = new QPushButton;
    for (QPushButton* button : {gridButton_, deletesButton_}) {
        button->setAutoDefault(false);
        if (QBoxLayout* row = layoutHolding(layout(), closeButton()))
            row->insertWidget(row->indexOf(closeButton()), button);
    }
    connect(gridButton_, &QPushButton::clicked, this, &TCatGroupForm::GridClick);
    connect(deletesButton_, &QPushButton::clicked, this, &TCatGroupForm::DeletesClick);

    // --- Menus -----------------------------------------------------------------
    QAction* before = indexMenu()->menuAction();
    auto* fileMenu = new QMenu(QStringLiteral("&File"), menuBar());
    connect(fileMenu->addAction(QStringLiteral("Exit")), &QAction::triggered, this,
            &QDialog::close);
    menuBar()->insertMenu(before, fileMenu);
    // Alt+I is the Index menu's, Alt+F the File menu's.
    findAction_ = new QAction(QStringLiteral("Fi&nd"), menuBar());
    connect(findAction_, &QAction::triggered, this, &MasterTableWindow::find);
    menuBar()->insertAction(before, findAction_);
    auto* viewMenu = new QMenu(QStringLiteral("&View"), menuBar());
    gridAction_ = viewMenu->addAction(QString());
    deletesAction_ = viewMenu->addAction(QString());
    connect(gridAction_, &QAction::triggered, this, &TCatGroupForm::GridClick);
    connect(deletesAction_, &QAction::triggered, this, &TCatGroupForm::DeletesClick);
    menuBar()->insertMenu(before, viewMenu);
    QMenu* reports = new QMenu(QStringLiteral("&Reports"), menuBar());
    codesAction_ = reports->addAction(QStringLiteral("List of Codes"));
    fullListAction_ = reports->addAction(QStringLiteral("Full List"));
    connect(codesAction_, &QAction::triggered, this,
            [this] { ListClick(CatGroupListing::Kind::Codes); });
    connect(fullListAction_, &QAction::triggered, this,
            [this] { ListClick(CatGroupListing::Kind::Full); });
    menuBar()->insertMenu(tasksMenu()->menuAction(), reports);
    packAction()->setText(QStringLiteral("Permanently Remove Deletes"));

    addOrder({QStringLiteral("Catalog Group Code"),
              CatGroupListing::tag(CatGroupListing::Kind::Full), QStringLiteral("Cat Group Code"),
              QStringLiteral("Cat-Group Code")});
    addOrder({QStringLiteral("Section && Code"), CatGroupListing::tag(CatGroupListing::Kind::Codes),
              QStringLiteral("Section + Code"), QStringLiteral("Section")});
    browser().setFindPadding(20);
    browser().setSaveRules(std::make_unique<CatGroupSaveRules>());
    model().setEditable(true);
    showView();
    startBrowsing(kGroupOrder);
    table().first();
    showRecord();
}

TCatGroupForm::~TCatGroupForm()
{
    table().clearFilter();
}

void TCatGroupForm::showView()
{
    dataPanel()->setVisible(!gridShown_);
    grid()->setVisible(gridShown_);
    gridButton_->setText(gridShown_ ? QStringLiteral("Hide Grid") : QStringLiteral("Show &Grid"));
    gridAction_->setText(gridShown_ ? QStringLiteral("Hide Grid") : QStringLiteral("Show Grid"));
    deletesButton_->setText(deletesHidden_ ? QStringLiteral("Sho&w Deletes")
                                           : QStringLiteral("Hide Deletes"));
    deletesAction_->setText(deletesHidden_ ? QStringLiteral("Show Deletes")
                                           : QStringLiteral("Hide Deletes"));
}

void TCatGroupForm::GridClick()
{
    if (browser().editing() && !save())
        return;
    gridShown_ = !gridShown_;
    showView();
    refreshAll();
    if (gridShown_)
        growToContents();
}

void TCatGroupForm::DeletesClick()
{
    if (browser().editing() && !save())
        return;
    deletesHidden_ = !deletesHidden_;
    if (deletesHidden_)
        table().setFilter([](const dbf::RecordView& r) { return !r.deleted(); });
    else
        table().clearFilter();
    table().first();
    showView();
    refreshAll();
}

void TCatGroupForm::ListClick(CatGroupListing::Kind kind)
{
    const int order = kind == CatGroupListing::Kind::Codes ? kSectionOrder : kGroupOrder;
    selectOrder(order);
    if (browser().currentOrder() != order)
        return;
    TCatGrpListForm listing(table(), kind, messages(), this);
    listing.exec();
    showRecord();
}

void openCatGroupsWindow(Tdmod& data, QWidget* parent)
{
    data.OpenCatGroups();
    if (!data.CatGroups())
        return;
    TCatGroupForm form(data, parent);
    form.exec();
}
