#pragma once

#include "setup/ClassTableFind.h"
#include "ui/MasterTableWindow.h"

class Tdmod;

// "Currently Defined Classes ": the class table in a grid, every column
// editable. A record is saved only when its sort key and class key keep the
// class table's rules.
class TClassForm : public MasterTableWindow
{
    Q_OBJECT
public:
    TClassForm(Tdmod& data, QWidget* parent = nullptr);

    QAction* reportAction() const { return reportAction_; }
    QAction* exitAction() const { return exitAction_; }
    // Asks for a key in the current order and goes to the class found.
    bool FindButtonClick();
    // Shows the class report in the current order.
    void SectionsByCurrentIndexClick();

protected:
    void afterRecordShown() override;

private:
    void ClassKeysClick();

    Tdmod& data_;
    ClassTableFind finder_;
    QAction* reportAction_;
    QAction* exitAction_;
};

// Opens the class table editor modally (Databases, Special Databases,
// "Classes && Sort Keys").
void openClassesWindow(Tdmod& data, QWidget* parent);
