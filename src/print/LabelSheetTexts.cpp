#include "print/LabelSheetTexts.h"

namespace LabelSheets
{

int sheetsNeeded(int labels, int perSheet)
{
    if (labels <= 0 || perSheet <= 0)
        return 0;
    return (labels + perSheet - 1) / perSheet;
}

int labelsOnLastSheet(int labels, int perSheet)
{
    if (labels <= 0 || perSheet <= 0)
        return 0;
    return labels % perSheet;
}

LabelPosition positionOfButton(int k, int across)
{
    return {(k - 1) / across + 1, (k - 1) % across + 1};
}

} // namespace LabelSheets

LabelSheetTexts LabelSheetTexts::forLabels(int labels, int perSheet)
{
    const int sheets = LabelSheets::sheetsNeeded(labels, perSheet);
    const int last = LabelSheets::labelsOnLastSheet(labels, perSheet);
    LabelSheetTexts texts;
    texts.count = "You have  " + QString::number(labels) + "  records to print";
    texts.sheets = "You will need  " + QString::number(sheets) +
                   (sheets > 1 ? " sheets of labels" : " sheet of labels");
    if (last > 0)
        texts.lastSheet =
            "The last sheet will use " + QString::number(last) + (last == 1 ? " label" : " labels");
    return texts;
}
