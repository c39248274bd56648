#pragma once

#include <cstddef>

namespace dbf
{

// A growable block of bytes for the large arrays of a table: its records and
// the keys of its tags. Unlike std::vector<char> it never fills what it gets
// (every byte is written, by a read or a key, before it is read), and a large
// block is aligned to 2 MiB and offered to the system for huge pages, so that
// reading a 50 MiB table costs some 25 page faults instead of 12,000.
class BulkBuffer
{
public:
    BulkBuffer() = default;
    ~BulkBuffer();
    BulkBuffer(BulkBuffer&& other) noexcept;
    BulkBuffer& operator=(BulkBuffer&& other) noexcept;
    BulkBuffer(const BulkBuffer&) = delete;
    BulkBuffer& operator=(const BulkBuffer&) = delete;

    char* data() { return data_; }
    const char* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Keeps the first bytes; bytes added at the end are unset. Throws
    // std::bad_alloc when the memory cannot be had.
    void resize(std::size_t size);
    // Makes room, so that growing up to `capacity` cannot fail.
    void reserve(std::size_t capacity);
    void append(const char* bytes, std::size_t length);
    void clear();

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// Asks for the bytes to be brought into the cache ahead of their use, where
// the compiler can ask; elsewhere it does nothing.
void prefetch(const char* bytes, std::size_t length);

} // namespace dbf
