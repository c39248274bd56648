#include "setup/ClassTableFind.h"

#include "storage/Messages.h"

#include "dbf/Table.h"

const QString ClassTableFind::kCaption = QStringLiteral("Find Record");

QString ClassTableFind::prompt(const ClassTableOrder& order)
{
    return QStringLiteral("Enter ") + order.findName + QStringLiteral(" to find: ");
}

bool ClassTableFind::find(dbf::Table& classes, Messages& messages, const ClassTableOrder& order)
{
    const std::optional<QString> typed =
        messages.input(kCaption, prompt(order), lastSearch_.leftJustified(30, u' '));
    if (!typed)
        return false;
    return findText(classes, messages, *typed);
}

bool ClassTableFind::findText(dbf::Table& classes, Messages& messages, const QString& typed)
{
    const QString key = typed.trimmed().toUpper();
    lastSearch_ = key;
    const std::uint32_t startedAt = classes.recno();
    if (!classes.order().empty() && classes.find(key.toStdString()))
        return true;
    if (startedAt != 0)
        classes.go(startedAt);
    messages.inform(QStringLiteral("Could not find  ") + key);
    return false;
}
