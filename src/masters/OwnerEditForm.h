#pragma once

#include "masters/OwnerEditing.h"

#include <QDialog>

class AutoCapsFilter;
class OwnerFieldsWidget;
class QLineEdit;
class QPushButton;
class SessionSettings;
class Tdmod;

// "Owner Information": the small dialog with which the entry desk and the dog
// master add a new owner or edit the current one. Made once and reused: set
// the hand-over (adding, typed name), exec(), then read the owner ID and
// whether it was saved. Save leaves the owners table on the saved owner.
class TOwnerEditForm : public QDialog
{
    Q_OBJECT
public:
    TOwnerEditForm(Tdmod& data, SessionSettings& session, QWidget* parent = nullptr);
    ~TOwnerEditForm() override;

    OwnerHandOver& handOver() { return handOver_; }
    // Sets the hand-over and shows the dialog modally; returns what it hands back.
    OwnerHandOver run(bool adding, const QString& typedName = {});

    OwnerFieldsWidget* fields() const { return fields_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Reads the keyboard preferences (missing keys count as off), starts the
    // new or edited record and shows the dialog modally. Rejected at once
    // when no record could be started.
    int exec() override;

public slots:
    void SaveButtonClick();
    void CancelButtonClick();
    // Closing the dialog any other way is a Cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Tdmod& data_;
    SessionSettings& session_;
    OwnerHandOver handOver_;
    OwnerEditing editing_;
    OwnerFieldsWidget* fields_;
    QPushButton* saveButton_;
    QPushButton* cancelButton_;
    QList<AutoCapsFilter*> autoCaps_;
    // True while a record is started and the dialog waits for Save or Cancel.
    bool open_ = false;
};
