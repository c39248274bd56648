#include "DataRootLock.h"

#include "dbf/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace
{

const QString kLockFile = QStringLiteral("ringvale.lock");

[[noreturn]] void fail(const QString& path, const char* what, int error)
{
    throw dbf::Error(QStringLiteral("%1: %2 (%3)")
                         .arg(QDir::toNativeSeparators(path), QString::fromLatin1(what),
                              QString::fromLocal8Bit(std::strerror(error)))
                         .toStdString());
}

} // namespace

Result<DataRootLock> DataRootLock::take(const QString& root)
{
    if (!QFileInfo(root).isDir() && !QDir().mkpath(root))
        throw dbf::Error(("Cannot create " + QDir::toNativeSeparators(root)).toStdString());
    // The file stays when the lock goes: removing it would let a third
    // process lock a new file while a second still waits on the old one.
    const QString path = QDir(root).filePath(kLockFile);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        fail(path, "cannot open the lock file", errno);
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Result<DataRootLock>::failure(
                QStringLiteral("The data folder %1 is in use by another Ringvale.")
                    .arg(QDir::toNativeSeparators(root)));
        fail(path, "cannot lock", error);
    }
    return DataRootLock(fd);
}

DataRootLock::DataRootLock(DataRootLock&& other) noexcept : fd_(other.fd_)
{
    other.fd_ = -1;
}

DataRootLock& DataRootLock::operator=(DataRootLock&& other) noexcept
{
    if (this != &other) {
        release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

DataRootLock::~DataRootLock()
{
    release();
}

void DataRootLock::release()
{
    if (fd_ >= 0) {
        ::close(fd_); // closing the file lets go of the lock
        fd_ = -1;
    }
}
