#include "Header.h"

#include "Codepage437.h"
#include "Error.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>

namespace dbf
{
namespace
{

std::uint32_t readLe32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (std::uint32_t(u[3]) << 24);
}

std::uint16_t readLe16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(u[0] | (u[1] << 8));
}

void writeLe32(char* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void writeLe16(char* p, std::uint16_t v)
{
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>(v >> 8);
}

void writeToday(char* p)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    p[0] = static_cast<char>(local.tm_year); // years since 1900, as dBASE stores it
    p[1] = static_cast<char>(local.tm_mon + 1);
    p[2] = static_cast<char>(local.tm_mday);
}

bool knownType(char t)
{
    return t == 'C' || t == 'N' || t == 'D' || t == 'L';
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), lowerAscii);
    return s;
}

// A field name as its descriptor stores it: code page 437 bytes. Names come
// from the program's own schemas or from a file read before, so a character
// the code page lacks is refused with the name.
std::string storedName(const std::string& name)
{
    const auto bytes = cp437::fromUtf8(name);
    if (!bytes)
        throw Error("field name \"" + name + "\" holds a character outside code page 437");
    return *bytes;
}

} // namespace

Header Header::parse(const std::string& fileName, const std::vector<char>& bytes,
                     std::uint64_t fileSize)
{
    const auto fault = [&](const std::string& what) { return Error(fileName + ": " + what); };
    if (fileSize < kFixedSize + 1)
        throw fault("file is too short to be a table (" + std::to_string(fileSize) + " bytes)");

    Header h;
    h.recordCount = readLe32(bytes.data() + kCountOffset);
    h.headerLength = readLe16(bytes.data() + 8);
    h.recordLength = readLe16(bytes.data() + 10);
    if (h.headerLength < kFixedSize + kDescriptorSize + 1)
        throw fault("header length " + std::to_string(h.headerLength) + " is too small");
    if (h.headerLength > fileSize)
        throw fault("header length " + std::to_string(h.headerLength) + " is larger than the file");

    std::size_t pos = kFixedSize;
    while (true) {
        if (pos >= h.headerLength)
            throw fault("the field descriptors have no terminator");
        if (bytes[pos] == kTerminator)
            break;
        if (pos + kDescriptorSize >= h.headerLength)
            throw fault("the field descriptors have no terminator within the header");
        const char* d = bytes.data() + pos;
        FieldDef f;
        f.name = cp437::toUtf8(lower(std::string(d, strnlen(d, kNameSize))));
        const char type = d[11];
        const auto width = static_cast<unsigned char>(d[16]);
        if (f.name.empty())
            throw fault("field " + std::to_string(h.fields.size() + 1) + " has no name");
        if (!knownType(type))
            throw fault("field " + f.name + " has the unknown type '" + std::string(1, type) + "'");
        f.type = static_cast<FieldType>(type);
        f.width = width;
        f.decimals = static_cast<unsigned char>(d[17]);
        if (f.width == 0)
            throw fault("field " + f.name + " has width 0");
        h.fields.push_back(std::move(f));
        pos += kDescriptorSize;
    }
    if (h.fields.empty())
        throw fault("the table has no fields");
    const int computed = layoutFields(h.fields);
    if (computed != h.recordLength)
        throw fault("the record length in the header (" + std::to_string(h.recordLength) +
                    ") disagrees with the field descriptors (" + std::to_string(computed) + ")");
    return h;
}

std::vector<char> Header::build(const FieldList& fields, std::uint32_t recordCount)
{
    const std::size_t length = kFixedSize + kDescriptorSize * fields.size() + 1;
    std::vector<char> bytes(length, 0);
    bytes[0] = static_cast<char>(kVersion);
    writeToday(bytes.data() + 1);
    writeLe32(bytes.data() + kCountOffset, recordCount);
    writeLe16(bytes.data() + 8, static_cast<std::uint16_t>(length));
    int recordLength = 1;
    for (const auto& f : fields)
        recordLength += f.width;
    writeLe16(bytes.data() + 10, static_cast<std::uint16_t>(recordLength));
    bytes[29] = static_cast<char>(kLanguageCodePage437);
    char* d = bytes.data() + kFixedSize;
    for (const auto& f : fields) {
        const std::string name = lower(storedName(f.name));
        std::memcpy(d, name.data(), std::min(name.size(), kNameSize));
        d[11] = static_cast<char>(f.type);
        d[16] = static_cast<char>(f.width);
        d[17] = static_cast<char>(f.decimals);
        d += kDescriptorSize;
    }
    *d = kTerminator;
    return bytes;
}

std::vector<char> Header::updateStamp(std::uint32_t recordCount)
{
    std::vector<char> stamp(7, 0);
    writeToday(stamp.data());
    writeLe32(stamp.data() + 3, recordCount);
    return stamp;
}

void validateFields(const FieldList& fields)
{
    if (fields.empty())
        throw Error("a table needs at least one field");
    if (fields.size() > 255)
        throw Error("a table holds at most 255 fields");
    int recordLength = 1;
    for (const auto& f : fields) {
        const std::string name = storedName(f.name);
        if (name.empty() || name.size() > Header::kNameSize)
            throw Error("field name \"" + f.name + "\" must have 1 to 11 characters");
        const int maxWidth = f.type == FieldType::Character ? 254
                             : f.type == FieldType::Numeric ? 20
                             : f.type == FieldType::Date    ? 8
                                                            : 1;
        if (f.width < 1 || f.width > maxWidth || (f.type == FieldType::Date && f.width != 8))
            throw Error("field " + f.name + " has an invalid width " + std::to_string(f.width));
        if (f.decimals < 0 ||
            (f.decimals > 0 && (f.type != FieldType::Numeric || f.decimals > f.width - 2)))
            throw Error("field " + f.name + " has invalid decimals " + std::to_string(f.decimals));
        if (findField(fields, f.name) != &f - fields.data())
            throw Error("field " + f.name + " appears twice");
        recordLength += f.width;
    }
    if (recordLength > 65535)
        throw Error("the record is longer than 65535 bytes");
}

} // namespace dbf
