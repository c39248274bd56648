#include "PrintJobs.h"

#include "masters/OwnerLabels.h"
#include "masters/OwnerListing.h"
#include "masters/OwnerRules.h"
#include "print/RichListingPrint.h"
#include "print/RtfWriter.h"
#include "storage/DataModule.h"

namespace
{

int ownersList(Tdmod& data, const PrintRequest& request)
{
    const std::string orderName = request.option("--order", "name");
    const MasterOrder* order = OwnerRules::orderNamed(QString::fromStdString(orderName));
    if (!order || orderName.empty())
        throw UsageError("print owners-list: unknown order " + orderName +
                         " (name, zip, emailsrt, ownerid or input)");
    data.OpenOwners();
    dbf::Table& owners = *data.Owners();
    owners.setOrder(order->tag.toStdString());
    const RichListing listing = ownerListing(owners);
    if (request.format == "rtf")
        requireWritten(
            RtfWriter::save(listing.document(), listing.orientation(), request.outputFile));
    else
        requireWritten(
            saveRichListingPdf(listing.document(), listing.orientation(), request.outputFile));
    return 0;
}

int ownersLabels(Tdmod& data, const PrintRequest& request)
{
    const std::string modeName = request.option("--mode", "all");
    if (modeName != "all" && modeName != "snail-mail")
        throw UsageError("print owners-labels: unknown mode " + modeName + " (all or snail-mail)");
    const OwnerLabelMode mode = modeName == "all" ? OwnerLabelMode::All : OwnerLabelMode::SnailMail;
    const LabelPosition start = request.labelStart(OwnerLabels::stock());
    data.OpenOwners();
    requireWritten(OwnerLabels::savePdf(*data.Owners(), mode, start, request.outputFile));
    return 0;
}

} // namespace

std::vector<PrintJob> ownersPrintJobs()
{
    return {
        {"owners-list",
         "the owners' list of addresses, owners marked deleted left out",
         "[--order name|zip|emailsrt|ownerid|input] (--rtf FILE | --pdf FILE)",
         {"rtf", "pdf"},
         {"--order"},
         ownersList},
        {"owners-labels",
         "owners' address labels, Avery 5160, in last-name order; snail-mail: only the owners "
         "without an e-mail address",
         "[--mode all|snail-mail] [--start-row R] [--start-col C] --pdf FILE",
         {"pdf"},
         {"--mode", "--start-row", "--start-col"},
         ownersLabels},
    };
}
