#include "preparation/CatalogBuild.h"

#include "storage/ClassCodes.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <algorithm>

namespace
{

using ClassCodes::ClassCode;
using ClassCodes::Section;

// The link code each link class carries into its rows.
const char* linkField(const ClassCode& cls)
{
    return cls.linkCodeField.isEmpty() ? nullptr
           : cls.key == u"ONBR"        ? "bracecode"
           : cls.key == u"ONTM"        ? "teamcode"
           : cls.key == u"RNPR"        ? "pairscode"
           : cls.key == u"RNTM"        ? "rtmcode"
                                       : "rctmcode";
}

// What the rows of one class share, looked up once per build.
struct ClassFields {
    QString name, sortKey, catGroup;
};

} // namespace

int BuildCatalogTable(Tdmod& data)
{
    data.OpenCatalog(data.currentShowNumber());
    data.OpenDogs();
    dbf::Table& catalog = *data.Catalog();
    const dbf::Table& entries = *data.TzDbf1();
    const dbf::Table& dogs = *data.Dogs();
    catalog.zap();

    const auto showDates = data.showDatesRecord();
    const int trials =
        showDates ? std::clamp(int(showDates->number("num_trials")), 1, ClassCodes::maxTrials) : 1;
    // The class's name, sort key and group come from the trial-1 flag's name,
    // with the lookups' messages for a key the class table does not know.
    std::array<std::optional<ClassFields>, ClassCodes::classes.size()> classes;
    const auto fieldsOf = [&](const ClassCode& cls) -> const ClassFields& {
        auto& known = classes[std::size_t(&cls - ClassCodes::classes.data())];
        if (!known) {
            const QString flag = ClassCodes::entryFlagName(cls.key, 1);
            known = ClassFields{data.ClassNameForField(flag), data.SortKeyForField(flag),
                                data.CatGroupForKey(cls.key.toString())};
        }
        return *known;
    };

    int rows = 0;
    for (std::uint32_t recno : entries.recordsInOrder(entries.order())) {
        const dbf::RecordView entry = entries.record(recno);
        if (entry.deleted())
            continue;
        const auto dogRecno = dogs.seekRecord(
            "regnum", RecordValues::text(entry, "reg").trimmed().toUpper().toStdString());
        const std::optional<dbf::RecordView> dog =
            dogRecno ? std::optional(dogs.record(*dogRecno)) : std::nullopt;
        const QString titledName = data.DogTitledName(recno);

        for (Section section : {Section::Obedience, Section::Rally}) {
            for (const ClassCode& cls : ClassCodes::classesOf(section)) {
                std::array<bool, ClassCodes::maxTrials> in{};
                bool any = false;
                for (int trial = 1; trial <= trials; ++trial) {
                    in[trial - 1] =
                        entry.logical(ClassCodes::entryFlagName(cls.key, trial).toStdString());
                    any = any || in[trial - 1];
                }
                if (!any)
                    continue;
                const ClassFields& fields = fieldsOf(cls);
                catalog.blankBuffer();
                catalog.setNumber("shownum", data.currentShowNumber());
                for (const char* copied :
                     {"reg", "breed", "first", "last", "handler", "owner_id", "reg_ctry"})
                    catalog.setText(copied, entry.raw(copied));
                catalog.setText("armband", entry.raw("arm"));
                catalog.setText("dogname", titledName.toStdString());
                if (dog) {
                    for (const char* copied : {"sex", "sire", "dam", "breeder", "owner2"})
                        catalog.setText(copied, dog->raw(copied));
                    catalog.setDate("bdate", dog->date("bdate"));
                }
                catalog.setText("section", ClassCodes::sectionName(section).toStdString());
                catalog.setText(
                    "jmp_ht", entry.raw(section == Section::Obedience ? "ob_jmpht" : "rallyjmpht"));
                catalog.setText("db_key", cls.key.toString().toStdString());
                catalog.setText("class", fields.name.toStdString());
                catalog.setText("srtkey", fields.sortKey.toStdString());
                catalog.setText("catgroup", fields.catGroup.toStdString());
                for (int trial = 1; trial <= trials; ++trial)
                    catalog.setLogical("trial" + std::to_string(trial), in[trial - 1]);
                if (const char* link = linkField(cls))
                    catalog.setText(link, entry.raw(link));
                catalog.queueRecord();
                ++rows;
            }
        }
    }
    // Every row in one write, flushed.
    catalog.appendQueued();
    return rows;
}
