#pragma once

#include "storage/DefaultsValues.h"

#include <QDialog>

#include <memory>

class Messages;
class Preferences;
class SessionSettings;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

// Tools, "Preferences / Defaults": edits the club and secretary details, the
// keyboard and armband preferences and the exhibitor slips' comment line.
// Nothing is written until Apply or Okay.
class TDefaultsForm : public QDialog
{
    Q_OBJECT
public:
    // Every message, a file that cannot be written included, goes through `messages`.
    TDefaultsForm(Preferences& preferences, SessionSettings& session, Messages& messages,
                  QWidget* parent = nullptr);
    ~TDefaultsForm() override;

    // What the controls hold now.
    DefaultsValues values() const;

private:
    QWidget* buildClubPage();
    QWidget* buildSecretaryPage();
    QWidget* buildDataEntryPage();
    QWidget* buildArmbandsPage();
    QWidget* buildSlipsPage();
    void load(const DefaultsValues& values);
    void watchForChanges();
    void markChanged();
    bool apply();
    void okay();
    void showHelp();

    Preferences& preferences_;
    SessionSettings& session_;
    Messages& messages_;
    DefaultsValues loaded_;

    QTabWidget* pages_ = nullptr;
    QLineEdit* clubName_ = nullptr;
    QLineEdit* secretaryName_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* city_ = nullptr;
    QLineEdit* state_ = nullptr;
    QLineEdit* zip_ = nullptr;
    QCheckBox* enterAsTab_ = nullptr;
    QCheckBox* pgdnAsSave_ = nullptr;
    QCheckBox* autoCaps_ = nullptr;
    QButtonGroup* creation_ = nullptr;
    QButtonGroup* digits_ = nullptr;
    QLineEdit* armbandStart_ = nullptr;
    QLineEdit* slipComment_ = nullptr;
    QPushButton* applyButton_ = nullptr;
};
