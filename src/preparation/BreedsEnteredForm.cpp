#include "preparation/BreedsEnteredForm.h"

#include "masters/JudgesList.h"
#include "preparation/BreedsEntered.h"
#include "storage/DataModule.h"

#include <QLabel>
#include <QVBoxLayout>

TBreedsEnteredForm::TBreedsEnteredForm(Tdmod& data, QWidget* parent)
    : PlainListingWindow(data.messages(), QStringLiteral("Breeds Entered List"),
                         BreedsEntered::listing(BreedsEntered::lines(*data.TzDbf1())),
                         QStringLiteral("Close"), parent)
{
    auto* note = new QLabel(QStringLiteral("This is a simple listing of all the breeds entered "
                                           "in your show.  No separation of trials or variety."),
                            this);
    note->setWordWrap(true);
    if (auto* box = qobject_cast<QVBoxLayout*>(layout()))
        box->insertWidget(1, note);
}

void TBreedsEnteredForm::printed(const PrintOutcome& outcome)
{
    messages().inform(JudgesList::printedMessage(outcome));
}

void openBreedsEnteredWindow(Tdmod& data, QWidget* parent)
{
    TBreedsEnteredForm form(data, parent);
    form.exec();
}
