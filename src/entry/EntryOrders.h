#pragma once

#include "entry/MenuMap.h"

#include <QString>
#include <QStringView>

#include <span>

// The orders the entry desk browses the open show in: the Index menu's items,
// the tag each sets on the show entry table and the status text it writes.
struct EntryOrder {
    MenuAction action;
    QStringView tag; // empty: input order, by record number
    QStringView status;
};

namespace EntryOrders
{

std::span<const EntryOrder> all();
const EntryOrder* forAction(MenuAction action);
// The order a tag stands for, compared without regard to case.
const EntryOrder* forTag(QStringView tag);
// "Last Name", the order set when a show is opened.
const EntryOrder& lastName();

} // namespace EntryOrders
