#include "Codepage437.h"
#include "Error.h"
#include "File.h"
#include "Header.h"
#include "Index.h"
#include "Table.h"

#include <charconv>
#include <cmath>
#include <cstring>

// Everything that changes a table. The order of the writes is what makes a
// crash harmless: a new record is written (with the end-of-file byte after it)
// before the header counts it, so a process killed between the two leaves a
// record the next open finds and counts; a rewrite touches only its own record.
// Pack and zap build a complete new file beside the old one and rename it over.

namespace dbf
{

namespace
{

std::string formatNumber(const FieldDef& f, double value)
{
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, f.decimals);
    const std::string digits(text, result.ptr);
    if (result.ec != std::errc() || digits.size() > static_cast<std::size_t>(f.width) ||
        !std::isfinite(value))
        throw Error("Field " + f.name + " cannot hold the number " + digits + " (width " +
                    std::to_string(f.width) + ", " + std::to_string(f.decimals) + " decimals)");
    return std::string(f.width - digits.size(), ' ') + digits;
}

void storeBytes(char* buffer, const FieldDef& f, std::string_view bytes)
{
    const std::size_t n = std::min(bytes.size(), std::size_t(f.width));
    std::memcpy(buffer + f.offset, bytes.data(), n);
    std::memset(buffer + f.offset + n, ' ', f.width - n);
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

// Writes a value given as stored text of another field (code page 437) into a
// field of possibly another type: the conversion append-from uses.
void convertInto(char* buffer, const FieldDef& target, const FieldDef& source,
                 std::string_view stored)
{
    const std::string_view value = trimmed(stored);
    switch (target.type) {
    case FieldType::Character:
        storeBytes(buffer, target,
                   source.type == FieldType::Character
                       ? stored.substr(0, stored.find_last_not_of(' ') + 1)
                       : value);
        break;
    case FieldType::Numeric: {
        double number = 0;
        const char* begin = value.data();
        if (!value.empty() && *begin == '+')
            ++begin;
        const auto result = std::from_chars(begin, value.data() + value.size(), number);
        if (value.empty() || result.ec != std::errc())
            storeBytes(buffer, target, "");
        else
            storeBytes(buffer, target, formatNumber(target, number));
        break;
    }
    case FieldType::Date:
        storeBytes(buffer, target, dateFromDtos(value) ? value : std::string_view());
        break;
    case FieldType::Logical:
        if (value.empty() || value == "?")
            storeBytes(buffer, target, "");
        else
            storeBytes(buffer, target,
                       std::string_view("TtYy").find(value[0]) != std::string_view::npos ? "T"
                                                                                         : "F");
        break;
    }
}

} // namespace

void Table::requireWritable(const char* what) const
{
    if (access_ == Access::ReadOnly)
        throw Error(path_.string() + ": cannot " + what + ", the table is open read-only");
    if (!file_.isOpen())
        throw Error(path_.string() + ": cannot " + what + ", the table is closed");
}

// --- Setters on the record buffer ------------------------------------------

void Table::setText(std::string_view name, std::string_view utf8)
{
    const FieldDef& f = field(name);
    switch (f.type) {
    case FieldType::Character: {
        std::string bad;
        const auto bytes = cp437::fromUtf8(utf8, &bad);
        if (!bytes)
            throw EncodingError(f.name, bad);
        storeBytes(buffer_.data(), f, *bytes);
        break;
    }
    case FieldType::Numeric: {
        const std::string_view value = trimmed(utf8);
        if (value.empty()) {
            storeBytes(buffer_.data(), f, "");
        } else {
            double number = 0;
            const char* begin = value.data() + (value.front() == '+' ? 1 : 0);
            const auto result = std::from_chars(begin, value.data() + value.size(), number);
            if (result.ec != std::errc() || result.ptr != value.data() + value.size())
                throw Error("Field " + f.name + " cannot hold \"" + std::string(utf8) +
                            "\": not a number");
            storeBytes(buffer_.data(), f, formatNumber(f, number));
        }
        break;
    }
    case FieldType::Date: {
        const std::string_view value = trimmed(utf8);
        if (!value.empty() && !dateFromDtos(value))
            throw Error("Field " + f.name + " cannot hold \"" + std::string(utf8) +
                        "\": not a date YYYYMMDD");
        storeBytes(buffer_.data(), f, value);
        break;
    }
    case FieldType::Logical: {
        const std::string_view value = trimmed(utf8);
        storeBytes(buffer_.data(), f,
                   value.empty()                                                       ? ""
                   : std::string_view("TtYy").find(value[0]) != std::string_view::npos ? "T"
                                                                                       : "F");
        break;
    }
    }
    bufferDirty_ = true;
}

void Table::setNumber(std::string_view name, double value)
{
    const FieldDef& f = field(name);
    if (f.type != FieldType::Numeric)
        throw Error("Field " + f.name + " is not numeric");
    storeBytes(buffer_.data(), f, formatNumber(f, value));
    bufferDirty_ = true;
}

void Table::setDate(std::string_view name, std::optional<Date> value)
{
    const FieldDef& f = field(name);
    if (f.type != FieldType::Date)
        throw Error("Field " + f.name + " is not a date");
    storeBytes(buffer_.data(), f, value ? dateToDtos(value) : "");
    bufferDirty_ = true;
}

void Table::setLogical(std::string_view name, bool value)
{
    setLogical(fieldIndex(name) + 1, value);
}

void Table::setLogical(int position, bool value)
{
    const FieldDef& f = fieldAt(position);
    if (f.type != FieldType::Logical)
        throw Error("Field " + f.name + " is not logical");
    buffer_[f.offset] = value ? 'T' : 'F';
    bufferDirty_ = true;
}

void Table::blankBuffer()
{
    buffer_.assign(recordLength_, ' ');
    bufferDirty_ = true;
}

// --- Low-level writes ------------------------------------------------------

void Table::writeHeader()
{
    const std::vector<char> stamp = Header::updateStamp(recordCount_);
    file_.writeAt(1, stamp.data(), stamp.size());
}

void Table::writeRecordAt(std::uint32_t recno, const char* record)
{
    const std::uint64_t offset = headerLength_ + std::uint64_t(recno - 1) * recordLength_;
    file_.writeAt(offset, record, recordLength_);
    char* stored = data_.data() + std::size_t(recno - 1) * recordLength_;
    std::memcpy(stored, record, recordLength_);
    for (auto& index : indexes_)
        index->update(recno, stored);
    invalidateVisible();
}

std::uint32_t Table::appendRaw(const char* record)
{
    const std::uint32_t recno = recordCount_ + 1;
    std::vector<char> bytes(record, record + recordLength_);
    bytes.push_back(Header::kEndOfFile);
    file_.writeAt(headerLength_ + std::uint64_t(recordCount_) * recordLength_, bytes.data(),
                  bytes.size());
    data_.insert(data_.end(), record, record + recordLength_);
    recordCount_ = recno;
    writeHeader();
    for (auto& index : indexes_)
        index->insert(recno, data_.data() + std::size_t(recno - 1) * recordLength_);
    invalidateVisible();
    return recno;
}

// --- Data-aware editing ----------------------------------------------------

void Table::edit()
{
    requireWritable("edit");
    if (state_ != State::Browse)
        return;
    if (current_ == 0)
        throw Error(path_.string() + ": no record to edit");
    loadBuffer();
    state_ = State::Edit;
}

void Table::append()
{
    requireWritable("append");
    if (state_ != State::Browse)
        cancel();
    buffer_.assign(recordLength_, ' ');
    bufferDirty_ = false;
    state_ = State::Insert;
}

void Table::post()
{
    if (state_ == State::Browse)
        return;
    requireWritable("save");
    if (beforePost_)
        beforePost_(*this);
    if (state_ == State::Edit)
        writeRecordAt(current_, buffer_.data());
    else
        current_ = appendRaw(buffer_.data());
    file_.syncData();
    state_ = State::Browse;
    bof_ = eof_ = false;
    bufferDirty_ = false;
}

void Table::cancel()
{
    state_ = State::Browse;
    loadBuffer();
}

void Table::appendRecord()
{
    requireWritable("append");
    current_ = appendRaw(buffer_.data());
    state_ = State::Browse;
    bof_ = eof_ = false;
    bufferDirty_ = false;
}

void Table::writeRecord()
{
    requireWritable("write");
    if (current_ == 0)
        throw Error(path_.string() + ": no record to write");
    writeRecordAt(current_, buffer_.data());
    state_ = State::Browse;
    bufferDirty_ = false;
}

void Table::setDeleted(bool deleted)
{
    buffer_[0] = deleted ? '*' : ' ';
    if (state_ != State::Browse)
        return;
    requireWritable("delete");
    if (current_ == 0)
        throw Error(path_.string() + ": no record to delete");
    std::vector<char> record(recordData(current_), recordData(current_) + recordLength_);
    record[0] = buffer_[0];
    writeRecordAt(current_, record.data());
}

void Table::toggleDeleted()
{
    setDeleted(!deleted());
}

void Table::flush()
{
    if (access_ == Access::ReadWrite && file_.isOpen())
        file_.syncData();
}

// --- Whole-table operations ------------------------------------------------

void Table::rewriteFile(const std::vector<std::uint32_t>& keep)
{
    requireWritable("rewrite");
    if (state_ != State::Browse)
        cancel();
    const std::filesystem::path temporary = path_.string() + ".new";
    std::filesystem::remove(temporary);
    std::vector<char> records;
    records.reserve(keep.size() * recordLength_);
    for (std::uint32_t recno : keep)
        records.insert(records.end(), recordData(recno), recordData(recno) + recordLength_);
    try {
        File file = File::create(temporary);
        std::vector<char> bytes = Header::build(fields_, static_cast<std::uint32_t>(keep.size()));
        bytes.insert(bytes.end(), records.begin(), records.end());
        bytes.push_back(Header::kEndOfFile);
        file.writeAt(0, bytes.data(), bytes.size());
        file.syncData();
        std::filesystem::rename(temporary, path_);
        file_ = std::move(file);
        headerLength_ = static_cast<int>(bytes.size() - records.size() - 1);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw;
    }
    data_ = std::move(records);
    recordCount_ = static_cast<std::uint32_t>(keep.size());
    for (auto& index : indexes_)
        index->build(data_.data(), recordCount_, recordLength_);
    invalidateVisible();
    first();
}

void Table::pack()
{
    std::vector<std::uint32_t> keep;
    for (std::uint32_t r = 1; r <= recordCount_; ++r) {
        if (recordData(r)[0] != '*')
            keep.push_back(r);
    }
    rewriteFile(keep);
}

void Table::zap()
{
    rewriteFile({});
}

void Table::copyStructureTo(const std::filesystem::path& target) const
{
    create(target, fields_);
}

std::uint32_t Table::appendFrom(const std::filesystem::path& sourcePath)
{
    requireWritable("append");
    if (std::filesystem::equivalent(sourcePath, path_))
        throw Error(path_.string() + ": cannot append a table to itself");
    const auto source = open(sourcePath, Access::ReadOnly);
    std::vector<std::pair<const FieldDef*, const FieldDef*>> pairs; // target, source
    for (const auto& f : fields_) {
        const int s = source->fieldIndex(f.name);
        if (s >= 0)
            pairs.emplace_back(&f, &source->fields()[s]);
    }
    std::vector<char> record(recordLength_);
    const std::uint32_t count = source->recordCount();
    for (std::uint32_t r = 1; r <= count; ++r) {
        const char* from = source->recordData(r);
        std::fill(record.begin(), record.end(), ' ');
        record[0] = from[0] == '*' ? '*' : ' ';
        for (const auto& [target, src] : pairs) {
            try {
                convertInto(record.data(), *target, *src,
                            {from + src->offset, std::size_t(src->width)});
            } catch (const Error& e) {
                throw Error(sourcePath.string() + ", record " + std::to_string(r) + ": " +
                            e.what());
            }
        }
        appendRaw(record.data());
    }
    flush();
    first();
    return count;
}

} // namespace dbf
