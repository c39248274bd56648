#include "reports/VerifyInput.h"

#include "print/RecordList.h"
#include "reports/ShowCounts.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <QLocale>

#include <algorithm>

namespace
{

// Letter less the left margin of 12.7 mm and the right one of 6.35 mm.
constexpr double kWidth = 215.9 - 12.7 - 6.35;
constexpr double kLine = 4.3;      // a line of the block
constexpr double kClassRow = 4;    // a row of the classes entered
constexpr double kFirstLine = 1.2; // below the rule that opens the block
constexpr double kGapBelow = 1.5;  // between the last line of a block and the next rule
constexpr int kMostClassRows = 5;
// Where the classes of trials 1 to 4 stand.
constexpr std::array<double, 4> kTrialColumns{10.3, 55.3, 100.3, 145.8};

const QStringList kFields{"recno",     "reg",     "dog",    "sex",      "bdate",
                          "breed",     "breeder", "sire",   "dam",      "owner",
                          "owner2",    "address", "objmp",  "rallyjmp", "handler",
                          "classRows", "trial1",  "trial2", "trial3",   "trial4"};

QString trimmed(const dbf::RecordView& record, const char* field)
{
    return RecordValues::text(record, field).trimmed();
}

double lineTop(int line)
{
    return kFirstLine + (line - 1) * kLine;
}

// A text of the block on line 1 to 8, from `left` to `right` millimetres.
ReportElement at(int line, double left, double right, ReportValue value,
                 ReportFont font = ReportFont::arial(10))
{
    return ReportElement::text({left, lineTop(line), right - left, kLine}, std::move(value), font);
}

ReportElement label(int line, double left, double right, const QString& text)
{
    return at(line, left, right, ReportValue::literal(text));
}

ReportElement field(int line, double left, double right, const QString& name)
{
    return at(line, left, right, ReportValue::field(name));
}

// The head of a trial's column of classes: the weekday of its date in nine
// characters, ten blanks when the trial has no date.
QString trialHead(const std::optional<dbf::RecordView>& showDates, int trial)
{
    if (!showDates)
        return QString(10, u' ');
    const QDate date = RecordValues::date(*showDates, "t" + std::to_string(trial) + "_date");
    if (!date.isValid())
        return QString(10, u' ');
    return QLocale(QLocale::English).dayName(date.dayOfWeek()).leftJustified(9);
}

ReportBand titleBand(const QString& title, const QString& clubLine)
{
    ReportBand band;
    band.height = 14;
    band.elements = {ReportElement::text({0, 0, kWidth, 6.5}, ReportValue::literal(title),
                                         ReportFont::arial(12, true), Qt::AlignCenter),
                     ReportElement::text({0, 6.5, kWidth, 6}, ReportValue::literal(clubLine),
                                         ReportFont::arial(11, true), Qt::AlignCenter)};
    return band;
}

ReportBand pageHeader()
{
    const ReportFont bold = ReportFont::arial(10, true);
    const QList<std::pair<double, QString>> heads{{0, "Rec #"},         {13, "Reg #"},
                                                  {32.3, "Dog Info"},   {97.9, "Sex"},
                                                  {116.7, "Birthdate"}, {140, "Breed (Variety)"}};
    ReportBand band;
    band.height = 6;
    for (qsizetype k = 0; k < heads.size(); ++k) {
        const double right = k + 1 < heads.size() ? heads[k + 1].first : kWidth;
        band.elements << ReportElement::text({heads[k].first, 0, right - heads[k].first, 6},
                                             ReportValue::literal(heads[k].second), bold);
    }
    return band;
}

ReportBand pageFooter()
{
    ReportBand band;
    band.height = 6;
    band.elements = {ReportElement::text({0, 1, 100, 5}, ReportValue::printDate("Printed On: %1")),
                     ReportElement::text({kWidth - 50, 1, 50, 5},
                                         ReportValue::pageNumber("Page %1"), {},
                                         Qt::AlignRight | Qt::AlignVCenter)};
    return band;
}

// One entry's block: its details on seven lines, the heads of the trials the
// show holds, then a row per class entered (up to five) added as it grows.
ReportBand detailBand(const QStringList& heads)
{
    ReportBand band;
    band.elements = {
        ReportElement::ruledLine({0, 0.4, kWidth, 0.4}),
        field(1, 0, 9.8, "recno"),
        field(1, 9.8, 32.3, "reg"),
        field(1, 32.3, 98.4, "dog"),
        field(1, 98.4, 116.9, "sex"),
        field(1, 116.9, 140, "bdate"),
        field(1, 140, kWidth, "breed"),
        label(2, 32.3, 47.1, "Breeder:"),
        field(2, 47.1, kWidth, "breeder"),
        label(3, 32.3, 40.2, "Sire:"),
        field(3, 40.2, 118.3, "sire"),
        label(3, 118.3, 127.8, "Dam:"),
        field(3, 127.8, kWidth, "dam"),
        label(4, 32.3, 50, "Owner (s):"),
        field(4, 50, 109.5, "owner"),
        label(4, 109.5, 123.6, "Owner2:"),
        field(4, 123.6, kWidth, "owner2"),
        field(5, 32.5, 32.5 + 164, "address"),
        label(6, 32.3, 56.9, "Obed Jump Ht:"),
        field(6, 56.9, 72, "objmp"),
        label(6, 72, 96, "Rally Jump Ht:"),
        field(6, 96, 118.5, "rallyjmp"),
        label(6, 118.5, 132.8, "Handler:"),
        field(6, 132.8, kWidth, "handler"),
        label(7, 10.3, 100, "Classes Entered:"),
    };
    for (qsizetype t = 0; t < heads.size(); ++t) {
        const double right =
            t + 1 < qsizetype(kTrialColumns.size()) ? kTrialColumns[t + 1] : kWidth;
        band.elements << label(8, kTrialColumns[t], right, heads[t]);
    }
    band.height = lineTop(9) + kGapBelow;
    const int trials = int(heads.size());
    band.grow = [trials](const ReportContext& c) {
        QList<ReportElement> rows;
        const int count = c.row().value("classRows").toInt();
        for (int r = 0; r < count; ++r) {
            for (int t = 0; t < trials; ++t) {
                const QStringList classes =
                    c.row().value(QStringLiteral("trial%1").arg(t + 1)).toStringList();
                const double right =
                    t + 1 < int(kTrialColumns.size()) ? kTrialColumns[t + 1] : kWidth;
                // Set at the top of a row that reaches down to the gap below it.
                rows << ReportElement::text({kTrialColumns[t], lineTop(9) + r * kClassRow,
                                             right - kTrialColumns[t], kClassRow + kGapBelow},
                                            ReportValue::literal(classes.value(r)),
                                            ReportFont::arial(10), Qt::AlignLeft | Qt::AlignTop);
            }
        }
        return rows;
    };
    return band;
}

} // namespace

