#include "entry/MainForm.h"

#include "entry/EntryDeskWidget.h"
#include "entry/Hint.h"
#include "storage/CommandGuard.h"
#include "storage/DefaultsForm.h"
#include "storage/Messages.h"
#include "storage/Preferences.h"
#include "storage/SessionSettings.h"
#include "ui/SavedGeometryWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

const QString kTitle = QStringLiteral("Ringvale 2.6");
const QString kGeometrySection = QStringLiteral("TMainForm");

void setHint(QAction* action, QStringView hint)
{
    action->setToolTip(Hint::shortPart(hint));
    action->setStatusTip(Hint::longPart(hint));
}

void setHint(QWidget* widget, QStringView hint)
{
    widget->setToolTip(Hint::shortPart(hint));
    widget->setStatusTip(Hint::longPart(hint));
}

QStyle::StandardPixmap pictureOf(EntryButton button)
{
    switch (button) {
    case EntryButton::First:
        return QStyle::SP_MediaSkipBackward;
    case EntryButton::Prior:
        return QStyle::SP_MediaSeekBackward;
    case EntryButton::Next:
        return QStyle::SP_MediaSeekForward;
    case EntryButton::Last:
        return QStyle::SP_MediaSkipForward;
    case EntryButton::NewShow:
        return QStyle::SP_FileIcon;
    case EntryButton::OpenShow:
        return QStyle::SP_DialogOpenButton;
    default: // Close Show; the other buttons show their captions
        return QStyle::SP_DialogCloseButton;
    }
}

} // namespace

TMainForm::TMainForm(Preferences& preferences, SessionSettings& session, Messages& messages,
                     QWidget* parent)
    : QMainWindow(parent), preferences_(preferences), session_(session), messages_(messages)
{
    setWindowTitle(kTitle);
    buildMenus();
    buildToolBar();
    buildStatusBar();

    pages_ = new QStackedWidget;
    noShowPicture_ = buildNoShowPicture();
    pages_->addWidget(noShowPicture_);
    setCentralWidget(pages_);

    connectWorkingCommands();
    session_.reload(preferences_);

    resize(1000, 700);
    restoreWindowGeometry(this, preferences_, kGeometrySection, RestoredGeometry::SizeOnly);
    showNoShowState();
}

QAction* TMainForm::action(MenuAction id) const
{
    return actions_.value(id);
}

QMenu* TMainForm::menu(MenuId id) const
{
    return menus_.value(id);
}

QAbstractButton* TMainForm::button(EntryButton id) const
{
    return buttons_.value(id);
}

void TMainForm::buildMenus()
{
    // Radio items exclude one another only within the menu that holds them, so
    // choosing a jump height checks both it and its submenu's own item.
    QHash<MenuId, QActionGroup*> radioGroups;
    const auto radioGroupOf = [&](MenuId parent) {
        QActionGroup*& group = radioGroups[parent];
        if (!group)
            group = new QActionGroup(this);
        return group;
    };

    for (const MenuEntry& entry : menuMap()) {
        const QString caption = entry.caption.toString();
        QAction* shown = nullptr;
        if (entry.isSubmenu()) {
            QMenu* submenu = entry.parent == MenuId::Bar
                                 ? menuBar()->addMenu(caption)
                                 : menus_.value(entry.parent)->addMenu(caption);
            menus_.insert(entry.submenu, submenu);
            shown = submenu->menuAction();
        } else {
            shown = menus_.value(entry.parent)->addAction(caption);
            actions_.insert(entry.action, shown);
            // A command stays disabled until its window is there to open.
            shown->setEnabled(false);
        }
        if (!entry.hint.isEmpty())
            setHint(shown, entry.hint);
        if (entry.flags & MenuFlag::Radio) {
            shown->setCheckable(true);
            radioGroupOf(entry.parent)->addAction(shown);
        }
    }
}

void TMainForm::buildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Entries"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);

    for (const EntryButtonEntry& entry : entryButtons()) {
        QAbstractButton* button = nullptr;
        if (entry.caption.isEmpty()) {
            auto* picture = new QToolButton;
            picture->setIcon(style()->standardIcon(pictureOf(entry.id)));
            picture->setAutoRaise(true);
            button = picture;
        } else {
            button = new QPushButton(entry.caption.toString());
        }
        setHint(button, entry.hint);
        buttons_.insert(entry.id, button);

        if (entry.id == EntryButton::Add || entry.id == EntryButton::NewShow)
            bar->addSeparator();
        bar->addWidget(button);

        if (QAction* command = action(entry.action)) {
            // The button is another way to the menu command: it runs it and
            // follows its enabled state.
            connect(button, &QAbstractButton::clicked, command, &QAction::trigger);
            connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
            button->setEnabled(command->isEnabled());
        }
    }
}

