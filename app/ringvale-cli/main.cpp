#include "TableCheck.h"
#include "TableDump.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace
{

constexpr const char* kUsage = "usage: ringvale-cli [--data-dir DIR] COMMAND ...\n"
                               "  dump FILE [--order EXPR [--descending]] [--deleted]\n"
                               "  check FILE...\n";

struct UsageError {
    std::string message;
};

int dump(const std::vector<std::string>& args)
{
    std::string file, order;
    bool descending = false, withDeleted = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--order" && i + 1 < args.size())
            order = args[++i];
        else if (args[i] == "--descending")
            descending = true;
        else if (args[i] == "--deleted")
            withDeleted = true;
        else if (file.empty() && args[i].rfind("--", 0) != 0)
            file = args[i];
        else
            throw UsageError{"dump: unexpected argument " + args[i]};
    }
    if (file.empty())
        throw UsageError{"dump: no file given"};
    if (descending && order.empty())
        throw UsageError{"dump: --descending needs --order"};
    const auto table = dbf::Table::open(file, dbf::Table::Access::ReadOnly);
    if (!order.empty()) {
        table->addTag({"dumporder", order, descending});
        table->setOrder("dumporder");
    }
    dumpTableCsv(*table, withDeleted, std::cout);
    return 0;
}

int check(const std::vector<std::string>& files)
{
    if (files.empty())
        throw UsageError{"check: no file given"};
    bool allOk = true;
    for (const auto& file : files) {
        const TableCheckResult result = checkTableFile(file);
        std::cout << file << ": " << result.text << '\n';
        allOk = allOk && result.ok;
    }
    return allOk ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // Printing needs a GUI application; on a machine without a display the
    // command line runs on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.empty())
            throw UsageError{"no command given"};
        const std::string verb = args.front();
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (verb == "dump")
            return dump(rest);
        if (verb == "check")
            return check(rest);
        throw UsageError{"unknown command " + verb};
    } catch (const UsageError& e) {
        std::cerr << "ringvale-cli: " << e.message << '\n' << kUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "ringvale-cli: " << e.what() << '\n';
        return 1;
    }
}
