#pragma once

#include "setup/CatGroupListing.h"
#include "ui/MasterTableWindow.h"

class Tdmod;

// "Catalog Groupings": the headings and footer lines the catalog prints
// around each group of classes, in a form view or a grid view.
class TCatGroupForm : public MasterTableWindow
{
    Q_OBJECT
public:
    TCatGroupForm(Tdmod& data, QWidget* parent = nullptr);
    // Deleted groupings are hidden only while the window is open: the
    // catalog's lookups read the same table.
    ~TCatGroupForm() override;

    QPushButton* gridButton() const { return gridButton_; }
    QPushButton* deletesButton() const { return deletesButton_; }
    QAction* gridAction() const { return gridAction_; }
    QAction* deletesAction() const { return deletesAction_; }
    QAction* findAction() const { return findAction_; }
    QAction* codesAction() const { return codesAction_; }
    QAction* fullListAction() const { return fullListAction_; }
    bool gridShown() const { return gridShown_; }
    bool deletesHidden() const { return deletesHidden_; }

    // "Show Grid" / "Hide Grid".
    void GridClick();
    // "Hide Deletes" / "Show Deletes"; then the first record.
    void DeletesClick();
    // "List of Codes" and "Full List": the listing's order, then the listing.
    void ListClick(CatGroupListing::Kind kind);

private:
    void showView();

    Tdmod& data_;
    QPushButton* gridButton_;
    QPushButton* deletesButton_;
    QAction* gridAction_;
    QAction* deletesAction_;
    QAction* findAction_;
    QAction* codesAction_;
    QAction* fullListAction_;
    bool gridShown_ = false;
    bool deletesHidden_ = false;
};

// Opens the catalog groupings editor modally (Databases, Special Databases,
// "Catalog Groupings").
void openCatGroupsWindow(Tdmod& data, QWidget* parent);
