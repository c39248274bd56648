#include "reports/CountsReports.h"

#include "print/RecordList.h"
#include "reports/ClassCounts.h"
#include "reports/FeeCounts.h"
#include "storage/DataModule.h"

namespace
{

const QString kClassCountsTitle = QStringLiteral("Class Counts - Summary Of Entries by Trial #");
const QString kFeeCountsTitle = QStringLiteral("NUR Fee Counts by Section and Trial #");

// Letter less the two margins of 6.35 mm.
constexpr double kWidth = 203.2;
// The name column, then one column per trial up to the right margin.
constexpr double kNameWidth = 95;
constexpr double kTrialWidth = (kWidth - kNameWidth) / 4;
constexpr double kRowHeight = 5.5;

QRectF nameColumn(double top = 0, double height = kRowHeight)
{
    return {0, top, kNameWidth, height};
}

QRectF trialColumn(int trial, double top = 0, double height = kRowHeight)
{
    return {kNameWidth + (trial - 1) * kTrialWidth, top, kTrialWidth, height};
}

QString trialField(int trial)
{
    return QStringLiteral("t%1").arg(trial);
}

// The rows as the report reads them: the figures already as printed, so a
// trial the show does not hold prints empty.
std::shared_ptr<RecordList> rowsOf(const ShowCounts& counts)
{
    auto rows =
        std::make_shared<RecordList>(QStringList{"section", "name", "t1", "t2", "t3", "t4"});
    for (const CountRow& row : counts.rows) {
        QVariantList values{row.section, row.name};
        for (int trial = 1; trial <= 4; ++trial)
            values << counts.figure(row, trial);
        rows->append(values);
    }
    return rows;
}

// The sum of a trial's figures over the rows the band sees (a group's, or the
// report's); empty for a trial the show does not hold.
ReportValue totalOf(const ShowCounts& counts, int trial)
{
    return ReportValue::computed([trials = counts.trials, trial](const ReportContext& c) {
        if (trial > trials)
            return QString();
        int sum = 0;
        for (const ReportRow& row : c.groupRows())
            sum += row.text(trialField(trial)).toInt();
        return QString::number(sum);
    });
}

// The title and the club's line under it, centred.
ReportBand titleBand(const QString& title, bool bold, const QString& clubLine)
{
    ReportBand band;
    band.height = 15;
    band.elements = {ReportElement::text({0, 0, kWidth, 6.5}, ReportValue::literal(title),
                                         ReportFont::arial(12, bold), Qt::AlignCenter),
                     ReportElement::text({0, 6.5, kWidth, 6}, ReportValue::literal(clubLine),
                                         ReportFont::arial(11, bold), Qt::AlignCenter)};
    return band;
}

ReportBand pageHeader(const QString& heading)
{
    ReportBand band;
    band.height = 6;
    band.elements = {ReportElement::text(nameColumn(0, 6), ReportValue::literal(heading),
                                         ReportFont::arial(10, true))};
    return band;
}

// The section's name and the heads of the four trial columns.
ReportGroup sectionGroup()
{
    ReportGroup section;
    section.name = section.keyField = QStringLiteral("section");
    section.header.height = 8;
    const ReportFont bold = ReportFont::arial(10, true);
    section.header.elements << ReportElement::text(nameColumn(1.5, 6),
                                                   ReportValue::field("section"), bold);
    for (int trial = 1; trial <= 4; ++trial)
        section.header.elements << ReportElement::text(
            trialColumn(trial, 1.5, 6),
            ReportValue::literal(QStringLiteral("Trial #%1").arg(trial)), bold, Qt::AlignCenter);
    return section;
}

QString clubLine(Tdmod& data)
{
    return data.ReadClubName() + QStringLiteral(" - ") + data.ShowDatesText();
}

} // namespace

Report ClassCountsReport::build()
{
    const ShowCounts counts = ClassCounts::count(data_);
    const ReportFont bold = ReportFont::arial(10, true);

    ReportDefinition d;
    d.title = QStringLiteral("Class Counts");
    d.titleBand = titleBand(kClassCountsTitle, true, clubLine(data_));
    d.pageHeader = pageHeader(QStringLiteral("Class Name"));

    ReportGroup section = sectionGroup();
    section.footer.height = kRowHeight + 3;
    section.footer.elements << ReportElement::text(
        nameColumn(),
        ReportValue::computed([](const ReportContext& c) { return c.text("section") + " Total"; }),
        bold, Qt::AlignRight | Qt::AlignVCenter);
    for (int trial = 1; trial <= 4; ++trial)
        section.footer.elements << ReportElement::cell(trialColumn(trial), totalOf(counts, trial),
                                                       bold, Qt::AlignCenter);
    d.groups = {section};

    d.detail.height = kRowHeight;
    d.detail.elements << ReportElement::cell(nameColumn(), ReportValue::field("name"));
    for (int trial = 1; trial <= 4; ++trial)
        d.detail.elements << ReportElement::cell(
            trialColumn(trial), ReportValue::field(trialField(trial)), {}, Qt::AlignCenter);

    d.summary.height = kRowHeight + 2;
    d.summary.elements << ReportElement::text(nameColumn(2), ReportValue::literal("Grand Total"),
                                              bold, Qt::AlignRight | Qt::AlignVCenter);
    for (int trial = 1; trial <= 4; ++trial)
        d.summary.elements << ReportElement::cell(trialColumn(trial, 2), totalOf(counts, trial),
                                                  bold, Qt::AlignCenter);
    return {d, rowsOf(counts)};
}

Report FeeCountsReport::build()
{
    const ShowCounts counts = FeeCounts::count(data_);

    ReportDefinition d;
    d.title = QStringLiteral("Counts for NUR Fees");
    d.titleBand = titleBand(kFeeCountsTitle, false, clubLine(data_));
    d.pageHeader = pageHeader(QStringLiteral("Fee Type"));

    ReportGroup section = sectionGroup();
    section.keepTogether = true;
    section.footer.height = 3;
    d.groups = {section};

    d.detail.height = kRowHeight;
    d.detail.elements << ReportElement::text(nameColumn().adjusted(4, 0, 0, 0),
                                             ReportValue::field("name"));
    for (int trial = 1; trial <= 4; ++trial)
        d.detail.elements << ReportElement::text(
            trialColumn(trial), ReportValue::field(trialField(trial)), {}, Qt::AlignCenter);

    const QString regular =
        QStringLiteral("Regular Class Entries  (Based on the Fee-Type Code of REG in the Classes "
                       "Database)");
    const QString nonRegular = QStringLiteral(
        "Non-Regular Class Entries  (Based on the Fee-Type Code of NON in the Classes Database)");
    const QList<std::pair<QString, bool>> notes{
        {QStringLiteral("Special Notes:"), true},
        {QStringLiteral("Obedience Counts are by:"), false},
        {QStringLiteral("Dog's Entered   (only counted once if entered in Utitlity & Open or any "
                        "Non-Regular Class)  Use for the Recording Fee."),
         false},
        {regular, false},
        {nonRegular, false},
        {QStringLiteral("Rally Counts are by:"), false},
        {regular, false},
        {nonRegular, false},
    };
    constexpr double line = 5;
    double top = 6;
    for (const auto& [text, heading] : notes) {
        // The counts' lines are set in under their heading.
        const bool countLine = !heading && !text.endsWith(u':');
        const double left = countLine ? 8 : 0;
        d.summary.elements << ReportElement::text({left, top, kWidth - left, line},
                                                  ReportValue::literal(text),
                                                  ReportFont::arial(10, heading));
        top += line;
    }
    d.summary.height = top;
    return {d, rowsOf(counts)};
}
