#include "preparation/CatalogSequence.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

#include <QLocale>

#include <algorithm>
#include <set>

using ClassCodes::Section;
using RecordValues::text;

namespace
{

const char* linkFieldOf(const QString& classKey)
{
    if (classKey == u"ONBR")
        return "bracecode";
    if (classKey == u"ONTM")
        return "teamcode";
    if (classKey == u"RNPR")
        return "pairscode";
    if (classKey == u"RNTM")
        return "rtmcode";
    if (classKey == u"RNCTM")
        return "rctmcode";
    return nullptr;
}

QString linkKind(const QString& classKey)
{
    if (classKey == u"ONBR")
        return QStringLiteral("Brace");
    if (classKey == u"RNPR")
        return QStringLiteral("Pairs");
    if (classKey == u"RNCTM")
        return QStringLiteral("T Challenge Team");
    return QStringLiteral("Team");
}

QString threeDigits(const QString& sortKey)
{
    return TextRules::ZeroPad(sortKey.trimmed().toInt(), 3);
}

// The sort keys of the classes each trial offers, for the judge lines.
std::array<std::set<QString>, ClassCodes::maxTrials> offeredSortKeys(Tdmod& data, int trials)
{
    std::array<std::set<QString>, ClassCodes::maxTrials> offered;
    const auto showDates = data.showDatesRecord();
    if (!showDates)
        return offered;
    data.OpenClasses();
    const dbf::Table& classes = *data.ShowClasses();
    for (int trial = 1; trial <= trials; ++trial) {
        for (Section section : {Section::Obedience, Section::Rally}) {
            for (const QString& flag : ClassCodes::offeredFlagNames(section, trial)) {
                if (!showDates->logical(flag.toStdString()))
                    continue;
                const QString code = flag.mid(2).toUpper();
                for (std::uint32_t r = 1; r <= classes.recordCount(); ++r) {
                    const dbf::RecordView cls = classes.record(r);
                    if (text(cls, "selkey").trimmed() == code)
                        offered[trial - 1].insert(threeDigits(text(cls, "srtkey")));
                }
            }
        }
    }
    return offered;
}

bool runs(const dbf::RecordView& row, int trial)
{
    return row.logical("trial" + std::to_string(trial));
}

class Sequence
{
public:
    Sequence(Tdmod& data, const CatalogRun& run)
        : data_(data), run_(run), show_(catalogShow(data)),
          offered_(offeredSortKeys(data, show_.trials)), catalog_(*data.Catalog())
    {
    }

    std::vector<CatalogPart> parts()
    {
        const char* order = run_.section == Section::Obedience ? "CATKEY" : "RCATKEY";
        for (const CatalogClass& cls : run_.classes) {
            std::vector<std::uint32_t> rows;
            for (std::uint32_t recno : catalog_.recordsWithKey(order, cls.sortKey.toStdString())) {
                const dbf::RecordView row = catalog_.record(recno);
                if (!row.deleted() && text(row, "srtkey") == cls.sortKey &&
                    text(row, "section") == ClassCodes::sectionName(run_.section))
                    rows.push_back(recno);
            }
            if (!rows.empty())
                addClass(cls, rows);
        }
        closeClass();
        closeGroup();
        return std::move(parts_);
    }

private:
    void add(CatalogPart::Kind kind, const QString& text = {})
    {
        CatalogPart part{kind, text};
        parts_.push_back(std::move(part));
    }

    void openClass(const CatalogClass& cls)
    {
        add(CatalogPart::Kind::ClassTitle, data_.Get_ObedClassName(cls.sortKey));
        if (show_.trials == 1) {
            add(CatalogPart::Kind::JudgeLine,
                QStringLiteral("Judge: ") + data_.JudgeNameForSortKey(cls.sortKey, 1));
            return;
        }
        for (int trial = 1; trial <= show_.trials; ++trial) {
            if (offered_[trial - 1].count(threeDigits(cls.sortKey)))
                add(CatalogPart::Kind::JudgeLine,
                    show_.weekdays[trial - 1] + QStringLiteral("'s Judge: ") +
                        data_.JudgeNameForSortKey(cls.sortKey, trial));
        }
    }

