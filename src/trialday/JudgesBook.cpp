#include "trialday/JudgesBook.h"

#include "print/ReportLayout.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "trialday/RallyWorkTable.h"
#include "trialday/ScoreBoxSheets.h"

#include <QFileInfo>

namespace
{

constexpr double kWidth = 203.2;
constexpr double kRow = 6.35;
// With these headers a page holds 34 rows, or 29 and the class's footer.
constexpr double kPageHeader = 16;
constexpr double kTrialHeader = 14;
constexpr double kClassHeader = 20.75;
constexpr double kClassFooter = 31.7;

struct Column {
    QString heading;
    double width;
    QString field; // empty: the armband
};

const QList<Column>& columns()
{
    static const QList<Column> list{{QStringLiteral("Armband #"), 24, {}},
                                    {QStringLiteral("Breed Of Dog"), 89.2, "breed"},
                                    {QStringLiteral("Time"), 30, "runtime"},
                                    {QStringLiteral("Points Lost"), 30, "points_off"},
                                    {QStringLiteral("Final Score"), 30, "score"}};
    return list;
}

ReportElement boldText(const QRectF& rect, ReportValue::Compute text, double points = 10,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    return ReportElement::text(rect, ReportValue::computed(std::move(text)),
                               ReportFont::arial(points, true), alignment);
}

} // namespace

JudgesBook::JudgesBook(Tdmod& data) : data_(data) {}

JudgesBook::~JudgesBook() = default;

void JudgesBook::PrepareJudgesBook()
{
    if (work_)
        work_->empty();
    else
        work_ = std::make_unique<RallyWorkTable>(data_);
}

Done JudgesBook::FillJudgesBookClass(const QString& classKey, int& count)
{
    if (data_.TzDbf1()->recordCount() == 0)
        return Done::failure(ScoreBoxSheets::kNoEntries);
    if (!work_)
        PrepareJudgesBook();
    const dbf::Table* results = nullptr;
    if (resultsWanted_) {
        const int show = data_.currentShowNumber();
        // Results exist once a class has been loaded for scoring; the book
        // never makes the file.
        if (QFileInfo::exists(data_.root().tableFile(TableSchemas::Results(), show))) {
            data_.OpenResults(show);
            results = data_.Results();
        }
    }
    const std::string classPart =
        (QString::number(trial_) + classKey.trimmed().leftJustified(6, u' ')).toStdString();
    count += work_->appendEntries(
        trial_, classKey.trimmed(), [&](dbf::Table& row, const dbf::RecordView& entry) {
            if (!results)
                return;
            const auto found = results->findRecord("REGKEY", classPart + entry.raw("reg"));
            if (!found)
                return;
            const dbf::RecordView result = results->record(*found);
            for (const char* copied : {"runtime", "score", "points_off"})
                row.setText(copied, result.raw(copied));
            for (const char* copied : {"srt_score", "srt_time", "srt_tie"})
                row.setNumber(copied, result.number(copied));
            row.setText("placing", result.raw("place"));
        });
    return Done::success();
}

void JudgesBook::PadJudgesBookClass(int count, const QString& classKey, int trial)
{
    if (!work_)
        PrepareJudgesBook();
    work_->appendFillers(trial, classKey.trimmed(), RallyWorkTable::judgesBookFillers(count));
}

ReportPages JudgesBook::PrintJudgesBook()
{
    if (!work_)
        PrepareJudgesBook();
    const auto rows = work_->rows();
    work_.reset();
    return ReportLayout::layout(report(rows, RallyReportTexts::lookUp(data_, *rows)));
}

std::array<QString, 4> JudgesBook::placeArmbands(std::span<const ReportRow> rows)
{
    std::array<QString, 4> places;
    for (const ReportRow& row : rows) {
        const int place = row.text(QStringLiteral("placing")).toInt();
        if (place >= 1 && place <= 4)
            places[place - 1] = row.text(QStringLiteral("armband")).trimmed();
    }
    return places;
}

