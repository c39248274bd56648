#include "File.h"

#include "Error.h"

#include <cerrno>
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

} // namespace

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

File File::create(const std::filesystem::path& path)
{
    File file;
    file.path_ = path;
    file.fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (file.fd_ < 0)
        file.fail("cannot create");
    if (lockFile(file.fd_, Lock::Exclusive) != 0)
        file.fail("cannot lock");
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
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0)
        fail("cannot truncate");
}

void File::syncData()
{
    if (::fdatasync(fd_) != 0)
        fail("cannot flush to disk");
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
