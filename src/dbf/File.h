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
    enum class Replace { No, Yes };

    File() = default;
    // Opens an existing file; throws InUseError when another opener holds a
    // conflicting lock, Error otherwise.
    File(const std::filesystem::path& path, Lock lock);
    // Creates a new file with a name of its own in the folder of `target`
    // (the target's name with a unique ending) and locks it exclusively: a
    // file is written there in full and then renamed into place, so a crash
    // never leaves a half-written file under the target's name.
    static File createTemporary(const std::filesystem::path& target);
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
    // Gives the file the name `target`; with Replace::No an existing target is
    // an error and stays as it was. The folder is not flushed: see syncFolderOf.
    void renameTo(const std::filesystem::path& target, Replace replace);
    // Closes the file and removes its name, ignoring errors: the end of a
    // temporary file whose writing failed.
    void discard();
    void close();

    // Flushes the entries of the folder that holds `file` to disk, so that a
    // file created or renamed there keeps its name after a power cut. Errors
    // name the file.
    static void syncFolderOf(const std::filesystem::path& file);

private:
    [[noreturn]] void fail(const std::string& what) const;

    int fd_ = -1;
    std::filesystem::path path_;
};

// A seam for the tests of a failing disk, and used by nothing else. Armed,
// the n-th of the writes, flushes, truncations and renames that follow
// (counted over every File of the process, 1 for the next one) fails as a
// full or failing disk does: a write puts down the first half of its bytes and
// then reports EIO; the others report EIO. With `persist` every operation
// after it fails too, so an attempt to undo fails as well.
struct DiskFaults {
    static void failAt(int n, bool persist = false);
    static void clear();
    static bool struck(); // whether the armed fault has happened
};

} // namespace dbf
