#include "masters/OwnerLabels.h"

#include "dbf/Table.h"
#include "print/LabelLayout.h"
#include "print/TableRecords.h"

namespace OwnerLabels
{

namespace
{

const LabelLayout& layout()
{
    static const LabelLayout label = [] {
        LabelLayout l;
        l.add(LabelItem::expressionItem(15, 16, "trim(first)+' '+trim(last)", labelFont(9)));
        l.add(LabelItem::expressionItem(15, 33, "trim(address)", labelFont(9)));
        l.add(LabelItem::expressionItem(15, 50, "trim(city)+', '+trim(state)+'   '+trim(zip)",
                                        labelFont(9)));
        l.add(LabelItem::field(27, 66, "country", labelFont(8)));
        return l;
    }();
    return label;
}

} // namespace

QString caption()
{
    return QStringLiteral("Owner Mailing Labels");
}

QString modeText(OwnerLabelMode mode)
{
    return mode == OwnerLabelMode::All ? QStringLiteral("All Records in Database")
                                       : QStringLiteral("Snail Mail Records Only");
}

const LabelStock& stock()
{
    return LabelStock::avery5160();
}

bool prints(const dbf::RecordView& owner, OwnerLabelMode mode)
{
    if (owner.deleted())
        return false;
    return mode == OwnerLabelMode::All ||
           QString::fromStdString(owner.text("email")).trimmed().isEmpty();
}

std::vector<std::uint32_t> recordsToPrint(const dbf::Table& owners, OwnerLabelMode mode)
{
    return owners.recordsInOrder(
        "name", [mode](const dbf::RecordView& owner) { return prints(owner, mode); });
}

int count(const dbf::Table& owners, OwnerLabelMode mode)
{
    return static_cast<int>(recordsToPrint(owners, mode).size());
}

LabelRun labels(const dbf::Table& owners, OwnerLabelMode mode, LabelPosition start)
{
    LabelRun run(stock(), layout(),
                 std::make_shared<TableRecords>(owners, recordsToPrint(owners, mode)));
    run.setStart(start);
    run.setPlacement(LabelPlacement::Centred);
    return run;
}

} // namespace OwnerLabels
