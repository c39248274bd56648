#include "BulkBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace dbf
{
namespace
{

constexpr std::size_t kHugePage = std::size_t(2) << 20;

// The one system-specific step: where the system offers transparent huge
// pages, a block of whole huge pages asks for them. Elsewhere the block is
// only aligned, which costs nothing.
void adviseHugePages([[maybe_unused]] char* block, [[maybe_unused]] std::size_t size)
{
#ifdef MADV_HUGEPAGE
    ::madvise(block, size, MADV_HUGEPAGE); // advice only: a refusal changes nothing
#endif
}

// Small blocks come from the ordinary heap; from one huge page on, whole
// aligned huge pages.
char* allocate(std::size_t& capacity)
{
    void* block = nullptr;
    if (capacity < kHugePage) {
        block = std::malloc(capacity);
    } else {
        capacity = (capacity + kHugePage - 1) / kHugePage * kHugePage;
        block = std::aligned_alloc(kHugePage, capacity);
        if (block)
            adviseHugePages(static_cast<char*>(block), capacity);
    }
    if (!block)
        throw std::bad_alloc();
    return static_cast<char*>(block);
}

} // namespace

BulkBuffer::~BulkBuffer()
{
    std::free(data_);
}

BulkBuffer::BulkBuffer(BulkBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0))
{
}

BulkBuffer& BulkBuffer::operator=(BulkBuffer&& other) noexcept
{
    if (this != &other) {
        std::free(data_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

void BulkBuffer::reserve(std::size_t capacity)
{
    if (capacity <= capacity_)
        return;
    char* block = allocate(capacity);
    if (size_ > 0)
        std::memcpy(block, data_, size_);
    std::free(data_);
    data_ = block;
    capacity_ = capacity;
}

void BulkBuffer::resize(std::size_t size)
{
    if (size > capacity_)
        reserve(std::max(size, capacity_ + capacity_ / 2));
    size_ = size;
}

void BulkBuffer::append(const char* bytes, std::size_t length)
{
    const std::size_t at = size_;
    resize(size_ + length);
    if (length > 0)
        std::memcpy(data_ + at, bytes, length);
}

void prefetch([[maybe_unused]] const char* bytes, [[maybe_unused]] std::size_t length)
{
#if defined(__GNUC__)
    constexpr std::size_t kCacheLine = 64;
    for (std::size_t at = 0; at < length; at += kCacheLine)
        __builtin_prefetch(bytes + at);
    if (length > 0)
        __builtin_prefetch(bytes + length - 1);
#endif
}

void BulkBuffer::clear()
{
    std::free(data_);
    data_ = nullptr;
    size_ = capacity_ = 0;
}

} // namespace dbf
