#include "reports/ShowListingForm.h"

#include "reports/EmailString.h"
#include "reports/ShowListings.h"
#include "storage/DataModule.h"

#include <QGuiApplication>

namespace
{

RichListing underHourglass(RichListing (*make)(Tdmod&), Tdmod& data)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        ~Restore() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    return make(data);
}

} // namespace

TNotesListForm::TNotesListForm(Tdmod& data, QWidget* parent)
    : TextListingWindow(data.messages(), ShowListings::specialNotes(data), parent)
{
}

TPrePaidListForm::TPrePaidListForm(Tdmod& data, QWidget* parent)
    : TextListingWindow(data.messages(), ShowListings::prePaidCatalogs(data), parent)
{
}

TWorkerListForm::TWorkerListForm(Tdmod& data, QWidget* parent)
    : TextListingWindow(data.messages(), ShowListings::volunteerWorkers(data), parent)
{
}

TEmailSentListForm::TEmailSentListForm(Tdmod& data, QWidget* parent)
    : TextListingWindow(data.messages(), ShowListings::emailConfirmationsSent(data), parent)
{
}

TListEmailsForm::TListEmailsForm(Tdmod& data, QWidget* parent)
    : TextListingWindow(data.messages(), ShowListings::ownersAndEmails(data), parent)
{
}

TEmailStringForm1::TEmailStringForm1(Tdmod& data, QWidget* parent)
    : TextListingWindow(data.messages(), underHourglass(EmailString::ofShow, data), parent)
{
}
