#include "setup/ClassForm.h"

#include "setup/ClassReportForm.h"
#include "setup/ClassTableOrders.h"
#include "setup/ClassTableSave.h"
#include "storage/DataModule.h"
#include "ui/HelpText.h"
#include "ui/HelpViewerWindow.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

TClassForm::TClassForm(Tdmod& data, QWidget* parent)
    : MasterTableWindow(*data.ShowClasses(), data.messages(), parent), data_(data)
{
    setWindowTitle(QStringLiteral("Currently Defined Classes "));

    // Alt+F is the Find button's; the menu takes the L of File.
    auto* fileMenu = new QMenu(QStringLiteral("Fi&le"), menuBar());
    exitAction_ = fileMenu->addAction(QStringLiteral("E&xit"));
    connect(exitAction_, &QAction::triggered, this, &QDialog::close);
    menuBar()->insertMenu(indexMenu()->menuAction(), fileMenu);
    // The class table ships with the program; it offers no pack.
    tasksMenu()->menuAction()->setVisible(false);
    reportAction_ =
        addMenu(QStringLiteral("&Reports"))->addAction(QStringLiteral("Sections by Current Index"));
    connect(reportAction_, &QAction::triggered, this, &TClassForm::SectionsByCurrentIndexClick);
    connect(addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("Class Keys")),
            &QAction::triggered, this, &TClassForm::ClassKeysClick);

    auto* note = new QVBoxLayout(dataPanel());
    note->setContentsMargins(0, 0, 0, 0);
    for (const QString& line :
         {QStringLiteral("Modifications to this data is NOT recommended.  These codes are used "
                         "internally for calculations."),
          QStringLiteral("Also, both the Class Name and Sort Order for the classes are "
                         "pre-defined by NUR for printing the Catalog")}) {
        auto* label = new QLabel(line);
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(red);
        note->addWidget(label);
    }

    cancelButton()->setText(QStringLiteral("Ca&ncel"));
    closeButton()->setText(QStringLiteral("&Close"));
    disconnect(findButton(), &QPushButton::clicked, this, &MasterTableWindow::find);
    connect(findButton(), &QPushButton::clicked, this, &TClassForm::FindButtonClick);

    browser().setRecordWidth(4);
    browser().setSaveRules(std::make_unique<ClassTableSave::Rules>());
    model().setEditable(true);
    for (const ClassTableOrder& order : ClassTableOrders::all())
        addOrder({order.menuCaption, order.tag, order.statusName, order.findName});
    startBrowsing(0);
    table().first();
    showRecord();
}

bool TClassForm::FindButtonClick()
{
    if (browser().editing())
        return false;
    const ClassTableOrder* order = ClassTableOrders::byTag(browser().order()->tag);
    const bool found = finder_.find(table(), messages(), *order);
    showRecord();
    return found;
}

void TClassForm::SectionsByCurrentIndexClick()
{
    // The report reads every class, which would drop an edit in progress.
    if (browser().editing() && !save())
        return;
    try {
        TClassReportForm report(table(), browser().order()->tag, messages(), this);
        report.printToPreview();
    } catch (const std::exception& e) {
        messages().error(QString::fromStdString(e.what()));
    }
    showRecord();
}

void TClassForm::ClassKeysClick()
{
    showHelpFile(data_.root(), messages(), HelpText::classKeys, QStringLiteral("Class Keys"), this);
}

void TClassForm::afterRecordShown()
{
    // This window marks a deleted class "Deleted", not "DELETED".
    const bool deleted =
        !table().isEmpty() && table().deleted() && table().state() != dbf::Table::State::Insert;
    deletionLabel()->setText(deleted ? QStringLiteral("Deleted") : QStringLiteral("  "));
}

void openClassesWindow(Tdmod& data, QWidget* parent)
{
    data.OpenClasses();
    if (!data.ShowClasses())
        return;
    TClassForm form(data, parent);
    form.exec();
}
