#include "GuardedApplication.h"

#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"
#include "storage/DataRootLocation.h"
#include "storage/SessionSettings.h"
#include "ui/MessageDialog.h"

int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ringvale"));

    MessageDialog messages;
    app.setMessages(&messages);
    const QString dataRoot =
        locateDataRoot(QApplication::arguments(), QApplication::applicationDirPath());
    // The first start lays out the data root; a failure is shown and the
    // program goes on, reporting each table it then cannot open.
    try {
        DataRoot(dataRoot).layOut();
    } catch (const std::exception& e) {
        messages.error(QString::fromStdString(e.what()));
    }

    // The data module comes first: every window borrows its tables.
    Tdmod data(dataRoot, messages);
    SessionSettings session;
    TMainForm mainForm(data.preferences(), session, messages);
    connectMenuCommands(mainForm, data, session);
    mainForm.show();
    return QApplication::exec();
}
