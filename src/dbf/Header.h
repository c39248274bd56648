#pragma once

#include "Field.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dbf
{

// The dBASE III header: 32 bytes, one 32-byte descriptor per field, then 0x0D.
// Field names are code page 437 in the file and UTF-8 in a FieldList.
struct Header {
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    FieldList fields;

    static constexpr std::size_t kFixedSize = 32;
    static constexpr std::size_t kDescriptorSize = 32;
    static constexpr std::size_t kCountOffset = 4;
    static constexpr std::size_t kNameSize = 11; // the name area of a descriptor, zero-padded
    static constexpr char kTerminator = 0x0D;
    static constexpr char kEndOfFile = 0x1A;
    static constexpr unsigned char kVersion = 0x03;
    static constexpr unsigned char kLanguageCodePage437 = 0x01;

    // Parses a header from the start of a file (`bytes` holds at least the
    // whole header when the file is long enough). Throws dbf::Error naming
    // `fileName` and the fault.
    static Header parse(const std::string& fileName, const std::vector<char>& bytes,
                        std::uint64_t fileSize);
    // Serialises a header for `fields`, stamped with today's date.
    static std::vector<char> build(const FieldList& fields, std::uint32_t recordCount);
    // The eight bytes from offset 1: date of last update (today) and record count.
    static std::vector<char> updateStamp(std::uint32_t recordCount);
};

// Checks a field list before a table is created from it; throws on a fault.
void validateFields(const FieldList& fields);

} // namespace dbf
