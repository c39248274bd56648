#pragma once

#include "entry/EntryButtons.h"
#include "entry/MenuMap.h"

#include <QHash>
#include <QMainWindow>

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

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    QWidget* buildNoShowPicture();
    void connectWorkingCommands();
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
};
