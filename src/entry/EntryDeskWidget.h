#pragma once

#include "entry/EntryButtons.h"
#include "entry/EntryEditor.h"
#include "entry/EntryFind.h"
#include "entry/MenuMap.h"

#include <QWidget>

#include <memory>
#include <optional>

class EntryPanelWidget;
class Messages;
class SessionSettings;
class TOwnerEditForm;
class Tdmod;

// The entry desk of the open show: the entry panel over the show entry table,
// driven by the entry editor. The main window hosts it, hands it its tool bar
// buttons' clicks and its Index, View and Tasks commands, and shows its status
// texts; every handler here runs inside the command guard.
class EntryDeskWidget : public QWidget
{
    Q_OBJECT
public:
    EntryDeskWidget(Tdmod& data, SessionSettings& session, Messages& messages,
                    QWidget* parent = nullptr);
    ~EntryDeskWidget() override;

    EntryPanelWidget* panel() const { return panel_; }
    EntryEditor& editor() { return *editor_; }
    bool editing() const;

    // A show was opened: the class boxes it offers, the Last Name order, the
    // first entry, the Max Code labels. An empty show says how to begin.
    void showOpened();
    // The show entry table is in other hands while a detached command runs.
    void detach();
    void reattach();
    // Shows the current record again (after another window changed it).
    void refresh();
    // After a window that walked the entries its own way: deleted entries
    // shown, the Last Name order, the first entry.
    void showAllFromTheStart();

    // --- Commands -----------------------------------------------------------
    void goFirst();
    void goPrior();
    void goNext();
    void goLast();
    void add();
    void edit();
    void save();
    void cancel();
    void toggleDeleted();
    void find();
    void selectOrder(MenuAction order);
    // "Hide Deletes" / "Show Deletes": the caption the item shows afterwards.
    QString toggleHideDeletes();
    bool deletesHidden() const { return deletesHidden_; }
    void pack();
    // The breeds list again (after the breeds window).
    void reloadBreeds();

signals:
    void recordStatusChanged(const QString& text);
    void orderStatusChanged(const QString& text);
    // Browsing or editing: the main window swaps its buttons.
    void editingChanged(bool editing);
    void focusButton(EntryButton button);
    // "OwnerHelp ": the help on owners.
    void showHelp();

private:
    template <typename Step> void run(Step step);
    void move(void (dbf::Table::*step)());
    void afterMove();
    void showCurrent();
    void focusOn(const QString& target);
    void storeBoxes();
    void watchKeys();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateStatus();

    Tdmod& data_;
    SessionSettings& session_;
    Messages& messages_;
    std::unique_ptr<TOwnerEditForm> ownerForm_;
    class OwnerFormDialog;
    std::unique_ptr<OwnerFormDialog> ownerDialog_;
    std::unique_ptr<EntryEditor> editor_;
    EntryFind finder_{EntryFind::Window::Desk};
    EntryPanelWidget* panel_;
    bool detached_ = false;
    bool deletesHidden_ = false;
    bool handling_ = false; // a handler is running: focus changes it makes are not the secretary's
    std::optional<EntryButton> pendingFocus_;
};
