#include "masters/OwnerTasks.h"

#include "storage/DataModule.h"

namespace OwnerTasks
{

void removeAllOwners(Tdmod& data)
{
    MessageRequest dogMaster;
    dogMaster.text = QStringLiteral(
        "The Dog Master should also have all records removed.;Would you like to do this now?");
    dogMaster.buttons = QStringLiteral("No Yes");
    dogMaster.kind = MessageKind::Question;
    dogMaster.cautiousAnswer = u'N';
    if (data.messages().ask(dogMaster) == u'Y') {
        data.OpenDogs();
        data.Dogs()->zap();
    }
    data.OpenOwners();
    data.Owners()->zap();
    data.Owners()->first();
}

} // namespace OwnerTasks