    void addClass(const CatalogClass& cls, const std::vector<std::uint32_t>& rows)
    {
        const QString group = text(catalog_.record(rows.front()), "catgroup").trimmed().toUpper();
        if (!current_) {
            add(CatalogPart::Kind::GroupHeading,
                data_.CatGroupHeader(ClassCodes::sectionName(run_.section), group));
        } else if (group != group_) {
            closeClass();
            closeGroup();
            add(CatalogPart::Kind::GroupBreak);
            add(CatalogPart::Kind::GroupHeading,
                data_.CatGroupHeader(ClassCodes::sectionName(run_.section), group));
        } else {
            closeClass();
        }
        group_ = group;
        current_ = cls;
        classRows_.clear();
        if (run_.results)
            data_.ClearPlacings();
        openClass(cls);

        const char* link = linkFieldOf(cls.classKey.trimmed().toUpper());
        QString previousCode;
        bool first = true;
        for (std::uint32_t recno : rows) {
            const dbf::RecordView row = catalog_.record(recno);
            bool firstOfGroup = true;
            if (link) {
                const QString code = text(row, link);
                firstOfGroup = first || code != previousCode;
                if (firstOfGroup) {
                    CatalogPart heading{CatalogPart::Kind::LinkHeading,
                                        linkKind(cls.classKey.trimmed().toUpper()) +
                                            QStringLiteral(" Group ") + code};
                    heading.linkCode = code;
                    parts_.push_back(std::move(heading));
                }
                previousCode = code;
            }
            first = false;
            CatalogPart entry{CatalogPart::Kind::Entry};
            entry.row = recno;
            entry.firstOfLinkGroup = firstOfGroup;
            if (run_.results)
                collectResults(row, entry);
            parts_.push_back(std::move(entry));
            classRows_.push_back({recno, firstOfGroup});
        }
    }

    void collectResults(const dbf::RecordView& row, CatalogPart& entry)
    {
        const QString key = text(row, "db_key").trimmed();
        const bool obedience = run_.section == Section::Obedience;
        for (int trial = 1; trial <= show_.trials; ++trial) {
            if (!runs(row, trial))
                continue;
            const Tdmod::EntryResult result =
                data_.ResultForEntry(trial, key, text(row, "armband"), text(row, "reg"),
                                     obedience ? text(row, "bracecode") : QString(),
                                     obedience ? text(row, "teamcode") : QString());
            if (!result.score.trimmed().isEmpty())
                entry.scores[trial - 1] = result.score;
            if (!result.place.trimmed().isEmpty()) {
                dbf::Table& placings = *data_.Placings();
                placings.append();
                placings.setText("trial", QString::number(trial).toStdString());
                placings.setText("place", result.place.trimmed().toStdString());
                placings.setText("arm", text(row, "armband").trimmed().toStdString());
                placings.setText("score", result.score.toStdString());
                placings.post();
            }
        }
    }

    // Place `place` of a trial as collected: armband and score, empty when none.
    std::pair<QString, QString> placed(int trial, int place) const
    {
        const dbf::Table& placings = *data_.Placings();
        for (std::uint32_t r = 1; r <= placings.recordCount(); ++r) {
            const dbf::RecordView p = placings.record(r);
            if (text(p, "trial") == QString::number(trial) &&
                text(p, "place") == QString::number(place))
                return {text(p, "arm"), RecordValues::raw(p, "score")};
        }
        return {};
    }

    void closeClass()
    {
        if (!current_)
            return;
        CatalogPart block{CatalogPart::Kind::Placements};
        for (int trial = 1; trial <= show_.trials; ++trial) {
            int count = 0;
            for (const auto& [recno, firstOfGroup] : classRows_) {
                // In a show of several trials a link group counts once.
                if (runs(catalog_.record(recno), trial) && (show_.trials == 1 || firstOfGroup))
                    ++count;
            }
            if (count == 0)
                continue;
            const int places = std::min(count, 4);
            CatalogPart::Block lines{show_.trials > 1 ? show_.weekdays[trial - 1] + u':'
                                                      : QString(),
                                     placeLine(places), scoreLine(places)};
            if (run_.results && data_.hasResults(trial)) {
                if (!placed(trial, 1).first.isEmpty())
                    placedLines(trial, places, lines);
                else
                    data_.messages().inform(
                        QStringLiteral("Scores Exist but Placements MAY NOT have been calculated "
                                       "for: ;Trial # %1 Class: %2")
                            .arg(trial)
                            .arg(data_.Get_ObedClassName(current_->sortKey)));
            }
            block.blocks.push_back(lines);
        }
        parts_.push_back(std::move(block));
        current_.reset();
    }

    void placedLines(int trial, int places, CatalogPart::Block& lines) const
    {
        static const QString names[] = {QStringLiteral("   First: "), QStringLiteral("  Second: "),
                                        QStringLiteral("   Third: "), QStringLiteral("  Fourth: ")};
        if (places == 1) {
            const auto [armband, score] = placed(trial, 1);
            lines.placeLine = names[0] + armband;
            lines.scoreLine = QStringLiteral("   Score:  ") + score.trimmed();
            return;
        }
        lines.placeLine.clear();
        lines.scoreLine.clear();
        for (int place = 1; place <= places; ++place) {
            const auto [armband, score] = placed(trial, place);
            lines.placeLine += names[place - 1] + armband.leftJustified(10, u' ');
            lines.scoreLine += QStringLiteral("   Score: ") + score;
        }
    }

