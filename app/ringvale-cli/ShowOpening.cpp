#include "ShowOpening.h"

#include "storage/DataModule.h"

#include "dbf/Error.h"

bool openShowForCommand(Tdmod& data, int show)
{
    const QString file = data.root().showEntryFile(show);
    if (file.isEmpty())
        throw dbf::Error("show " + std::to_string(show) + " has no entry table");
    return data.OpenShowFile(file);
}
