#pragma once

#include "entry/EntryButtons.h"
#include "entry/MenuGate.h"
#include "entry/MenuMap.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>

#include <functional>

class EntryDeskWidget;
class Messages;
class Preferences;
class SessionSettings;
class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QStackedWidget;

// The entry desk and the hub of the application: its menus open every other
// window. Commands whose windows are not part of the application yet stay
// disabled; the code that brings a window enables its command and connects it.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(Preferences& preferences, SessionSettings& session, Messages& messages,
              QWidget* parent = nullptr);

    QAction* action(MenuAction id) const;
    QMenu* menu(MenuId id) const;
    QAbstractButton* button(EntryButton id) const;

    // No show open: a picture instead of the entry panel, and everything that
    // works on entries disabled.
    void showNoShowState();
    // A show is open: its date in the title, its number in the status bar, and
    // the menus that work on the show enabled (each command only once it works).
    void showShowOpenState(int showNumber, const QString& showDateText);
    bool showIsOpen() const { return showOpen_; }

    // Makes a command work: connects it and enables it whenever the menu rules
    // allow. When chosen, the menu gate decides whether it runs (or which
    // message it shows instead) and whether it runs detached; it runs inside
    // the command guard.
    void setCommand(MenuAction id, std::function<void()> handler);
    // Where the window learns the state the menu rules look at; without one
    // it knows only whether it shows a show.
    void setMenuStateSource(std::function<MenuState()> source);
    // Enables the menus and working commands as the menu rules say now.
    void refreshMenus();

    // While a detached command runs, the entry desk lets go of the show entry
    // table's record-move and state hooks; they are attached again when the
    // command ends, however it ends.
    bool entryHooksAttached() const { return detachedCommands_ == 0; }

    // The entry desk, shown in place of the picture while a show is open; its
    // buttons are the tool bar's.
    void setEntryDesk(EntryDeskWidget* desk);
    EntryDeskWidget* entryDesk() const { return desk_; }

    // Run before the preferences window opens: it closes the open show.
    void setCloseShowBeforePreferences(std::function<void()> closeShow);

signals:
    void entryHooksDetached();
    void entryHooksReattached();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    QWidget* buildNoShowPicture();
    void connectWorkingCommands();
    void showEntryButtons(bool editing);
    void runCommand(MenuAction id, const std::function<void()>& handler);
    MenuState menuState() const;
    void editPreferences();
    void showAbout();

    Preferences& preferences_;
    SessionSettings& session_;
    Messages& messages_;

    QHash<MenuAction, QAction*> actions_;
    QHash<MenuId, QMenu*> menus_;
    QHash<EntryButton, QAbstractButton*> buttons_;
    QStackedWidget* pages_ = nullptr;
    QWidget* noShowPicture_ = nullptr;
    QLabel* helpPanel_ = nullptr;
    QLabel* showPanel_ = nullptr;
    QLabel* recordPanel_ = nullptr;
    QLabel* orderPanel_ = nullptr;
    QSet<MenuAction> working_;
    bool showOpen_ = false;
    int detachedCommands_ = 0;
    std::function<MenuState()> menuStateSource_;
    std::function<void()> closeShowBeforePreferences_;
    EntryDeskWidget* desk_ = nullptr;
};
