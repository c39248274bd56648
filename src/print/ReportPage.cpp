#include "print/ReportPage.h"

QStringList ReportPage::texts() const
{
    QStringList result;
    for (const ReportPageItem& item : items) {
        if (item.kind == ReportPageItem::Kind::Text)
            result.append(item.text);
    }
    return result;
}
