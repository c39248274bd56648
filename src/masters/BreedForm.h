#pragma once

#include "storage/DataRoot.h"
#include "ui/MasterTableWindow.h"

class Tdmod;

// "Breeds Database": the breed names and short names, edited in the grid.
// Help, "Name Formats" shows the help text of the data root's breed names.
class TBreedForm : public MasterTableWindow
{
    Q_OBJECT
public:
    TBreedForm(dbf::Table& breeds, Messages& messages, const DataRoot& root,
               QWidget* parent = nullptr);

    QAction* nameFormatsAction() const { return nameFormatsAction_; }

protected:
    void afterRecordShown() override;

private:
    DataRoot root_;
    QAction* nameFormatsAction_;
};

// Opens the breeds window modally over `parent` (the main menu's Databases,
// Special Databases, Breeds).
void openBreedsWindow(Tdmod& data, QWidget* parent);