    void closeGroup()
    {
        if (group_.isNull())
            return;
        QStringList footers;
        if (const auto stored = data_.CatGroupFooters(group_)) {
            for (const QString& line : *stored) {
                if (!line.trimmed().isEmpty())
                    footers << line;
            }
        }
        CatalogPart footer{CatalogPart::Kind::Footer};
        if (!footers.isEmpty()) {
            if (show_.trials == 1) {
                footer.lines = footers;
            } else {
                for (int trial = 1; trial <= show_.trials; ++trial) {
                    if (!trialHasRows(trial))
                        continue;
                    footer.lines << show_.weekdays[trial - 1] + QStringLiteral(": ");
                    footer.lines << footers;
                }
            }
        }
        parts_.push_back(std::move(footer));
        group_ = QString();
    }

    bool trialHasRows(int trial) const
    {
        const QString section = ClassCodes::sectionName(run_.section);
        for (std::uint32_t r = 1; r <= catalog_.recordCount(); ++r) {
            const dbf::RecordView row = catalog_.record(r);
            if (!row.deleted() && runs(row, trial) &&
                (run_.footersForEitherSection || text(row, "section") == section))
                return true;
        }
        return false;
    }

    Tdmod& data_;
    const CatalogRun& run_;
    const CatalogShow show_;
    const std::array<std::set<QString>, ClassCodes::maxTrials> offered_;
    const dbf::Table& catalog_;
    std::vector<CatalogPart> parts_;
    std::optional<CatalogClass> current_;
    QString group_;
    std::vector<std::pair<std::uint32_t, bool>> classRows_;
};

} // namespace

std::vector<CatalogClass> catalogClasses(Tdmod& data, Section section)
{
    data.OpenClasses();
    data.OpenCatalog(data.currentShowNumber());
    const dbf::Table& classes = *data.ShowClasses();
    const dbf::Table& catalog = *data.Catalog();
    const QString sectionName = ClassCodes::sectionName(section);
    std::vector<CatalogClass> offered;
    QString previousKey;
    for (std::uint32_t recno : classes.recordsInOrder("SECSRT")) {
        const dbf::RecordView cls = classes.record(recno);
        const QString key = text(cls, "db_key").trimmed();
        if (cls.deleted() || text(cls, "section").trimmed() != sectionName || key.isEmpty() ||
            key == previousKey)
            continue;
        previousKey = key;
        bool hasRows = false;
        for (std::uint32_t row :
             catalog.recordsWithKey("DBKEY", key.leftJustified(6, u' ').toStdString())) {
            const dbf::RecordView r = catalog.record(row);
            for (int trial = 1; trial <= ClassCodes::maxTrials && !hasRows; ++trial)
                hasRows = runs(r, trial);
            if (hasRows)
                break;
        }
        if (hasRows)
            offered.push_back({text(cls, "classname"), text(cls, "srtkey"),
                               text(cls, "catgroup").trimmed().toUpper(), key});
    }
    return offered;
}

CatalogShow catalogShow(Tdmod& data)
{
    CatalogShow show;
    show.clubName = data.ReadClubName();
    const auto record = data.showDatesRecord();
    if (!record)
        return show;
    show.trials = std::clamp(int(record->number("num_trials")), 1, ClassCodes::maxTrials);
    const QLocale english(QLocale::English);
    for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial) {
        const QDate date = RecordValues::date(*record, "t" + std::to_string(trial) + "_date");
        if (date.isValid())
            show.weekdays[trial - 1] = english.dayName(date.dayOfWeek());
    }
    const QDate first = RecordValues::date(*record, "show_date");
    show.dateText = show.trials == 1 ? english.dayName(first.dayOfWeek()) +
                                           QStringLiteral("  -  ") + TextRules::LongDateText(first)
                                     : data.ShowDatesText();
    return show;
}

std::vector<CatalogPart> catalogSequence(Tdmod& data, const CatalogRun& run)
{
    data.OpenCatalog(data.currentShowNumber());
    if (run.results) {
        data.OpenResults(data.currentShowNumber());
        data.OpenPlacings();
    }
    return Sequence(data, run).parts();
}

QString placeLine(int places)
{
    static const QString words[] = {
        QStringLiteral("   First ________"), QStringLiteral("  Second ________"),
        QStringLiteral("  Third ________"), QStringLiteral("  Fourth ________")};
    QString line;
    for (int i = 0; i < std::clamp(places, 1, 4); ++i)
        line += words[i];
    return line;
}

QString scoreLine(int places)
{
    static const QString words[] = {
        QStringLiteral("  Score ________"), QStringLiteral("    Score ________"),
        QStringLiteral("  Score ________"), QStringLiteral("  Score ________")};
    QString line;
    for (int i = 0; i < std::clamp(places, 1, 4); ++i)
        line += words[i];
    return line;
}