void TMainForm::buildStatusBar()
{
    helpPanel_ = new QLabel;
    showPanel_ = new QLabel;
    recordPanel_ = new QLabel;
    orderPanel_ = new QLabel;
    helpPanel_->setObjectName(QStringLiteral("helpPanel"));
    showPanel_->setObjectName(QStringLiteral("showPanel"));
    recordPanel_->setObjectName(QStringLiteral("recordPanel"));
    orderPanel_->setObjectName(QStringLiteral("orderPanel"));
    for (QLabel* panel : {helpPanel_, showPanel_, recordPanel_, orderPanel_})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(helpPanel_, 3);
    statusBar()->addWidget(showPanel_, 1);
    statusBar()->addWidget(recordPanel_, 1);
    statusBar()->addWidget(orderPanel_, 2);
}

QWidget* TMainForm::buildNoShowPicture()
{
    auto* picture = new QWidget;
    picture->setObjectName(QStringLiteral("noShowPicture"));

    auto* name = new QLabel(QStringLiteral("Ringvale"));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 4);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);

    auto* note = new QLabel;
    note->setObjectName(QStringLiteral("showNote"));
    QFont noteFont = note->font();
    noteFont.setPointSizeF(noteFont.pointSizeF() * 1.5);
    note->setFont(noteFont);
    note->setAlignment(Qt::AlignCenter);
    note->setForegroundRole(QPalette::PlaceholderText);

    auto* layout = new QVBoxLayout(picture);
    layout->addStretch();
    layout->addWidget(name);
    layout->addWidget(note);
    layout->addStretch();
    return picture;
}

void TMainForm::connectWorkingCommands()
{
    setCommand(MenuAction::Exit, [this] { close(); });
    setCommand(MenuAction::Preferences, [this] { editPreferences(); });
    setCommand(MenuAction::About, [this] { showAbout(); });
}

void TMainForm::setCommand(MenuAction id, std::function<void()> handler)
{
    QAction* command = action(id);
    connect(command, &QAction::triggered, this,
            [this, id, handler = std::move(handler)] { runCommand(id, handler); });
    working_.insert(id);
    refreshMenus();
}

void TMainForm::setMenuStateSource(std::function<MenuState()> source)
{
    menuStateSource_ = std::move(source);
    refreshMenus();
}

MenuState TMainForm::menuState() const
{
    if (menuStateSource_)
        return menuStateSource_();
    MenuState state;
    state.showOpen = showOpen_;
    return state;
}

void TMainForm::runCommand(MenuAction id, const std::function<void()>& handler)
{
    runGuarded(messages_, [&] {
        const MenuState state = menuState();
        const GateDecision decision = MenuGate::decide(id, state);
        if (!decision.runs) {
            messages_.inform(decision.message);
            return;
        }
        if (!MenuGate::detaches(id, state)) {
            handler();
            return;
        }
        // The hooks come back however the command ends.
        struct Detached {
            TMainForm& form;
            explicit Detached(TMainForm& f) : form(f)
            {
                if (form.detachedCommands_++ == 0)
                    emit form.entryHooksDetached();
            }
            ~Detached()
            {
                if (--form.detachedCommands_ == 0)
                    emit form.entryHooksReattached();
            }
        } detached(*this);
        handler();
    });
}

void TMainForm::refreshMenus()
{
    const MenuState state = menuState();
    for (const MenuEntry& entry : menuMap()) {
        const bool allowed = MenuGate::enabled(entry, state);
        if (entry.isSubmenu())
            menu(entry.submenu)->menuAction()->setEnabled(allowed);
        else if (working_.contains(entry.action))
            action(entry.action)->setEnabled(allowed);
    }
}

void TMainForm::setCloseShowBeforePreferences(std::function<void()> closeShow)
{
    closeShowBeforePreferences_ = std::move(closeShow);
}

