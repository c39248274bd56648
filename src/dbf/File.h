#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace dbf
{

// A file descriptor with an advisory whole-file lock taken on open, so that a
// second opener (this process or another) is refused rather than corrupting
// the table. Every read and write is positional; errors name the file.
class File
{
public:
    enum class Lock { Exclusive, Shared };

    File() = default;
    // Opens an existing file; throws InUseError when another opener holds a
    // conflicting lock, Error otherwise.
    File(const std::filesystem::path& path, Lock lock);
    // Creates a new file (failing when it exists) and locks it exclusively.
    static File create(const std::filesystem::path& path);
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    bool isOpen() const { return fd_ >= 0; }
    const std::filesystem::path& path() const { return path_; }
    std::uint64_t size() const;
    void readAt(std::uint64_t offset, void* data, std::size_t length) const;
    void writeAt(std::uint64_t offset, const void* data, std::size_t length);
    void truncate(std::uint64_t length);
    void syncData();
    void close();

private:
    [[noreturn]] void fail(const std::string& what) const;

    int fd_ = -1;
    std::filesystem::path path_;
};

} // namespace dbf
