#pragma once

#include "masters/DogOwnerChange.h"
#include "ui/MasterTableWindow.h"

#include <QHash>

#include <memory>

class BreedPickWidget;
class OwnerDialog;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class SessionSettings;
class TOwnerEditForm;
class Tdmod;

// "Dog Master Database": browse, correct, add and delete the dogs of the dog
// master, give a dog another owner, hide the grid or the deleted dogs, pack
// and remove-all. The table is left as the rest of the program expects it
// when the window closes: deleted dogs shown, in registration-number order.
class TDogForm : public MasterTableWindow
{
    Q_OBJECT
public:
    // The dog master and owners tables must be open.
    TDogForm(Tdmod& data, SessionSettings& session, QWidget* parent = nullptr);
    ~TDogForm() override;

    // The box of a text field ("reg", "dog", "owner_id", ...), the list of a
    // listed one ("sex", "ob_jmpht", "ht_card", ...).
    QLineEdit* box(const QString& field) const { return boxes_.value(field); }
    QComboBox* list(const QString& field) const { return lists_.value(field); }
    BreedPickWidget* breedBox() const { return breed_; }

    QLabel* ownerNameLine() const { return ownerName_; }
    QLabel* ownerAddressLine() const { return ownerAddress_; }
    QLabel* ownerEmailLine() const { return ownerEmail_; }
    QLabel* ownerPhoneLine() const { return ownerPhone_; }
    QLabel* ownerNote() const { return ownerNote_; }
    QPushButton* changeOwnerButton() const { return changeOwnerButton_; }
    QComboBox* ownerPick() const { return ownerPick_; }
    bool changingOwner() const { return changingOwner_; }

    QPushButton* gridButton() const { return gridButton_; }
    QAction* gridAction() const { return gridAction_; }
    QAction* deletesAction() const { return deletesAction_; }
    bool gridShown() const { return gridShown_; }
    bool deletesHidden() const { return deletesHidden_; }

    // "Change Owner": the pick field instead of the owner's address lines.
    void changeOwner();
    // The pick field was left: the dog gets the owner the text picks or the
    // owner dialog makes, and the owner display comes back.
    void finishOwnerChange();
    // "Show &Grid" / "Hide &Grid".
    void toggleGrid();
    // "Hide Deletes" / "Show Deletes".
    void toggleDeletes();

protected:
    void afterRecordShown() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLineEdit* addBox(QFormLayout* form, const QString& caption, const QString& field);
    QComboBox* addList(QFormLayout* form, const QString& caption, const QString& field);
    QWidget* makeOwnerPanel();
    void showOwner();
    void showOwnerChange(bool changing);
    void showViewCaptions();
    // Deleted dogs shown again, registration-number order.
    void leaveTableAsFound();

    Tdmod& data_;
    SessionSettings& session_;
    std::unique_ptr<TOwnerEditForm> ownerForm_;
    std::unique_ptr<OwnerDialog> ownerDialog_;
    DogOwnerChange ownerChange_;

    QHash<QString, QLineEdit*> boxes_;
    QHash<QString, QComboBox*> lists_;
    BreedPickWidget* breed_ = nullptr;
    QLabel* ownerName_ = nullptr;
    QLabel* ownerAddress_ = nullptr;
    QLabel* ownerEmail_ = nullptr;
    QLabel* ownerPhone_ = nullptr;
    QLabel* ownerNote_ = nullptr;
    QPushButton* changeOwnerButton_ = nullptr;
    QComboBox* ownerPick_ = nullptr;
    QPushButton* gridButton_ = nullptr;
    QAction* gridAction_ = nullptr;
    QAction* deletesAction_ = nullptr;
    bool changingOwner_ = false;
    bool gridShown_ = true;
    bool deletesHidden_ = false;
    bool placed_ = false;
};

// Opens the dog master window modally from the main menu (Databases, Dog
// Master), on the dog the dog master stands on. Does nothing more when the
// dog master or the owners cannot be opened (the data module has said why).
void openDogMasterWindow(Tdmod& data, SessionSettings& session, QWidget* parent);
