#pragma once

#include "masters/OwnerLabels.h"
#include "ui/MasterTableWindow.h"

class OwnerFieldsWidget;
class QWidget;
class Tdmod;

// "Owner's Data Base": browse and edit the owners, with their listing and
// mailing labels, pack and remove-all.
class TOwnerForm : public MasterTableWindow
{
    Q_OBJECT
public:
    // The owners table must be open.
    TOwnerForm(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent = nullptr);

    OwnerFieldsWidget* fields() const { return fields_; }
    QAction* listingAction() const { return listingAction_; }
    QAction* labelsAction(OwnerLabelMode mode) const;

    // "Listing (Single line)": the owners in the window's order.
    void showListing();
    // "Address Labels": the label sheet window in the chosen mode.
    void showLabels(OwnerLabelMode mode);

protected:
    void removeAllRecords() override;
    void afterRecordShown() override;

private:
    // The listing and the labels walk the table; an edit is saved first.
    bool readyToWalk();

    Tdmod& data_;
    OwnerFieldsWidget* fields_;
    QAction* listingAction_;
    QAction* allLabelsAction_;
    QAction* snailMailLabelsAction_;
};

// Opens the owner database window modally from the main menu. Reports an
// owners table that cannot be opened and does nothing else then.
void openOwnersWindow(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent);
