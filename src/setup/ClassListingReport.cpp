#include "setup/ClassListingReport.h"

#include "print/RecordList.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace
{

const QString kTitle = QStringLiteral("NUR CLASSES DATABASE");

// What each field means and the rule it must keep, as the report's page
// footer explains them.
const QStringList kFieldRules{
    "SORT KEY - must be unique over all classes; gives the printing order in the Catalog",
    "DB-KEY - must be unique over all classes; the class key, used internally for the "
    "class name",
    "FEE TYPE - \"REG\" or \"NON\"; only REG classes are counted for the club's fees",
    "CATGROUP - groups the classes of a section in the Catalog (see Catalog Groupings)",
    "MAX SCORE - the class's maximum score, the value from which points are deducted",
    "'Q' SCORE - the minimum qualifying score",
    "CAN NQ - Yes when the class has a non-qualifying score (below the qualifying score)",
    "SELKEY - names the group of classes that one offered class of the Show Dates selects",
};

struct Column {
    QString field;
    QString headingTop; // the first word of a two-word heading
    QString heading;
    double left;
    double width;
    Qt::Alignment alignment;
};

const QList<Column>& columns()
{
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignVCenter;
    static const QList<Column> list{
        {"classname", "CLASS", "NAME", 0, 64, left},   {"srtkey", "SORT", "KEY", 64, 16, centre},
        {"fee_type", "FEE", "TYPE", 80, 16, centre},   {"db_key", "", "DB-KEY", 96, 18, centre},
        {"catgroup", "", "CATGROUP", 114, 22, centre}, {"selkey", "", "SELKEY", 136, 18, centre},
        {"maxscore", "MAX", "SCORE", 154, 17, centre}, {"can_nq", "CAN", "NQ", 171, 14, centre},
        {"q_score", "'Q'", "SCORE", 185, 18, centre},
    };
    return list;
}

constexpr double kWidth = 203;

using RecordValues::text;

std::shared_ptr<RecordList> readRows(const dbf::Table& table, const QString& tag)
{
    QStringList fields{"section"};
    for (const Column& c : columns())
        fields << c.field;
    auto rows = std::make_shared<RecordList>(fields);

    for (std::uint32_t recno : table.recordsInOrder(tag.toStdString())) {
        const dbf::RecordView classes = table.record(recno);
        rows->append({text(classes, "section"), text(classes, "classname"), text(classes, "srtkey"),
                      text(classes, "fee_type"), text(classes, "db_key"), text(classes, "catgroup"),
                      text(classes, "selkey"), QString::number(classes.number("maxscore")),
                      classes.logical("can_nq") ? QStringLiteral("Yes") : QStringLiteral("No"),
                      QString::number(classes.number("q_score"))});
    }
    return rows;
}

ReportBand headings()
{
    const ReportFont bold = ReportFont::arial(9, true);
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
    ReportBand band;
    band.height = 11;
    for (const Column& c : columns()) {
        const Qt::Alignment align =
            c.field == QLatin1String("classname") ? Qt::AlignLeft | Qt::AlignBottom : centre;
        if (!c.headingTop.isEmpty())
            band.elements << ReportElement::text({c.left, 0, c.width, 4.5},
                                                 ReportValue::literal(c.headingTop), bold, align);
        band.elements << ReportElement::text({c.left, 4.5, c.width, 4.5},
                                             ReportValue::literal(c.heading), bold, align);
    }
    band.elements << ReportElement::ruledLine({0, 10, kWidth, 10}, 0.35);
    return band;
}

ReportBand fieldRulesFooter()
{
    constexpr double line = 3.6;
    ReportBand band;
    band.height = 4 + line * kFieldRules.size() + 7;
    band.elements << ReportElement::ruledLine({0, 1, kWidth, 1}, 0.35);
    double top = 2.5;
    for (const QString& rule : kFieldRules) {
        band.elements << ReportElement::text({0, top, kWidth, line}, ReportValue::literal(rule),
                                             ReportFont::arial(7.5));
        top += line;
    }
    top += 1.5;
    band.elements << ReportElement::text({0, top, 100, 5}, ReportValue::printDate("Printed On: %1"),
                                         ReportFont::arial(8));
    band.elements << ReportElement::text({103, top, 100, 5}, ReportValue::pageOfPages(),
                                         ReportFont::arial(8), Qt::AlignRight | Qt::AlignVCenter);
    return band;
}

} // namespace

ClassListingReport::ClassListingReport(dbf::Table& classes, QString tag)
    : classes_(classes), tag_(std::move(tag))
{
}

Report ClassListingReport::build()
{
    ReportDefinition d;
    d.title = kTitle;
    d.titleBand.height = 12;
    d.titleBand.elements = {ReportElement::text({0, 0, kWidth, 10}, ReportValue::literal(kTitle),
                                                ReportFont::arial(16, true), Qt::AlignCenter)};
    d.pageHeader = headings();

    ReportGroup section;
    section.name = section.keyField = QStringLiteral("section");
    section.header.height = 8;
    section.header.elements = {ReportElement::text(
        {0, 1.5, kWidth, 6}, ReportValue::field("section"), ReportFont::arial(11, true))};
    section.footer.height = 3;
    d.groups = {section};

    d.detail.height = 5;
    for (const Column& c : columns())
        d.detail.elements << ReportElement::text({c.left + 1, 0, c.width - 1, 5},
                                                 ReportValue::field(c.field), ReportFont::arial(9),
                                                 c.alignment);
    d.pageFooter = fieldRulesFooter();
    return {d, readRows(classes_, tag_)};
}
