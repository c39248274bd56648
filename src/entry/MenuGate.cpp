#include "entry/MenuGate.h"

#include "storage/DataModule.h"

namespace
{

// A command works on the open show when it or a menu above it says so.
bool needsShow(const MenuEntry* entry)
{
    for (; entry; entry = findMenuEntry(entry->parent)) {
        if (entry->flags & MenuFlag::NeedsShow)
            return true;
        if (entry->parent == MenuId::Bar || entry->parent == MenuId::None)
            break;
    }
    return false;
}

bool anyLiveEntry(const dbf::Table& entries)
{
    for (std::uint32_t r = 1; r <= entries.recordCount(); ++r) {
        if (!entries.record(r).deleted())
            return true;
    }
    return false;
}

} // namespace

MenuState MenuState::of(Tdmod& data)
{
    MenuState state;
    state.showOpen = data.showOpen();
    const QString club = data.ReadClubName();
    const QString secretary = data.preferences().secretary().name.trimmed();
    state.clubInfoSet = !club.isEmpty() && club != Preferences::kUnknown && !secretary.isEmpty() &&
                        secretary != Preferences::kUnknown;
    if (state.showOpen) {
        state.showHasObedience = data.ShowHasObedience();
        state.showHasRally = data.ShowHasRally();
        state.hasEntries = anyLiveEntry(*data.TzDbf1());
    }
    return state;
}

namespace MenuGate
{

GateDecision decide(MenuAction action, const MenuState& state)
{
    const MenuEntry* entry = findMenuEntry(action);
    if (!entry)
        return {};
    if (entry->flags & MenuFlag::NeedsClubInfo && !state.clubInfoSet)
        return {false,
                action == MenuAction::ViewResults ? kNeedsClubInfoForResults : kNeedsClubInfo};
    if (entry->flags & MenuFlag::ObedienceOnly && !state.showHasObedience)
        return {false, kNoObedience};
    if (entry->flags & MenuFlag::RallyOnly && !state.showHasRally)
        return {false, kNoRally};
    if (entry->flags & MenuFlag::NeedsEntries && !state.hasEntries)
        return {false, kNoEntries};
    return {};
}

bool detaches(MenuAction action, const MenuState& state)
{
    const MenuEntry* entry = findMenuEntry(action);
    if (!entry)
        return false;
    return entry->flags & MenuFlag::Detached ||
           (entry->flags & MenuFlag::DetachedWhileShowOpen && state.showOpen);
}

bool enabled(const MenuEntry& entry, const MenuState& state)
{
    if (needsShow(&entry) && !state.showOpen)
        return false;
    if (entry.isSubmenu()) {
        if (entry.flags & MenuFlag::ObedienceOnly)
            return state.showOpen && state.showHasObedience;
        if (entry.flags & MenuFlag::RallyOnly)
            return state.showOpen && state.showHasRally;
    }
    return true;
}

} // namespace MenuGate
