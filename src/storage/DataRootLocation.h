#pragma once

#include <QString>
#include <QStringList>

// The data root is the folder that holds gendefs.ini and the userdata,
// pgmdata, shows, indexs and catdata folders. In order of precedence:
// - the folder given with "--data-dir DIR" (or "--data-dir=DIR");
// - the executable's own folder when it holds a userdata folder, as an
//   installation copied from an older machine does (the name in any case);
// - the user's local application data folder, "ringvale" under the system's
//   data location (~/.local/share/ringvale on Linux).
// The result is an absolute path; the folder need not exist yet.
QString locateDataRoot(const QStringList& arguments, const QString& executableFolder);

// True when `folder` holds a folder named userdata in any mix of cases.
bool holdsUserData(const QString& folder);
