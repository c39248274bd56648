#pragma once

#include <QString>
#include <QStringView>

// A control's hint is "short|long": the short part is its tool tip, the long
// part the help text of the status bar. A hint without "|" serves as both.
namespace Hint
{

QString shortPart(QStringView hint);
QString longPart(QStringView hint);

} // namespace Hint
