#include "masters/JudgeOrders.h"

namespace JudgeOrders
{

const std::vector<JudgeOrder>& all()
{
    static const std::vector<JudgeOrder> orders{
        {"name", "NAME", "Last Name", "Last Name", "Last Name"},
        {"state", "STATE", "State", "State", "State Code"},
        {"judgnum", "JUDGNUM", "Pgm Judge #", "Judge #", ""},
    };
    return orders;
}

const JudgeOrder& byName()
{
    return all()[0];
}

const JudgeOrder& byState()
{
    return all()[1];
}

const JudgeOrder& byNumber()
{
    return all()[2];
}

const JudgeOrder* find(const QString& optionOrTag)
{
    for (const JudgeOrder& order : all())
        if (order.option.compare(optionOrTag, Qt::CaseInsensitive) == 0 ||
            order.tag.compare(optionOrTag, Qt::CaseInsensitive) == 0)
            return &order;
    return nullptr;
}

} // namespace JudgeOrders