void TMainForm::setEntryDesk(EntryDeskWidget* desk)
{
    desk_ = desk;
    pages_->addWidget(desk);
    const std::pair<EntryButton, void (EntryDeskWidget::*)()> handlers[] = {
        {EntryButton::First, &EntryDeskWidget::goFirst},
        {EntryButton::Prior, &EntryDeskWidget::goPrior},
        {EntryButton::Next, &EntryDeskWidget::goNext},
        {EntryButton::Last, &EntryDeskWidget::goLast},
        {EntryButton::Add, &EntryDeskWidget::add},
        {EntryButton::Edit, &EntryDeskWidget::edit},
        {EntryButton::Delete, &EntryDeskWidget::toggleDeleted},
        {EntryButton::Save, &EntryDeskWidget::save},
        {EntryButton::Cancel, &EntryDeskWidget::cancel},
        {EntryButton::Find, &EntryDeskWidget::find},
    };
    for (const auto& [id, handler] : handlers)
        connect(button(id), &QAbstractButton::clicked, desk, handler);
    connect(desk, &EntryDeskWidget::editingChanged, this, &TMainForm::showEntryButtons);
    connect(desk, &EntryDeskWidget::recordStatusChanged, recordPanel_, &QLabel::setText);
    connect(desk, &EntryDeskWidget::orderStatusChanged, orderPanel_, &QLabel::setText);
    connect(desk, &EntryDeskWidget::focusButton, this,
            [this](EntryButton id) { button(id)->setFocus(); });
    connect(this, &TMainForm::entryHooksDetached, desk, &EntryDeskWidget::detach);
    connect(this, &TMainForm::entryHooksReattached, desk, &EntryDeskWidget::reattach);
}

// While an entry is browsed the navigator, Add, Edit, Delete and Find work;
// while one is edited or added only Save and Cancel do.
void TMainForm::showEntryButtons(bool editing)
{
    for (const EntryButtonEntry& entry : entryButtons()) {
        if (!worksOnEntries(entry.id))
            continue;
        const bool saveOrCancel = entry.id == EntryButton::Save || entry.id == EntryButton::Cancel;
        button(entry.id)->setEnabled(showOpen_ && (saveOrCancel ? editing : !editing));
    }
}

void TMainForm::showShowOpenState(int showNumber, const QString& showDateText)
{
    showOpen_ = true;
    setWindowTitle(QStringLiteral("Ringvale  --  Show Date of ") + showDateText);
    refreshMenus();
    showPanel_->setText(QStringLiteral("Show #  ") + QString::number(showNumber));
    if (desk_) {
        pages_->setCurrentWidget(desk_);
        action(MenuAction::OrderLastName)->setChecked(true);
        showEntryButtons(false);
        desk_->showOpened();
    }
    noShowPicture_->findChild<QLabel*>(QStringLiteral("showNote"))
        ->setText(QStringLiteral("Show # %1 is open").arg(showNumber));
}

void TMainForm::showNoShowState()
{
    showOpen_ = false;
    setWindowTitle(kTitle);
    noShowPicture_->findChild<QLabel*>(QStringLiteral("showNote"))
        ->setText(QStringLiteral("No show is open"));
    pages_->setCurrentWidget(noShowPicture_);
    for (const EntryButtonEntry& entry : entryButtons()) {
        if (worksOnEntries(entry.id))
            button(entry.id)->setEnabled(false);
    }
    refreshMenus();
    showPanel_->setText(QStringLiteral("Show # "));
    recordPanel_->setText(QStringLiteral("Rec # "));
    orderPanel_->setText(QStringLiteral("Current Index ="));
}

bool TMainForm::event(QEvent* event)
{
    // The first panel of the status bar shows the help text of whatever is
    // under the mouse; the other panels stay as they are.
    if (event->type() == QEvent::StatusTip) {
        helpPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!saveWindowGeometry(this, preferences_, kGeometrySection))
        messages_.error(preferences_.errorString());
    event->accept();
}

void TMainForm::editPreferences()
{
    if (closeShowBeforePreferences_)
        closeShowBeforePreferences_();
    TDefaultsForm form(preferences_, session_, messages_, this);
    form.exec();
    // The window may have written new keyboard and armband settings, or the
    // file may have changed under it; what is in the file now holds.
    session_.reload(preferences_);
}

void TMainForm::showAbout()
{
    messages_.inform(kTitle, QStringLiteral("About"));
}
