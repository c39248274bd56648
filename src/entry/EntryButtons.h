#pragma once

#include "entry/MenuMap.h"

#include <QStringView>

#include <span>

// The main window's tool bar, left to right: the record navigator, the entry
// buttons, Exit, and the speed buttons for the show files.
enum class EntryButton {
    First,
    Prior,
    Next,
    Last,
    Add,
    Edit,
    Delete,
    Save,
    Cancel,
    Find,
    Exit,
    NewShow,
    OpenShow,
    CloseShow,
};

struct EntryButtonEntry {
    EntryButton id;
    QStringView caption; // empty for the buttons that show a picture only
    QStringView hint;    // "short|long", as for menu items
    // The menu command the button also runs; None when it has its own handler.
    MenuAction action;
};

std::span<const EntryButtonEntry> entryButtons();

// The navigator and the six buttons that work on the entries of the open show:
// none of them has anything to do while no show is open.
bool worksOnEntries(EntryButton button);
