#include "storage/DataRootLocation.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace
{

const QString kOption = QStringLiteral("--data-dir");

std::optional<QString> givenDataDir(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == kOption && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (argument.startsWith(kOption + u'='))
            return argument.mid(kOption.size() + 1);
    }
    return std::nullopt;
}

// The same folder the application-local data location names for an
// application called "ringvale" with no organisation, whatever name the
// running application goes by.
QString userDataLocation()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("ringvale"));
}

} // namespace

bool holdsUserData(const QString& folder)
{
    const QStringList subfolders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::ranges::any_of(subfolders, [](const QString& name) {
        return name.compare(u"userdata", Qt::CaseInsensitive) == 0;
    });
}

QString locateDataRoot(const QStringList& arguments, const QString& executableFolder)
{
    if (const auto given = givenDataDir(arguments); given && !given->isEmpty())
        return QDir::cleanPath(QDir(*given).absolutePath());
    if (holdsUserData(executableFolder))
        return QDir::cleanPath(QDir(executableFolder).absolutePath());
    return userDataLocation();
}
