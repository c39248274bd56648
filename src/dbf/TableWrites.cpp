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
    if (n > 0) // an empty view may have no bytes at all to copy from
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

namespace
{

// Runs `undo` after a failed write, as far as the disk lets it: the error the
// caller reports is the first one, so a second failure is dropped here.
template <typename Undo> void tryToUndo(Undo undo) noexcept
{
    try {
        undo();
    } catch (...) {
    }
}

// A failed write reported with what it means for the user's data.
[[noreturn]] void rethrowWith(const Error& error, const char* consequence)
{
    throw Error(std::string(error.what()) + ". " + consequence);
}

} // namespace

void Table::writeHeaderCount(std::uint32_t count)
{
    const std::vector<char> stamp = Header::updateStamp(count);
    file_.writeAt(1, stamp.data(), stamp.size());
}

void Table::writeRecordToFile(std::uint32_t recno, const char* record, bool flush)
{
    const std::uint64_t offset = headerLength_ + std::uint64_t(recno - 1) * recordLength_;
    try {
        file_.writeAt(offset, record, recordLength_);
        if (flush)
            file_.syncData();
    } catch (...) {
        tryToUndo([&] {
            file_.writeAt(offset, recordData(recno), recordLength_);
            if (flush)
                file_.syncData();
        });
        throw;
    }
}

// The records go down first, with the end-of-file byte after them, and the
// header counts them after: a crash in between leaves records that the next
// open counts. A failure takes the header count back first, so the file never
// claims a record it may not hold in full, then cuts the file where it ended.
void Table::appendToFile(const char* records, std::uint32_t count, bool flush)
{
    const std::uint64_t end = headerLength_ + std::uint64_t(recordCount_) * recordLength_;
    std::vector<char> bytes(records, records + std::size_t(count) * recordLength_);
    bytes.push_back(Header::kEndOfFile);
    try {
        file_.writeAt(end, bytes.data(), bytes.size());
        writeHeaderCount(recordCount_ + count);
        if (flush)
            file_.syncData();
    } catch (...) {
        tryToUndo([&] { writeHeaderCount(recordCount_); });
        tryToUndo([&] {
            const char eof = Header::kEndOfFile;
            file_.writeAt(end, &eof, 1);
            file_.truncate(end + 1);
            if (flush)
                file_.syncData();
        });
        throw;
    }
}

void Table::reserveForAppend(std::uint32_t count)
{
    data_.reserve(data_.size() + std::size_t(count) * recordLength_);
    for (auto& index : indexes_)
        index->reserve(recordCount_ + count);
}

void Table::commitRecord(std::uint32_t recno, const char* record)
{
    char* stored = data_.data() + std::size_t(recno - 1) * recordLength_;
    std::memcpy(stored, record, recordLength_);
    for (auto& index : indexes_)
        index->update(recno, stored);
    invalidateVisible();
}

