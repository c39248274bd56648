#include "entry/EntrySaveChecks.h"

#include "storage/ClassCodes.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace EntrySaveChecks
{

namespace
{

bool enteredInAnyTrial(const dbf::RecordView& entry, const ClassCodes::ClassCode& cls)
{
    for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial) {
        if (entry.logical(ClassCodes::entryFlagName(cls.key, trial).toStdString()))
            return true;
    }
    return false;
}

bool entered(const dbf::RecordView& entry, ClassCodes::EntryRequirement requirement)
{
    for (const ClassCodes::ClassCode& cls : ClassCodes::classes) {
        if (cls.requirement == requirement && enteredInAnyTrial(entry, cls))
            return true;
    }
    return false;
}

QString linkCodeMessage(const ClassCodes::ClassCode& cls)
{
    const QString kind = cls.key == u"ONBR"    ? QStringLiteral("Brace")
                         : cls.key == u"RNPR"  ? QStringLiteral("Pairs")
                         : cls.key == u"RNCTM" ? QStringLiteral("T Challenge Team")
                                               : QStringLiteral("Team");
    return QStringLiteral("You need to specify a LINK CODE for this ") + kind +
           QStringLiteral(" entry");
}

// The order the link codes are told in: Brace, Team, Pairs, rally Team, T
// Challenge Team.
constexpr QStringView kLinkClassOrder[] = {u"ONBR", u"ONTM", u"RNPR", u"RNTM", u"RNCTM"};

} // namespace

bool rallyJumpHeightChosen(const QString& stored)
{
    const QString height = stored.trimmed();
    return height == u"4" || height == u"8" || height == u"12" || height == u"16";
}

std::vector<Problem> problems(const dbf::RecordView& entry)
{
    using ClassCodes::EntryRequirement;
    if (entered(entry, EntryRequirement::ObedienceJumpHeight) &&
        RecordValues::text(entry, "ob_jmpht").trimmed().isEmpty())
        return {{kNoObedienceJumpHeight, QStringLiteral("ob_jmpht")}};
    if (entered(entry, EntryRequirement::RallyJumpHeight) &&
        !rallyJumpHeightChosen(RecordValues::text(entry, "rallyjmpht")))
        return {{kNoRallyJumpHeight, QStringLiteral("rallyjmpht")}};

    std::vector<Problem> missing;
    for (QStringView key : kLinkClassOrder) {
        const ClassCodes::ClassCode& cls = *ClassCodes::findClass(key);
        const std::string field = cls.linkCodeField.toString().toStdString();
        if (enteredInAnyTrial(entry, cls) && RecordValues::text(entry, field).trimmed().isEmpty())
            missing.push_back({linkCodeMessage(cls), cls.linkCodeField.toString()});
    }
    return missing;
}

} // namespace EntrySaveChecks
