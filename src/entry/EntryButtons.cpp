#include "entry/EntryButtons.h"

#include <array>

namespace
{

using enum EntryButton;

// clang-format off
constexpr auto kButtons = std::to_array<EntryButtonEntry>({
    {First,     {},           u"First record",                 MenuAction::None},
    {Prior,     {},           u"Prior record",                 MenuAction::None},
    {Next,      {},           u"Next record",                  MenuAction::None},
    {Last,      {},           u"Last record",                  MenuAction::None},
    {Add,       u"&Add",      u"Add a new Entry",              MenuAction::None},
    {Edit,      u"&Edit",     u"Edit the current Entry",       MenuAction::None},
    {Delete,    u"&Delete ",  u"Toggle Delete/UnDelete",       MenuAction::None},
    {Save,      u"&Save",     u"Save the current data",        MenuAction::None},
    {Cancel,    u"&Cancel",   u"Cancel the current edits",     MenuAction::None},
    {Find,      u"&Find",     u"Find by the current index",    MenuAction::None},
    {Exit,      u"E&xit",     {},                              MenuAction::Exit},
    {NewShow,   {},           u"New|Start a new show",         MenuAction::NewShow},
    {OpenShow,  {},           u"Open|Open an existing show",   MenuAction::OpenShow},
    {CloseShow, {},           u"Close Current Show",           MenuAction::CloseShow},
});
// clang-format on

} // namespace

std::span<const EntryButtonEntry> entryButtons()
{
    return kButtons;
}

bool worksOnEntries(EntryButton button)
{
    return button <= Find;
}
