#include "masters/JudgeLabels.h"

#include "masters/JudgeOrders.h"

#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

namespace JudgeLabels
{

namespace
{

QString field(const dbf::RecordView& judge, const char* name)
{
    return RecordValues::text(judge, name).trimmed();
}

// Fields longer than their column are cut, so the record number keeps its place.
QString column(const QString& text, int width)
{
    return text.leftJustified(width, u' ', true);
}

} // namespace

const LabelStock& stock()
{
    return LabelStock::avery5160();
}

QString checkListLine(const dbf::RecordView& judge, const QString& tag)
{
    const QString name = field(judge, "last") + ", " + field(judge, "first");
    const QString state = field(judge, "state");
    const JudgeOrder* order = JudgeOrders::find(tag);
    QString text;
    if (order == &JudgeOrders::byState())
        text = column(column(state, 20) + name, 70);
    else if (order == &JudgeOrders::byNumber())
        text = column(field(judge, "judgenum") + "  " + name, 50) + column(state, 20);
    else
        text = column(name, 50) + column(state, 20);
    return text + u'[' + QString::number(judge.recno()) + u']';
}

std::vector<Choice> checkList(const dbf::Table& judges, const QString& tag)
{
    std::vector<Choice> choices;
    for (std::uint32_t recno : judges.recordsInOrder(tag.toStdString()))
        choices.push_back({recno, checkListLine(judges.record(recno), tag)});
    return choices;
}

std::set<std::uint32_t> recordsNumbered(const dbf::Table& judges, const QList<int>& numbers,
                                        QList<int>* unknown)
{
    std::set<std::uint32_t> records;
    QList<int> found;
    for (std::uint32_t r = 1; r <= judges.recordCount(); ++r) {
        const int number = TextRules::IdToInt(field(judges.record(r), "judgenum"));
        if (numbers.contains(number)) {
            records.insert(r);
            found << number;
        }
    }
    for (int number : numbers)
        if (!found.contains(number))
            *unknown << number;
    return records;
}

std::shared_ptr<RecordList> selection(const dbf::Table& judges, const QString& tag,
                                      const std::set<std::uint32_t>& ticked)
{
    static const QStringList fields{"first", "last", "address", "city", "state", "zip", "country"};
    auto records = std::make_shared<RecordList>(fields);
    for (std::uint32_t recno : judges.recordsInOrder(tag.toStdString())) {
        const dbf::RecordView judge = judges.record(recno);
        if (judge.deleted() || !ticked.contains(recno))
            continue;
        QVariantList values;
        for (const QString& name : fields)
            values << field(judge, name.toLatin1().constData());
        records->append(values);
    }
    return records;
}

const LabelLayout& layout()
{
    // Four 10-point lines fill the inch-high label with room above and below;
    // positions are in 1/96 inch from the label's corner.
    static const LabelLayout labels = [] {
        LabelLayout l;
        const QFont font = labelFont(10);
        l.add(LabelItem::expressionItem(14, 10, "trim(first)+' '+trim(last)", font));
        l.add(LabelItem::field(14, 28, "address", font));
        l.add(LabelItem::expressionItem(14, 46, "trim(city)+', '+trim(state)+'       '+trim(zip)",
                                        font));
        l.add(LabelItem::field(14, 64, "country", font));
        return l;
    }();
    return labels;
}

LabelRun labels(const dbf::Table& judges, const QString& tag, const std::set<std::uint32_t>& ticked,
                LabelPosition start)
{
    LabelRun run(stock(), layout(), selection(judges, tag, ticked));
    run.setStart(start);
    run.setPlacement(placement);
    return run;
}

QString selectedText(int selected)
{
    return "Selected records = " + QString::number(selected);
}

} // namespace JudgeLabels
