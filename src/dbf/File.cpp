#include "File.h"

#include "Error.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dbf
{
namespace
{

int lockFile(int fd, File::Lock lock)
{
    const int operation = (lock == File::Lock::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    int rc;
    do {
        rc = ::flock(fd, operation);
    } while (rc != 0 && errno == EINTR);
    return rc;
}

std::atomic<int> faultCountdown{0}; // operations until the armed fault, 0 when none is armed
std::atomic<bool> faultPersists{false};
std::atomic<bool> faultStruck{false};

// Whether the disk operation about to run is to fail (see DiskFaults).
bool faultHere()
{
    if (faultStruck && faultPersists)
        return true;
    if (faultCountdown == 0 || --faultCountdown != 0)
        return false;
    faultStruck = true;
    return true;
}

} // namespace

void DiskFaults::failAt(int n, bool persist)
{
    faultStruck = false;
    faultPersists = persist;
    faultCountdown = n;
}

void DiskFaults::clear()
{
    failAt(0);
}

bool DiskFaults::struck()
{
    return faultStruck;
}

File::File(const std::filesystem::path& path, Lock lock) : path_(path)
{
    const int flags = (lock == Lock::Exclusive ? O_RDWR : O_RDONLY) | O_CLOEXEC;
    fd_ = ::open(path.c_str(), flags);
    if (fd_ < 0)
        fail("cannot open");
    if (lockFile(fd_, lock) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        if (error == EWOULDBLOCK)
            throw InUseError(path_.string() + ": in use by another program or window");
        errno = error;
        fail("cannot lock");
    }
}

File File::createTemporary(const std::filesystem::path& target)
{
    std::string name = target.string() + ".tmp-XXXXXX";
    File file;
    file.fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    file.path_ = name;
    if (file.fd_ < 0) {
        file.path_ = target;
        file.fail("cannot create a temporary file beside it");
    }
    if (lockFile(file.fd_, Lock::Exclusive) != 0) {
        const int error = errno;
        file.discard();
        errno = error;
        file.fail("cannot lock");
    }
    return file;
}

File::~File()
{
    close();
}

File::File(File&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_))
{
    other.fd_ = -1;
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

std::uint64_t File::size() const
{
    struct stat st {
    };
    if (::fstat(fd_, &st) != 0)
        fail("cannot read the size");
    return static_cast<std::uint64_t>(st.st_size);
}

void File::readAt(std::uint64_t offset, void* data, std::size_t length) const
{
    auto* out = static_cast<char*>(data);
    while (length > 0) {
        const ssize_t n = ::pread(fd_, out, length, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("cannot read");
        if (n == 0)
            throw Error(path_.string() + ": unexpected end of file");
        out += n;
        offset += static_cast<std::uint64_t>(n);
        length -= static_cast<std::size_t>(n);
    }
}

void File::writeAt(std::uint64_t offset, const void* data, std::size_t length)
{
    const auto* in = static_cast<const char*>(data);
    if (faultHere()) {
        if (::pwrite(fd_, in, length / 2, static_cast<off_t>(offset)) >= 0)
            errno = EIO;
        fail("cannot write");
    }
    while (length > 0) {
        const ssize_t n = ::pwrite(fd_, in, length, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("cannot write");
        in += n;
        offset += static_cast<std::uint64_t>(n);
        length -= static_cast<std::size_t>(n);
    }
}

void File::truncate(std::uint64_t length)
{
    if (faultHere())
        errno = EIO;
    else if (::ftruncate(fd_, static_cast<off_t>(length)) == 0)
        return;
    fail("cannot truncate");
}

void File::syncData()
{
    if (faultHere())
        errno = EIO;
    else if (::fdatasync(fd_) == 0)
        return;
    fail("cannot flush to disk");
}

namespace
{

// rename() that refuses to replace an existing target. Where the file system
// cannot rename that way, a hard link does the same: it fails on an existing
// name, and the temporary name is removed after it.
int renameWithoutReplacing(const char* from, const char* to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return -1;
#endif
    if (::link(from, to) != 0)
        return -1;
    ::unlink(from);
    return 0;
}

} // namespace

void File::renameTo(const std::filesystem::path& target, Replace replace)
{
    int rc = -1;
    if (faultHere())
        errno = EIO;
    else
        rc = replace == Replace::Yes ? ::rename(path_.c_str(), target.c_str())
                                     : renameWithoutReplacing(path_.c_str(), target.c_str());
    if (rc != 0 && errno == EEXIST)
        throw Error(target.string() + ": a file of that name exists already");
    if (rc != 0)
        throw Error(target.string() + ": cannot put the new file in place (" +
                    std::strerror(errno) + ")");
    path_ = target;
}

void File::discard()
{
    close();
    if (!path_.empty())
        ::unlink(path_.c_str());
}

void File::syncFolderOf(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int rc = -1;
    if (fd >= 0) {
        if (faultHere())
            errno = EIO;
        else
            rc = ::fsync(fd);
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    if (rc != 0)
        throw Error(file.string() + ": cannot flush its folder to disk (" + std::strerror(errno) +
                    ")");
}

void File::close()
{
    if (fd_ >= 0) {
        ::close(fd_); // closing releases the lock
        fd_ = -1;
    }
}

void File::fail(const std::string& what) const
{
    throw Error(path_.string() + ": " + what + " (" + std::strerror(errno) + ")");
}

} // namespace dbf
