#include "setup/ClassTableOrders.h"

namespace ClassTableOrders
{

const QList<ClassTableOrder>& all()
{
    static const QList<ClassTableOrder> orders{
        {"srtkey", "srtkey", "Catalog Sort Code", "Sort Code", "Sort Key"},
        {"section", "SECTION", "Section plus Class Name", "Section plus Class Name",
         "Section plus Class Name"},
        // The class-key order asks for its key with no name in the prompt.
        {"dbkey", "DBKEY", "Special DB_Key", "Special DB_Key", ""},
        {"name", "NAME", "Class Name Only", "Name Only", "Class Name"},
    };
    return orders;
}

const ClassTableOrder* byName(const QString& name)
{
    for (const ClassTableOrder& order : all()) {
        if (order.name.compare(name, Qt::CaseInsensitive) == 0)
            return &order;
    }
    return nullptr;
}

const ClassTableOrder* byTag(const QString& tag)
{
    for (const ClassTableOrder& order : all()) {
        if (order.tag.compare(tag, Qt::CaseInsensitive) == 0)
            return &order;
    }
    return nullptr;
}

} // namespace ClassTableOrders
