#include "PrintJobs.h"

#include "masters/OwnerLabels.h"
#include "masters/OwnerListing.h"
#include "masters/OwnerRules.h"
#include "print/RichListingPrint.h"
#include "print/RtfWriter.h"
#include "storage/DataModule.h"
#include "storage/TextRules.h"

#include <stdexcept>

namespace
{

std::string option(const PrintRequest& request, const std::string& name,
                   const std::string& fallback)
{
    const auto found = request.options.find(name);
    return found == request.options.end() ? fallback : found->second;
}

// Label positions are read as the label sheet window reads them.
int positionOption(const PrintRequest& request, const std::string& name)
{
    return TextRules::TextToInt(QString::fromStdString(option(request, name, "1")));
}

void check(bool written, const QString& error)
{
    if (!written)
        throw std::runtime_error(error.toStdString());
}

int ownersList(Tdmod& data, const PrintRequest& request)
{
    const std::string orderName = option(request, "--order", "name");
    const MasterOrder* order = OwnerRules::orderNamed(QString::fromStdString(orderName));
    if (!order || orderName.empty())
        throw UsageError("print owners-list: unknown order " + orderName +
                         " (name, zip, emailsrt, ownerid or input)");
    data.OpenOwners();
    dbf::Table& owners = *data.Owners();
    owners.setOrder(order->tag.toStdString());
    const RichListing listing = ownerListing(owners);
    QString error;
    if (request.format == "rtf")
        check(
            RtfWriter::save(listing.document(), listing.orientation(), request.outputFile, &error),
            error);
    else
        check(saveRichListingPdf(listing.document(), listing.orientation(), request.outputFile,
                                 &error),
              error);
    return 0;
}

int ownersLabels(Tdmod& data, const PrintRequest& request)
{
    const std::string modeName = option(request, "--mode", "all");
    if (modeName != "all" && modeName != "snail-mail")
        throw UsageError("print owners-labels: unknown mode " + modeName + " (all or snail-mail)");
    const OwnerLabelMode mode = modeName == "all" ? OwnerLabelMode::All : OwnerLabelMode::SnailMail;
    const LabelPosition start{positionOption(request, "--start-row"),
                              positionOption(request, "--start-col")};
    data.OpenOwners();
    QString error;
    const LabelRun::Result result =
        OwnerLabels::savePdf(*data.Owners(), mode, start, request.outputFile, &error);
    check(!result.deviceFailed, error);
    return 0;
}

} // namespace

std::vector<PrintJob> ownersPrintJobs()
{
    return {
        {"owners-list",
         "[--order name|zip|emailsrt|ownerid|input] (--rtf FILE | --pdf FILE)",
         {"rtf", "pdf"},
         {"--order"},
         ownersList},
        {"owners-labels",
         "[--mode all|snail-mail] [--start-row R] [--start-col C] --pdf FILE",
         {"pdf"},
         {"--mode", "--start-row", "--start-col"},
         ownersLabels},
    };
}
