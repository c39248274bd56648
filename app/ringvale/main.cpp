#include "entry/MainForm.h"
#include "storage/DataRootLocation.h"
#include "storage/Preferences.h"
#include "storage/SessionSettings.h"
#include "ui/MessageDialog.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ringvale"));

    MessageDialog messages;
    const QString dataRoot =
        locateDataRoot(QApplication::arguments(), QApplication::applicationDirPath());
    // Carry on without it: the windows report each file they cannot write.
    if (!QDir().mkpath(dataRoot))
        messages.error(QStringLiteral("Cannot create the data folder ") +
                       QDir::toNativeSeparators(dataRoot));

    Preferences preferences(dataRoot);
    SessionSettings session;
    TMainForm mainForm(preferences, session, messages);
    mainForm.show();
    return QApplication::exec();
}
