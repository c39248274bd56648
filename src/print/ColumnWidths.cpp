#include "print/ColumnWidths.h"

std::vector<double> sharedColumnWidths(const std::vector<ColumnNeed>& needs, double room)
{
    double widest = 0;
    double narrowest = 0;
    for (const ColumnNeed& need : needs) {
        widest += need.widest;
        narrowest += need.narrowest;
    }
    std::vector<double> widths;
    for (const ColumnNeed& need : needs) {
        if (widest <= room)
            widths.push_back(need.widest);
        else if (narrowest <= room)
            widths.push_back(need.narrowest + (room - narrowest) * (need.widest - need.narrowest) /
                                                  (widest - narrowest));
        else
            widths.push_back(room * need.narrowest / narrowest);
    }
    return widths;
}
