#include "masters/OwnerLabels.h"

#include "dbf/Table.h"
#include "print/LabelLayout.h"
#include "print/TableLabelSource.h"

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

// Runs the labels on whatever the caller hands in: a printer or a PDF file.
template <typename Output>
auto run(const dbf::Table& owners, OwnerLabelMode mode, LabelPosition start, Output output)
{
    LabelRun labels(stock(), layout());
    labels.setStart(start);
    labels.setPlacement(LabelPlacement::Centred);
    TableLabelSource records(owners, recordsToPrint(owners, mode));
    return output(labels, records);
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

LabelRun::Printed print(const dbf::Table& owners, OwnerLabelMode mode, LabelPosition start,
                        QPagedPaintDevice& device)
{
    return run(owners, mode, start, [&device](const LabelRun& labels, TableLabelSource& records) {
        return labels.print(records, device);
    });
}

Result<LabelRun::Printed> savePdf(const dbf::Table& owners, OwnerLabelMode mode,
                                  LabelPosition start, const QString& path)
{
    return run(owners, mode, start, [&](const LabelRun& labels, TableLabelSource& records) {
        return labels.savePdf(records, path);
    });
}

} // namespace OwnerLabels
