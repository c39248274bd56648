#pragma once

#include "ui/MasterTableWindow.h"

class Tdmod;

// "Breeds Database": the breed names and short names, edited in the grid.
class TBreedForm : public MasterTableWindow
{
    Q_OBJECT
public:
    TBreedForm(dbf::Table& breeds, Messages& messages, QWidget* parent = nullptr);

protected:
    void afterRecordShown() override;
};

// Opens the breeds window modally over `parent` (the main menu's Databases,
// Special Databases, Breeds).
void openBreedsWindow(Tdmod& data, QWidget* parent);
