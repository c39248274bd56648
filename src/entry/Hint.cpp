#include "entry/Hint.h"

namespace Hint
{

QString shortPart(QStringView hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return (bar < 0 ? hint : hint.left(bar)).toString();
}

QString longPart(QStringView hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return (bar < 0 ? hint : hint.mid(bar + 1)).toString();
}

} // namespace Hint
