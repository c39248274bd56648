#pragma once

#include "entry/EntryDog.h"
#include "entry/EntryOwner.h"
#include "storage/ClassCodes.h"

#include <QHash>
#include <QWidget>

#include <array>

class BreedPickWidget;
class OfferedClasses;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace dbf
{
class Table;
}

// The entry panel of the entry desk: every box of one entry, its owner and
// its dog, and the class check boxes of up to four trials. It only shows and
// collects: it loads the entry table's record buffer and the desk's owner and
// dog displays, writes what was typed back into the buffer, and tells the
// desk what the secretary did (left the registration number, clicked a class
// label, entered an owner box) through its signals.
class EntryPanelWidget : public QWidget
{
    Q_OBJECT
public:
    explicit EntryPanelWidget(QWidget* parent = nullptr);

    // The box of an entry field ("reg", "dog", "arm", "bracecode", ...),
    // nullptr when the panel has none.
    QWidget* fieldBox(const QString& field) const;
    QLineEdit* ownerBox(const QString& field) const;
    QCheckBox* classBox(const ClassCodes::ClassCode& cls, int trial) const;
    QAbstractButton* classLabel(const ClassCodes::ClassCode& cls) const;
    QComboBox* ownerPickList() const { return pickList_; }
    QComboBox* sexBox() const { return sex_; }
    QLineEdit* birthdateBox() const { return birthdate_; }
    BreedPickWidget* breedBox() const { return breed_; }
    QLineEdit* dogBox(const QString& name) const; // "breeder", "sire", "dam", "owner2"
    QPushButton* changeOwnerButton() const { return changeOwner_; }
    QPushButton* ownerHelpButton() const { return ownerHelp_; }
    QLabel* deletedLabel() const { return deleted_; }
    QLabel* maxCodeLabel(int kind) const { return maxCodes_.at(kind); }
    QTabWidget* classTabs() const { return tabs_; }
    QButtonGroup* rallyHeights() const { return rallyHeights_; }

    // --- Showing ----------------------------------------------------------
    void showEntry(const dbf::Table& entry, const EntryOwner::Display& owner,
                   const DogDetails& dog);
    void showOwner(const EntryOwner::Display& owner);
    void showDogDetails(const DogDetails& dog);
    void showOwnerPickList(bool shown, const QStringList& owners = {});
    void showDeleted(bool deleted);
    void showMaxCodes(const std::array<QString, 5>& codes);
    void setBreeds(const QStringList& breeds);
    // No class box of a trial the show does not offer the class in can be
    // ticked; the obedience tab is shown when the show has obedience.
    void enableClasses(const OfferedClasses& offered);

    // --- Collecting -------------------------------------------------------
    // Writes every entry box into the record buffer (being edited or added).
    void storeEntry(dbf::Table& entry) const;
    DogDetails dogDetails() const;

signals:
    // Typing into an entry box of a browsed entry starts editing it.
    void typingStarted();
    void registrationLeft();
    void breedLeft();
    void armbandLeft();
    void ownerPickListLeft(const QString& typed);
    void ownerFieldEntered();
    // A box whose value goes to the dog master was entered.
    void dogDetailsEntered();
    void classLabelClicked(const ClassCodes::ClassCode* cls);
    void changeOwnerClicked();
    void ownerHelpClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildDogGroup();
    QWidget* buildOwnerGroup();
    QWidget* buildEntryGroup();
    QWidget* buildClassTabs();
    QWidget* buildClassPage(ClassCodes::Section section);
    QLineEdit* addLine(const QString& field, int width);
    void watchTyping(QWidget* box);

    QHash<QString, QWidget*> fields_;
    QHash<QString, QLineEdit*> owner_;
    QHash<QString, QLineEdit*> dogBoxes_;
    QHash<const ClassCodes::ClassCode*, QAbstractButton*> labels_;
    std::array<std::array<QCheckBox*, ClassCodes::maxTrials>, ClassCodes::classes.size()> boxes_{};
    QComboBox* sex_ = nullptr;
    QLineEdit* birthdate_ = nullptr;
    BreedPickWidget* breed_ = nullptr;
    QComboBox* pickList_ = nullptr;
    QLabel* pickLabel_ = nullptr;
    QPushButton* changeOwner_ = nullptr;
    QPushButton* ownerHelp_ = nullptr;
    QLabel* deleted_ = nullptr;
    std::array<QLabel*, 5> maxCodes_{};
    QTabWidget* tabs_ = nullptr;
    QComboBox* obedienceHeight_ = nullptr;
    QButtonGroup* rallyHeights_ = nullptr;
    bool loading_ = false;
    bool built_ = false;
};
