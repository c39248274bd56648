#include "trialday/GateLists.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TextRules.h"
#include "trialday/GateWorkTable.h"

#include "dbf/Table.h"

#include <QHash>

namespace GateLists
{

QString title(ClassCodes::Section section)
{
    return section == ClassCodes::Section::Obedience
               ? QStringLiteral("Obedience Gate Steward Lists")
               : QStringLiteral("Rally Gate Steward Lists");
}

bool takesJumpHeights(const QString& className)
{
    const QString name = className.toUpper();
    if (name.contains(u"NOVICE") && !name.contains(u"GRAD"))
        return false;
    return !name.contains(u"VET") && !name.contains(u"BRACE") && !name.contains(u"TEAM");
}

QString jumpHeightCell(const QString& storedHeight, bool classJumps)
{
    if (!classJumps)
        return {};
    const QString height = storedHeight.trimmed().isEmpty() ? QStringLiteral("  ") : storedHeight;
    return QStringLiteral(" [") + height + QStringLiteral("\"]");
}

QString titleLine(int trial, const QDate& date, bool trialInTitle)
{
    const QString fullDate = TextRules::FullDateText(date);
    if (!trialInTitle)
        return fullDate;
    return QStringLiteral("Trial # ") + QString::number(trial) + QStringLiteral("   ") + fullDate;
}

RichListing build(Tdmod& data, ClassCodes::Section section, const Options& options)
{
    GateWorkTable::FillGateWorkTable(data, section);
    const dbf::Table& gate = *data.TzVDbf1();

    RichListing listing(title(section));
    listing.setPageHeader(title(section));
    listing.setFont(QStringLiteral("Arial"), 14);
    listing.setBold(true);
    listing.setTabStops({50, 100, 150});

    QHash<QString, QString> shortNames;
    const auto breedText = [&](const QString& breed) {
        if (!options.shortBreeds)
            return breed;
        auto known = shortNames.constFind(breed);
        if (known == shortNames.cend())
            known = shortNames.insert(breed, data.BreedShortName(breed));
        return *known;
    };

    QString group;
    bool firstHeader = true;
    bool classJumps = true;
    for (std::uint32_t recno : gate.recordsInOrder("TrialKEY")) {
        const dbf::RecordView row = gate.record(recno);
        const QString trial = RecordValues::text(row, "trial");
        const QString sortKey = RecordValues::text(row, "srtkey");
        const QString key = trial + sortKey + RecordValues::text(row, "section");
        if (key != group) {
            group = key;
            listing.addLine(QStringLiteral("  "));
            if (!firstHeader) {
                listing.addLine(QStringLiteral(" "));
                listing.addLine(QStringLiteral(" "));
            }
            firstHeader = false;
            const int trialNumber = trial.toInt();
            listing.addLine(
                titleLine(trialNumber, RecordValues::date(row, "tdate"), options.trialInTitle));
            listing.addLine(QStringLiteral("Judge: ") +
                            data.JudgeNameForClass(RecordValues::text(row, "db_key"), trialNumber));
            const QString className = data.Get_ObedClassName(sortKey).trimmed();
            listing.addLine(className);
            listing.addLine(QStringLiteral(" "));
            classJumps = takesJumpHeights(className);
        }
        QString line = RecordValues::text(row, "armband") + u'\t';
        if (options.jumpHeights)
            line += jumpHeightCell(RecordValues::raw(row, "jmpht"), classJumps) + u'\t';
        line += breedText(RecordValues::text(row, "breed"));
        if (options.handlers)
            line += u'\t' + RecordValues::text(row, "handler");
        listing.addLine(line);
    }
    return listing;
}

} // namespace GateLists
