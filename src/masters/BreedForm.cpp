#include "BreedForm.h"

#include "masters/BreedSaveRules.h"
#include "storage/DataModule.h"
#include "ui/HelpText.h"
#include "ui/HelpViewerWindow.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace
{

const QString kDeleteCaption = QStringLiteral("Un&Delete");

} // namespace

TBreedForm::TBreedForm(dbf::Table& breeds, Messages& messages, const DataRoot& root,
                       QWidget* parent)
    : MasterTableWindow(breeds, messages, parent), root_(root)
{
    setObjectName(QStringLiteral("TBreedForm"));
    setWindowTitle(QStringLiteral("Breeds Database"));

    setHint(findButton(), QStringLiteral("Find a Breed"));
    setHint(saveButton(), QStringLiteral("Save the current data"));
    setHint(cancelButton(), QStringLiteral("Cancel the current edits"));
    setHint(closeButton(), QStringLiteral("Close this window"));
    setHint(addButton(), QStringLiteral("Add a new record"));
    setHint(deleteButton(), QStringLiteral("Delete or UnDelete the current record"));
    saveButton()->setDefault(true);
    // Editing starts by typing into the grid or from the Edit menu.
    editButton()->hide();

    auto* panel = new QVBoxLayout(dataPanel());
    panel->setContentsMargins(0, 0, 0, 0);
    auto* instructions = new QLabel(
        QStringLiteral("Make changes within the grid.   Moving to a new row automatically saves "
                       "the \nchanges or Click the SAVE button.  To Cancel a change - press the "
                       "ESC Key \nwhile in the record or click the CANCEL button."));
    instructions->setFrameShape(QFrame::Box);
    panel->addWidget(instructions);
    panel->addWidget(new QLabel(QStringLiteral(
        "Names follow NUR's format of:  Retrievers(Golden).  UnDelete the alternate "
        "of:  Golden Retriever   if you wish to use that format and Delete NUR's .")));
    auto* red = new QLabel(QStringLiteral("RED indicates a Deleted record"));
    QPalette redText = red->palette();
    redText.setColor(QPalette::WindowText, Qt::red);
    red->setPalette(redText);
    panel->addWidget(red);

    model().setColumns({QStringLiteral("breed_name"), QStringLiteral("short_name")});
    model().setEditable(true);
    setFirstField(grid());

    // The Edit button is hidden, so its letter is free for the menu.
    QMenu* editMenu = new QMenu(QStringLiteral("&Edit"), this);
    menuBar()->insertMenu(menuBar()->actions().constFirst(), editMenu);
    connect(editMenu->addAction(QStringLiteral("Edit Current Record")), &QAction::triggered, this,
            &TBreedForm::edit);
    connect(editMenu->addAction(QStringLiteral("Add a Record")), &QAction::triggered, this,
            &TBreedForm::add);
    connect(editMenu->addAction(QStringLiteral("Delete/UnDelete")), &QAction::triggered, this,
            &TBreedForm::toggleDeleted);

    // One order only, so the Index menu and panel have nothing to offer.
    indexMenu()->menuAction()->setVisible(false);
    indexPanel()->hide();
    nameFormatsAction_ =
        addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("Name Formats"));
    connect(nameFormatsAction_, &QAction::triggered, this, [this] {
        showHelpFile(root_, this->messages(), HelpText::breedNameFormats,
                     QStringLiteral("Name Formats"), this);
    });
    packAction()->setText(QStringLiteral("Pack or Remove Deletes"));
    packAction()->setStatusTip(QStringLiteral("Use PACK to Permanently Remove Deletes"));
    browser().setRecordWidth(3);
    browser().setSaveRules(std::make_unique<BreedSaveRules>());

    addOrder({QStringLiteral("Breed"), QStringLiteral("breedname"), QStringLiteral("Breed"),
              QStringLiteral("Breed")});
    startBrowsing(0);
}

void TBreedForm::afterRecordShown()
{
    // This window's toggle keeps one caption whatever the record.
    deleteButton()->setText(kDeleteCaption);
}

void openBreedsWindow(Tdmod& data, QWidget* parent)
{
    data.OpenBreeds();
    if (!data.Breeds())
        return;
    TBreedForm form(*data.Breeds(), data.messages(), data.root(), parent);
    form.exec();
}
