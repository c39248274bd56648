#include "preparation/CatalogContent.h"

#include "preparation/CatalogEntryText.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

CatalogContent CatalogContent::read(Tdmod& data, const CatalogRun& run)
{
    CatalogContent content;
    content.section = run.section;
    content.results = run.results;
    content.show = catalogShow(data);
    content.parts = catalogSequence(data, run);
    content.entries.resize(content.parts.size());
    const dbf::Table& catalog = *data.Catalog();
    for (std::size_t i = 0; i < content.parts.size(); ++i) {
        const CatalogPart& part = content.parts[i];
        if (part.kind != CatalogPart::Kind::Entry)
            continue;
        const dbf::RecordView row = catalog.record(part.row);
        Entry& entry = content.entries[i];
        entry.armband = RecordValues::text(row, "armband").trimmed();
        entry.dogName = CatalogEntryText::dogName(row, false);
        entry.details = CatalogEntryText::details(row);
        entry.previewDetails = CatalogEntryText::previewDetails(row);
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            entry.runs[trial - 1] = row.logical("trial" + std::to_string(trial));
    }
    return content;
}
