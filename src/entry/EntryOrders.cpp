#include "entry/EntryOrders.h"

#include <algorithm>
#include <array>

namespace
{

using A = MenuAction;

constexpr auto kOrders = std::to_array<EntryOrder>({
    {A::OrderLastName, u"name", u"Current Index = Last Name"},
    {A::OrderNurNumber, u"regnum", u"Current Index = NUR #"},
    {A::OrderArmband, u"armband", u"Current Index = Armband #"},
    {A::OrderDogName, u"dogname", u"Current Index = Dog's Name"},
    {A::OrderObedienceJumpAscending, u"aobjmpht",
     u"Current Index is Obedience Ascending Jump Heights"},
    {A::OrderObedienceJumpDescending, u"dobjmpht",
     u"Current Index is Obedience Descending Jump Heights"},
    {A::OrderRallyJumpAscending, u"arallyht", u"Current Index is Rally Ascending Jump Heights"},
    {A::OrderRallyJumpDescending, u"drallyht", u"Current Index is Rally Descending Jump Heights"},
    {A::OrderBreedName, u"breedname", u"Current Index = Breed Name"},
    {A::OrderInputOrder, u"", u"Current Index = Input Order"},
});

} // namespace

namespace EntryOrders
{

std::span<const EntryOrder> all()
{
    return kOrders;
}

const EntryOrder* forAction(MenuAction action)
{
    const auto* found = std::ranges::find(kOrders, action, &EntryOrder::action);
    return found == kOrders.end() ? nullptr : found;
}

const EntryOrder* forTag(QStringView tag)
{
    const auto* found = std::ranges::find_if(kOrders, [tag](const EntryOrder& order) {
        return order.tag.compare(tag, Qt::CaseInsensitive) == 0;
    });
    return found == kOrders.end() ? nullptr : found;
}

const EntryOrder& lastName()
{
    return kOrders.front();
}

} // namespace EntryOrders
