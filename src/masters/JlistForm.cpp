#include "masters/JlistForm.h"

#include "masters/JudgesList.h"
#include "storage/Messages.h"

TJlistForm::TJlistForm(const QStringList& lines, Messages& messages, QWidget* parent)
    : PlainListingWindow(messages, QStringLiteral("List of Judges"), JudgesList::listing(lines),
                         QStringLiteral("Done"), parent)
{
}

void TJlistForm::printed(const PrintOutcome& outcome)
{
    messages().inform(JudgesList::printedMessage(outcome));
}
