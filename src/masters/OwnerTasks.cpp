#include "masters/OwnerTasks.h"

#include "storage/DataModule.h"

namespace OwnerTasks
{

namespace
{

bool answeredYes(Messages& messages, const QString& question)
{
    MessageRequest request;
    request.text = question;
    request.buttons = QStringLiteral("No Yes");
    request.kind = MessageKind::Question;
    request.cautiousAnswer = u'N';
    return messages.ask(request) == u'Y';
}

} // namespace

std::optional<QString> startNewOwner(Tdmod& data)
{
    // The ID is found first: looking for it moves the cursor, and a move
    // would cancel the insert.
    const std::optional<QString> id = data.NextOwnerId();
    if (!id)
        return std::nullopt;
    dbf::Table& owners = *data.Owners();
    owners.append();
    owners.setText("owner_id", id->toStdString());
    return id;
}

bool removeAllOwners(Tdmod& data)
{
    Messages& messages = data.messages();
    if (!answeredYes(messages,
                     QStringLiteral("Are you sure you want to permanently remove all Owners?")))
        return false;
    if (answeredYes(messages, QStringLiteral("The Dog Master should also have all records "
                                             "removed.;Would you like to do this now?"))) {
        data.OpenDogs();
        data.Dogs()->zap();
    }
    data.OpenOwners();
    data.Owners()->zap();
    return true;
}

} // namespace OwnerTasks