std::uint32_t Table::commitAppended(const char* records, std::uint32_t count)
{
    const std::uint32_t first = recordCount_ + 1;
    data_.append(records, std::size_t(count) * recordLength_);
    recordCount_ += count;
    // Placing a record in a tag moves the tag's later entries along, so many
    // records at once (an append-from) are quicker sorted in afresh.
    const bool rebuild = count > 64;
    for (auto& index : indexes_) {
        if (rebuild) {
            index->build(data_.data(), recordCount_, recordLength_);
            continue;
        }
        for (std::uint32_t recno = first; recno <= recordCount_; ++recno)
            index->insert(recno, recordData(recno));
    }
    invalidateVisible();
    return recordCount_;
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

// A post that fails leaves the table as it was before it, still in Edit or
// Insert with the buffer as the user filled it, so Save can be tried again.
void Table::post()
{
    if (state_ == State::Browse)
        return;
    requireWritable("save");
    if (beforePost_)
        beforePost_(*this);
    try {
        if (state_ == State::Edit) {
            writeRecordToFile(current_, buffer_.data(), true);
            commitRecord(current_, buffer_.data());
        } else {
            reserveForAppend(1);
            appendToFile(buffer_.data(), 1, true);
            current_ = commitAppended(buffer_.data(), 1);
        }
    } catch (const Error& e) {
        rethrowWith(e, "The record was not saved.");
    }
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
    try {
        reserveForAppend(1);
        appendToFile(buffer_.data(), 1, false);
    } catch (const Error& e) {
        rethrowWith(e, "The record was not added.");
    }
    current_ = commitAppended(buffer_.data(), 1);
    state_ = State::Browse;
    bof_ = eof_ = false;
    bufferDirty_ = false;
}

void Table::queueRecord()
{
    queued_.insert(queued_.end(), buffer_.begin(), buffer_.end());
    bufferDirty_ = false;
}

std::uint32_t Table::appendQueued()
{
    requireWritable("append");
    const auto count = static_cast<std::uint32_t>(queued_.size() / recordLength_);
    if (count == 0)
        return 0;
    try {
        reserveForAppend(count);
        appendToFile(queued_.data(), count, true);
    } catch (const Error& e) {
        rethrowWith(e, "No record was appended.");
    }
    current_ = commitAppended(queued_.data(), count);
    queued_.clear();
    state_ = State::Browse;
    bof_ = eof_ = false;
    loadBuffer();
    return count;
}

void Table::writeRecord()
{
    requireWritable("write");
    if (current_ == 0)
        throw Error(path_.string() + ": no record to write");
    try {
        writeRecordToFile(current_, buffer_.data(), false);
    } catch (const Error& e) {
        rethrowWith(e, "The record was not saved.");
    }
    commitRecord(current_, buffer_.data());
    state_ = State::Browse;
    bufferDirty_ = false;
}

void Table::setDeleted(bool deleted)
{
    const char flag = deleted ? '*' : ' ';
    if (state_ != State::Browse) {
        buffer_[0] = flag;
        return;
    }
    requireWritable("delete");
    if (current_ == 0)
        throw Error(path_.string() + ": no record to delete");
    std::vector<char> record(recordData(current_), recordData(current_) + recordLength_);
    record[0] = flag;
    try {
        writeRecordToFile(current_, record.data(), false);
    } catch (const Error& e) {
        rethrowWith(e, deleted ? "The record was not marked deleted."
                               : "The record's deletion mark stays.");
    }
    commitRecord(current_, record.data());
    buffer_[0] = flag;
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
    BulkBuffer records;
    records.reserve(keep.size() * recordLength_);
    for (std::uint32_t recno : keep)
        records.append(recordData(recno), recordLength_);
    std::vector<char> bytes = Header::build(fields_, static_cast<std::uint32_t>(keep.size()));
    const int headerLength = static_cast<int>(bytes.size());
    bytes.insert(bytes.end(), records.data(), records.data() + records.size());
    bytes.push_back(Header::kEndOfFile);
    File file = File::createTemporary(path_);
    try {
        file.writeAt(0, bytes.data(), bytes.size());
        file.syncData();
        file.renameTo(path_, File::Replace::Yes);
    } catch (const Error& e) {
        file.discard();
        rethrowWith(e, "The table stays as it was.");
    }
    // From the rename on the new file is the table, whatever follows.
    file_ = std::move(file);
    headerLength_ = headerLength;
    data_ = std::move(records);
    recordCount_ = static_cast<std::uint32_t>(keep.size());
    for (auto& index : indexes_)
        index->build(data_.data(), recordCount_, recordLength_);
    invalidateVisible();
    first();
    try {
        File::syncFolderOf(path_);
    } catch (const Error& e) {
        rethrowWith(e, "The table is rewritten, but a power cut could still undo that.");
    }
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

// Every record is converted before any is written, so a value that cannot be
// converted and a failed write alike leave the table as it was.
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
    const std::uint32_t count = source->recordCount();
    std::vector<char> records(std::size_t(count) * recordLength_, ' ');
    for (std::uint32_t r = 1; r <= count; ++r) {
        const char* from = source->recordData(r);
        char* record = records.data() + std::size_t(r - 1) * recordLength_;
        record[0] = from[0] == '*' ? '*' : ' ';
        for (const auto& [target, src] : pairs) {
            try {
                convertInto(record, *target, *src, {from + src->offset, std::size_t(src->width)});
            } catch (const Error& e) {
                throw Error(sourcePath.string() + ", record " + std::to_string(r) + ": " +
                            e.what());
            }
        }
    }
    if (count > 0) {
        try {
            reserveForAppend(count);
            appendToFile(records.data(), count, true);
        } catch (const Error& e) {
            rethrowWith(e, "No record was appended.");
        }
        commitAppended(records.data(), count);
    }
    first();
    return count;
}

} // namespace dbf
