#include "CliContext.h"
#include "PrintJobs.h"
#include "RootCommands.h"
#include "ShowCommands.h"
#include "SortKeysCommand.h"

#include "storage/DataRootLocation.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <map>

namespace
{

constexpr const char* kUsage =
    "usage: ringvale-cli [--data-dir DIR] COMMAND ...\n"
    "  init                         lay out the data root\n"
    "  check [FILE...]              check table files, or every table of the data root\n"
    "  shows                        list the shows\n"
    "  dump TABLE|FILE [--show N] [--tag NAME | --order EXPR [--descending]] [--deleted]\n"
    "  print --list | print NAME [options] (--pdf FILE | --rtf FILE | --txt FILE)\n"
    "  sortkeys --show N            confirm the sort keys of show N's entries\n"
    "  show new --date YYYY-MM-DD --trials N [--trial-date T:YYYY-MM-DD,...] [--offer T:FLAG,...]\n"
    "           [--obed-event T:NUMBER,...] [--rally-event T:NUMBER,...]\n";

using Command = int (*)(CliContext&);

QtMessageHandler qtHandler = nullptr;

// Standard error carries Ringvale's own messages only: Qt's notices about
// its environment (no runtime folder, a font it falls back from) are no
// concern of the secretary's scripts. Qt's critical and fatal messages stay.
void dropQtNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    qtHandler = qInstallMessageHandler(dropQtNotices);
    // Printing needs a GUI application; without a display the command line
    // runs on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    CliContext context;
    context.args.assign(argv + 1, argv + argc);
    try {
        context.dataRoot =
            locateDataRoot(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
        takeOption(context.args, "--data-dir");
        std::erase_if(context.args,
                      [](const std::string& a) { return a.rfind("--data-dir=", 0) == 0; });
        if (context.args.empty())
            throw UsageError("no command given");
        const std::string verb = context.args.front();
        context.args.erase(context.args.begin());

        const std::map<std::string, Command> commands = {
            {"init", initCommand}, {"check", checkCommand}, {"shows", showsCommand},
            {"dump", dumpCommand}, {"print", printCommand}, {"sortkeys", sortKeysCommand},
            {"show", showCommand},
        };
        const auto command = commands.find(verb);
        if (command == commands.end())
            throw UsageError("unknown command " + verb);
        const int code = command->second(context);
        // A command that showed an error did not do all of its job.
        return code == 0 && context.messages.errorShown() ? 1 : code;
    } catch (const UsageError& e) {
        std::cerr << "ringvale-cli: " << e.what() << '\n' << kUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "ringvale-cli: " << e.what() << '\n';
        return 1;
    }
}
