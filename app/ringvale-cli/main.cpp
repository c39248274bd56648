#include "CliCommands.h"
#include "CliContext.h"

#include "storage/DataRootLocation.h"
#include "storage/HeapSettings.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>

namespace
{

QtMessageHandler qtHandler = nullptr;

// Standard error carries Ringvale's own messages only: Qt's notices about
// its environment (no runtime folder, a font it falls back from) are no
// concern of the secretary's scripts. Qt's critical and fatal messages stay.
void dropQtNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

bool isHelpFlag(const std::string& arg)
{
    return arg == "--help" || arg == "-h";
}

} // namespace

int main(int argc, char* argv[])
{
    keepLargeBuffers();
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
        const std::string name = context.args.front();
        context.args.erase(context.args.begin());
        if (isHelpFlag(name)) {
            std::cout << overview();
            return 0;
        }
        const CliCommand* command = findCommand(name);
        if (!command)
            throw UsageError("unknown command " + name);
        context.usage = command->usage;
        if (std::ranges::any_of(context.args, isHelpFlag)) {
            std::cout << usageLine(command->usage) << command->summary << '\n';
            return 0;
        }
        const int code = command->run(context);
        // A command that showed an error did not do all of its job.
        return code == 0 && context.messages.errorShown() ? 1 : code;
    } catch (const UsageError& e) {
        std::cerr << "ringvale-cli: " << e.what() << '\n'
                  << (context.usage.empty() ? overview() : usageLine(context.usage));
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "ringvale-cli: " << e.what() << '\n';
        return 1;
    }
}
