#include "storage/DataRootLocation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace
{

const QStringList kNoOptions{QStringLiteral("ringvale")};

QString made(const QTemporaryDir& root, const QString& name)
{
    QDir(root.path()).mkpath(name);
    return root.filePath(name);
}

} // namespace

TEST(DataRootLocation, GivenFolderComesFirst)
{
    QTemporaryDir install;
    made(install, "userdata");
    EXPECT_EQ(locateDataRoot({"ringvale", "--data-dir", "/srv/trials"}, install.path()),
              "/srv/trials");
    EXPECT_EQ(locateDataRoot({"ringvale", "--data-dir=/srv/trials/"}, install.path()),
              "/srv/trials");
}

TEST(DataRootLocation, RelativeGivenFolderIsMadeAbsolute)
{
    const QString found = locateDataRoot({"ringvale", "--data-dir", "trials"}, "/nowhere");
    EXPECT_EQ(found, QDir::current().filePath("trials"));
}

TEST(DataRootLocation, ExecutableFolderWithUserDataInAnyCase)
{
    for (const char* name : {"userdata", "UserData", "USERDATA"}) {
        QTemporaryDir install;
        made(install, name);
        EXPECT_TRUE(holdsUserData(install.path())) << name;
        EXPECT_EQ(locateDataRoot(kNoOptions, install.path()), install.path()) << name;
    }
}

TEST(DataRootLocation, AFileNamedUserDataDoesNotCount)
{
    QTemporaryDir install;
    QFile file(install.filePath("userdata"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    made(install, "userdata2");
    EXPECT_FALSE(holdsUserData(install.path()));
}

TEST(DataRootLocation, OtherwiseTheUsersDataFolder)
{
    QTemporaryDir install;
    const QString expected =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath("ringvale");
    EXPECT_EQ(locateDataRoot(kNoOptions, install.path()), expected);
    EXPECT_EQ(locateDataRoot({"ringvale", "--data-dir"}, install.path()), expected);
    EXPECT_TRUE(expected.endsWith("/ringvale"));
}