namespace VerifyInput
{

QString title(VerifyOrder order)
{
    return order == VerifyOrder::InputOrder
               ? QStringLiteral("Verify Data Input of Entries - Sort Order is by Input Record #")
               : QStringLiteral(
                     "Verify Data Input of Entries - Sort Order is by Owner's Last Name");
}

std::vector<std::uint32_t> entriesInOrder(dbf::Table& entries, VerifyOrder order)
{
    struct PutBack {
        dbf::Table& table;
        std::string order;
        ~PutBack() { table.setOrder(order); }
    } putBack{entries, entries.order()};
    entries.setOrder(order == VerifyOrder::InputOrder ? "" : "NAME");
    return entries.visibleRecords();
}

} // namespace VerifyInput

VerifyInputReport::VerifyInputReport(Tdmod& data, VerifyOrder order,
                                     std::vector<std::uint32_t> entries)
    : data_(data), order_(order), entries_(std::move(entries))
{
}

Report VerifyInputReport::build()
{
    data_.OpenDogs();
    data_.OpenOwners();
    const dbf::Table& show = *data_.TzDbf1();
    const dbf::Table& dogs = *data_.Dogs();
    const dbf::Table& owners = *data_.Owners();
    const QString clubLine = data_.ReadClubName() + QStringLiteral(" - ") + data_.ShowDatesText();
    const auto showDates = data_.showDatesRecord();
    QStringList heads;
    for (int trial = 1; trial <= ShowCounts::trialsOf(data_); ++trial)
        heads << trialHead(showDates, trial);

    auto rows = std::make_shared<RecordList>(kFields);
    for (std::uint32_t recno : entries_) {
        // Asked in the order the block prints: the classes, the dog, the owner.
        const Tdmod::EnteredClasses classes = data_.EnteredClassLists(recno);
        const dbf::RecordView entry = show.record(recno);
        const QString reg = RecordValues::text(entry, "reg");
        QString sex, birthDate, breeder, sire, dam, owner2;
        if (const auto dog = dogs.seekRecord("REGNUM", reg.toUpper().toStdString())) {
            const dbf::RecordView found = dogs.record(*dog);
            sex = trimmed(found, "sex");
            birthDate = RecordValues::dateText(found.date("bdate"));
            breeder = trimmed(found, "breeder");
            sire = trimmed(found, "sire");
            dam = trimmed(found, "dam");
            owner2 = trimmed(found, "owner2");
        } else {
            data_.messages().inform("Reg # " + reg + " Not found in DogMaster - skipping");
        }
        const QString ownerId = RecordValues::text(entry, "owner_id");
        QString address, city, state, zip, country, email;
        if (const auto found = owners.seekRecord("OWNERID", ownerId.toStdString())) {
            const dbf::RecordView person = owners.record(*found);
            address = trimmed(person, "address");
            city = trimmed(person, "city");
            state = trimmed(person, "state");
            zip = trimmed(person, "zip");
            country = trimmed(person, "country");
            email = trimmed(person, "email");
        } else {
            data_.messages().inform("Owner ID# " + ownerId +
                                    " Not found in Owners - No Address Info");
        }
        QVariantList values{QString::number(recno),
                            reg,
                            RecordValues::text(entry, "dog"),
                            sex,
                            birthDate,
                            RecordValues::text(entry, "breed"),
                            breeder,
                            sire,
                            dam,
                            trimmed(entry, "first") + u' ' + trimmed(entry, "last"),
                            owner2,
                            address + "  " + city + u' ' + state + "  " + zip + "  " + country +
                                "     Email: " + email,
                            RecordValues::text(entry, "ob_jmpht"),
                            RecordValues::text(entry, "rallyjmpht"),
                            RecordValues::text(entry, "handler"),
                            std::min(classes.most, kMostClassRows)};
        for (const QStringList& list : classes.lists) {
            QStringList names;
            for (const QString& name : list)
                names << name.trimmed();
            values << QVariant(names);
        }
        rows->append(values);
    }

    ReportDefinition d;
    d.title = VerifyInput::title(order_);
    d.margins = QMarginsF(12.7, 7.62, 6.35, 7.62);
    d.titleBand = titleBand(d.title, clubLine);
    d.pageHeader = pageHeader();
    d.detail = detailBand(heads);
    d.pageFooter = pageFooter();
    return {d, rows};
}
