#include "DesktopStart.h"

#include "GuardedApplication.h"

#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"
#include "storage/DataRootLocation.h"
#include "storage/DataRootLock.h"
#include "storage/HeapSettings.h"
#include "storage/SessionSettings.h"
#include "ui/MessageDialog.h"

#include <optional>

int runDesktop(int argc, char** argv, const std::function<void(TMainForm&)>& shown)
{
    keepLargeBuffers();
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ringvale"));

    MessageDialog messages;
    app.setMessages(&messages);
    const QString dataRoot =
        locateDataRoot(QApplication::arguments(), QApplication::applicationDirPath());
    // One writer per data root: the lock is held until the program ends,
    // and a second copy on the same root stops before it touches a table.
    std::optional<DataRootLock> lock;
    try {
        Result<DataRootLock> taken = DataRootLock::take(dataRoot);
        if (!taken) {
            messages.error(taken.message());
            return 1;
        }
        lock.emplace(std::move(taken.value()));
    } catch (const std::exception& e) {
        messages.error(QString::fromStdString(e.what()));
        return 1;
    }
    // Every start lays out the data root and completes what an earlier one
    // cut short; a failure is shown and the program goes on, reporting each
    // table it then cannot open.
    try {
        QStringList damaged;
        DataRoot(dataRoot).layOut(&damaged);
        for (const QString& fault : damaged)
            messages.error(fault);
    } catch (const std::exception& e) {
        messages.error(QString::fromStdString(e.what()));
    }

    // The data module comes first: every window borrows its tables.
    Tdmod data(dataRoot, messages);
    SessionSettings session;
    TMainForm mainForm(data.preferences(), session, messages);
    connectMenuCommands(mainForm, data, session);
    mainForm.show();
    if (shown)
        shown(mainForm);
    return QApplication::exec();
}