Report JudgesBook::report(std::shared_ptr<const RecordSource> rows, const RallyReportTexts& texts)
{
    ReportDefinition d;
    d.title = kTitle;

    d.pageHeader.height = kPageHeader;
    d.pageHeader.elements = {
        ReportElement::text({0, 0, kWidth, 8}, ReportValue::literal(kTitle),
                            ReportFont::arial(16, true), Qt::AlignCenter),
        ReportElement::text({0, 9, 140, 7},
                            ReportValue::literal(QStringLiteral("Name Of Club: ") + texts.clubName),
                            ReportFont::arial(10, true)),
        ReportElement::text({140, 9, kWidth - 140, 7}, ReportValue::pageOfPages(),
                            ReportFont::arial(10, true), Qt::AlignRight | Qt::AlignVCenter)};

    ReportGroup trial;
    trial.name = trial.keyField = QStringLiteral("trial");
    trial.startNewPage = true;
    trial.reprintHeaderOnNewPage = true;
    trial.header.height = kTrialHeader;
    trial.header.elements = {boldText({0, 0, 40, 7},
                                      [](const ReportContext& c) {
                                          return QStringLiteral("Trial # ") + c.text("trial");
                                      }),
                             boldText({40, 0, 120, 7},
                                      [texts](const ReportContext& c) {
                                          return QStringLiteral("Event #: ") + texts.eventNumber(c);
                                      }),
                             boldText({0, 7, 160, 7}, [texts](const ReportContext& c) {
                                 return QStringLiteral("Date: ") + texts.date(c);
                             })};

    // The judge heads each class: a trial's classes may have judges of their own.
    ReportGroup cls;
    cls.name = cls.keyField = QStringLiteral("db_key");
    cls.startNewPage = true;
    cls.restartPageNumbers = true;
    cls.reprintHeaderOnNewPage = true;
    cls.header.height = kClassHeader;
    cls.header.elements = {boldText({0, 0, kWidth, 7},
                                    [texts](const ReportContext& c) {
                                        return QStringLiteral("Judge: ") + texts.judge(c);
                                    }),
                           boldText(
                               {0, 7, kWidth, 7.4},
                               [texts](const ReportContext& c) {
                                   return QStringLiteral("Class: ") + texts.className(c);
                               },
                               12)};
    double x = 0;
    for (const Column& column : columns()) {
        cls.header.elements << ReportElement::cell({x, kClassHeader - kRow, column.width, kRow},
                                                   ReportValue::literal(column.heading),
                                                   ReportFont::arial(10, true));
        x += column.width;
    }

    cls.footer.height = kClassFooter;
    static const QStringList placeLabels{QStringLiteral("1st Place"), QStringLiteral("2nd Place"),
                                         QStringLiteral("3rd Place"), QStringLiteral("4th Place")};
    for (int place = 0; place < 4; ++place) {
        const double left = place * kWidth / 4;
        cls.footer.elements << ReportElement::text({left, 2, 20, 12},
                                                   ReportValue::literal(placeLabels[place]),
                                                   ReportFont::arial(8, true))
                            << ReportElement::cell(
                                   {left + 20, 2, 28, 12},
                                   ReportValue::computed([place](const ReportContext& c) {
                                       return placeArmbands(c.groupRows())[place];
                                   }),
                                   ReportFont::arial(12, true), Qt::AlignCenter);
    }
    const ReportFont label = ReportFont::arial(10, true);
    cls.footer.elements
        << ReportElement::text({0, 17, 28, 6},
                               ReportValue::literal(QStringLiteral("Time Started: ")), label)
        << ReportElement::ruledLine({28, 22.5, 95, 22.5})
        << ReportElement::text({105, 17, 30, 6},
                               ReportValue::literal(QStringLiteral("Time Finished: ")), label)
        << ReportElement::ruledLine({135, 22.5, kWidth, 22.5})
        << ReportElement::text({0, 25, 38, 6},
                               ReportValue::literal(QStringLiteral("Judge's Signature:  ")), label)
        << ReportElement::ruledLine({38, 30.5, 140, 30.5});
    d.groups = {trial, cls};

    d.detail.height = kRow;
    x = 0;
    for (const Column& column : columns()) {
        ReportValue value = column.field.isEmpty() ? ReportValue::computed(printedArmband)
                                                   : ReportValue::field(column.field);
        d.detail.elements << ReportElement::cell({x, 0, column.width, kRow}, std::move(value));
        x += column.width;
    }
    return {d, std::move(rows)};
}

Result<ReportPages> printJudgesBook(Tdmod& data, int trial, const QStringList& classKeys,
                                    bool results)
{
    if (classKeys.isEmpty())
        return Result<ReportPages>::failure(ScoreBoxSheets::kNoClassesSelected);
    JudgesBook book(data);
    book.setTrial(trial);
    book.setResultsWanted(results);
    book.PrepareJudgesBook();
    for (const QString& key : classKeys) {
        int dogs = 0;
        if (const Done filled = book.FillJudgesBookClass(key, dogs); !filled)
            return Result<ReportPages>::failure(filled.message());
        book.PadJudgesBookClass(dogs, key, trial);
    }
    return book.PrintJudgesBook();
}
