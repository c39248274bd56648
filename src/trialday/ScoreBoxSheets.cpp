#include "trialday/ScoreBoxSheets.h"

#include "print/ReportLayout.h"
#include "storage/DataModule.h"
#include "trialday/RallyWorkTable.h"

namespace ScoreBoxSheets
{

namespace
{

constexpr double kRow = 6.35;
constexpr double kColumn = 101.6;
// The page header and the two group headers take this much of the page, so
// that the 35 rows of a short class fill its first column to the foot.
constexpr double kPageHeader = 8;
constexpr double kTrialHeader = 8;
constexpr double kClassHeader = 28.4;

struct Column {
    QString heading;
    double width;
    std::function<QString(const ReportContext&)> text;
};

QList<Column> columns(bool jumpHeights)
{
    const auto field = [](const char* name) {
        return [name = QString::fromLatin1(name)](const ReportContext& c) { return c.text(name); };
    };
    const auto empty = [](const ReportContext&) { return QString(); };
    if (jumpHeights)
        return {{QStringLiteral("Arm #"), 14, printedArmband},
                {QStringLiteral("Breed Of Dog"), 58, field("breed")},
                {QStringLiteral("HT"), 9, field("jmpht")},
                {QStringLiteral("Score"), 18.6, empty}};
    return {{QStringLiteral("Armband #"), 21.6, printedArmband},
            {QStringLiteral("Breed Of Dog"), 60, field("breed")},
            {QStringLiteral("Score"), 18, empty}};
}

} // namespace

Report report(std::shared_ptr<const RecordSource> rows, const RallyReportTexts& texts,
              bool jumpHeights)
{
    const ReportFont bold = ReportFont::arial(10, true);
    ReportDefinition d;
    d.title = kTitle;
    d.columns = 2;
    d.columnWidth = kColumn;

    d.pageHeader.height = kPageHeader;
    d.pageHeader.elements = {ReportElement::text(
        {0, 0, 2 * kColumn, kPageHeader},
        ReportValue::literal(QStringLiteral("Name Of Club: ") + texts.clubName), bold)};

    ReportGroup trial;
    trial.name = trial.keyField = QStringLiteral("trial");
    trial.startNewPage = true;
    trial.reprintHeaderOnNewPage = true;
    trial.header.height = kTrialHeader;
    trial.header.elements = {
        ReportElement::text({0, 0, 40, kTrialHeader},
                            ReportValue::computed([](const ReportContext& c) {
                                return QStringLiteral("Trial # ") + c.text("trial");
                            }),
                            bold),
        ReportElement::text({40, 0, 160, kTrialHeader},
                            ReportValue::computed([texts](const ReportContext& c) {
                                return QStringLiteral("Date: ") + texts.date(c);
                            }),
                            bold)};

    ReportGroup cls;
    cls.name = cls.keyField = QStringLiteral("db_key");
    cls.startNewPage = true;
    cls.reprintHeaderOnNewPage = true;
    cls.header.height = kClassHeader;
    cls.header.elements = {
        ReportElement::text({0, 1, 2 * kColumn, 7},
                            ReportValue::computed([texts](const ReportContext& c) {
                                return QStringLiteral("Judge: ") + texts.judge(c);
                            }),
                            bold),
        ReportElement::text({0, 8, 2 * kColumn, 9},
                            ReportValue::computed([texts](const ReportContext& c) {
                                return QStringLiteral("Class: ") + texts.className(c);
                            }),
                            ReportFont::arial(12, true))};
    const QList<Column> cells = columns(jumpHeights);
    const double headsTop = kClassHeader - kRow;
    for (int side = 0; side < 2; ++side) {
        double x = side * kColumn;
        for (const Column& column : cells) {
            cls.header.elements << ReportElement::cell({x, headsTop, column.width, kRow},
                                                       ReportValue::literal(column.heading), bold);
            x += column.width;
        }
    }
    d.groups = {trial, cls};

    d.detail.height = kRow;
    double x = 0;
    for (const Column& column : cells) {
        d.detail.elements << ReportElement::cell({x, 0, column.width, kRow},
                                                 ReportValue::computed(column.text));
        x += column.width;
    }
    return {d, std::move(rows)};
}

Result<ReportPages> print(Tdmod& data, const Request& request)
{
    if (request.classKeys.isEmpty())
        return Result<ReportPages>::failure(kNoClassesSelected);
    if (data.TzDbf1()->recordCount() == 0)
        return Result<ReportPages>::failure(kNoEntries);
    RallyWorkTable work(data);
    for (const QString& key : request.classKeys) {
        const int dogs = work.appendEntries(request.trial, key);
        work.appendFillers(request.trial, key, RallyWorkTable::scoreBoxFillers(dogs));
    }
    const auto rows = work.rows();
    const RallyReportTexts texts = RallyReportTexts::lookUp(data, *rows);
    return ReportLayout::layout(report(rows, texts, request.jumpHeights));
}

} // namespace ScoreBoxSheets
