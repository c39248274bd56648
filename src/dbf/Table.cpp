#include "Table.h"

#include "Codepage437.h"
#include "Error.h"
#include "FieldValues.h"
#include "File.h"
#include "Header.h"
#include "Index.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <future>
#include <limits>
#include <new>

// Opening, the cursor and the field values of a table. Writes are in
// TableWrites.cpp.

namespace dbf
{

std::string dateToDtos(std::optional<Date> date)
{
    if (!date || !date->ok())
        return std::string(8, ' ');
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", int(date->year()), unsigned(date->month()),
                  unsigned(date->day()));
    return std::string(text, 8);
}

std::optional<Date> dateFromDtos(std::string_view text)
{
    if (text.size() != 8 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int y = 0;
    unsigned m = 0, d = 0;
    std::from_chars(text.data(), text.data() + 4, y);
    std::from_chars(text.data() + 4, text.data() + 6, m);
    std::from_chars(text.data() + 6, text.data() + 8, d);
    const Date date{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)};
    return date.ok() ? std::optional<Date>(date) : std::nullopt;
}

namespace
{

// The header counts records in 32 bits.
constexpr std::uint64_t kMaxRecords = std::numeric_limits<std::uint32_t>::max();

} // namespace

Table::Table() = default;

Table::~Table() = default;

// The new table is written under a temporary name and renamed into place, so
// a crash never leaves an empty or half-written file under the table's name;
// the rename refuses to replace a file that is there.
void Table::create(const std::filesystem::path& path, FieldList fields)
{
    validateFields(fields);
    std::vector<char> bytes = Header::build(fields, 0);
    bytes.push_back(Header::kEndOfFile);
    File file = File::createTemporary(path);
    try {
        file.writeAt(0, bytes.data(), bytes.size());
        file.syncData();
        file.renameTo(path, File::Replace::No);
        File::syncFolderOf(path);
    } catch (...) {
        file.discard(); // the temporary, or the new table when its folder could not be flushed
        throw;
    }
}

std::unique_ptr<Table> Table::open(const std::filesystem::path& path, Access access)
{
    std::unique_ptr<Table> table(new Table);
    table->load(path, access);
    return table;
}

void Table::load(const std::filesystem::path& path, Access access)
{
    path_ = path;
    access_ = access;
    file_ = File(path, access == Access::ReadOnly ? File::Lock::Shared : File::Lock::Exclusive);
    File& file = file_;
    const std::uint64_t fileSize = file.size();
    std::vector<char> head(std::min<std::uint64_t>(fileSize, 65536));
    if (!head.empty())
        file.readAt(0, head.data(), head.size());
    Header header = Header::parse(path.string(), head, fileSize);
    fields_ = std::move(header.fields);
    fieldLookup_ = FieldLookup(fields_);
    recordLength_ = header.recordLength;
    headerLength_ = header.headerLength;

    // A crash between writing a record and updating the header leaves the
    // record complete in the file, its deletion flag first: count it, and on a
    // writable open put the header right. What follows the last such record
    // (the end-of-file byte, a partial record) is not a record.
    const std::uint64_t complete = (fileSize - headerLength_) / recordLength_;
    if (header.recordCount > complete)
        throw Error(path.string() + ": the header counts " + std::to_string(header.recordCount) +
                    " records but the file holds only " + std::to_string(complete));
    if (complete > kMaxRecords)
        throw Error(path.string() + ": the file holds " + std::to_string(complete) +
                    " records, more than a table can count (" + std::to_string(kMaxRecords) + ")");
    recordCount_ = header.recordCount;
    try {
        data_.resize(std::size_t(complete) * recordLength_);
    } catch (const std::bad_alloc&) {
        throw Error(path.string() + ": too large to load (" + std::to_string(fileSize >> 20) +
                    " MiB)");
    }
    if (!data_.empty())
        file.readAt(headerLength_, data_.data(), data_.size());
    std::uint32_t found = recordCount_;
    while (found < complete && (recordData(found + 1)[0] == ' ' || recordData(found + 1)[0] == '*'))
        ++found;
    data_.resize(std::size_t(found) * recordLength_);
    if (found > recordCount_) {
        repairedFrom_ = recordCount_;
        recordCount_ = found;
    }
    const std::uint64_t end = headerLength_ + std::uint64_t(recordCount_) * recordLength_;
    if (repairedFrom_ && access == Access::ReadWrite) {
        writeHeaderCount(recordCount_);
        const char eof = Header::kEndOfFile;
        file.writeAt(end, &eof, 1);
        file.truncate(end + 1);
        file.syncData();
    }
    buffer_.assign(recordLength_, ' ');
    first();
}

void Table::close()
{
    indexes_.clear();
    order_ = nullptr;
    orderName_.clear();
    data_.clear();
    file_.close();
}

int Table::fieldIndex(std::string_view name) const
{
    return fieldLookup_.find(fields_, name);
}

const FieldDef& Table::field(std::string_view name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw Error(path_.string() + ": no field named " + std::string(name));
    return fields_[i];
}

const FieldDef& Table::fieldAt(int position) const
{
    if (position < 1 || position > fieldCount())
        throw Error(path_.string() + ": no field at position " + std::to_string(position));
    return fields_[position - 1];
}

const char* Table::recordData(std::uint32_t recno) const
{
    return data_.data() + std::size_t(recno - 1) * recordLength_;
}

// --- Tags and order -------------------------------------------------------

void Table::addTag(const TagDef& tag)
{
    auto index = std::make_unique<Index>(tag, fields_);
    index->build(data_.data(), recordCount_, recordLength_);
    installIndex(std::move(index));
}

void Table::installIndex(std::unique_ptr<Index> index)
{
    const std::string name = index->tag().name;
    for (auto& existing : indexes_) {
        if (sameName(existing->tag().name, name)) {
            const bool wasOrder = existing.get() == order_;
            existing = std::move(index);
            if (wasOrder)
                order_ = existing.get();
            invalidateVisible();
            return;
        }
    }
    indexes_.push_back(std::move(index));
}

// A table's tags are independent of each other, so they are built side by
// side: opening a large master with three tags then takes about the time of
// its largest tag on a machine with more than one core.
void Table::setTags(const std::vector<TagDef>& tags)
{
    std::vector<std::unique_ptr<Index>> built;
    for (const auto& tag : tags)
        built.push_back(std::make_unique<Index>(tag, fields_)); // compile errors surface here
    std::vector<std::future<void>> pending;
    for (std::size_t i = 1; i < built.size(); ++i)
        pending.push_back(std::async(std::launch::async, [this, index = built[i].get()] {
            index->build(data_.data(), recordCount_, recordLength_);
        }));
    if (!built.empty())
        built.front()->build(data_.data(), recordCount_, recordLength_);
    for (auto& p : pending)
        p.get();
    for (auto& index : built)
        installIndex(std::move(index));
}

std::vector<std::string> Table::tagNames() const
{
    std::vector<std::string> names;
    for (const auto& index : indexes_)
        names.push_back(index->tag().name);
    return names;
}

Index* Table::findIndex(std::string_view tagName) const
{
    for (const auto& index : indexes_) {
        if (sameName(index->tag().name, tagName))
            return index.get();
    }
    return nullptr;
}

bool Table::hasTag(std::string_view name) const
{
    return findIndex(name) != nullptr;
}

void Table::setOrder(std::string_view tagName)
{
    if (tagName.empty()) {
        order_ = nullptr;
        orderName_.clear();
    } else {
        Index* found = findIndex(tagName);
        if (!found)
            throw Error(path_.string() + ": no tag named " + std::string(tagName));
        order_ = found;
        orderName_ = found->tag().name;
    }
    invalidateVisible();
}

std::string Table::currentKey() const
{
    if (!order_ || current_ == 0)
        return {};
    return cp437::toUtf8(order_->keyOf(current_));
}

// --- Cursor ---------------------------------------------------------------

bool Table::visible(std::uint32_t recno) const
{
    return !filter_ || filter_(record(recno));
}

std::uint32_t Table::orderSize() const
{
    return order_ ? order_->size() : recordCount_;
}

std::uint32_t Table::recnoAtOrder(std::uint32_t position) const
{
    return order_ ? order_->recnoAt(position) : position + 1;
}

// The cursor asks for its own position on every step, so the last position
// found is kept and checked before a search: it is right whenever the cursor
// moved by a step or the table did not change under it.
std::optional<std::uint32_t> Table::orderPosition(std::uint32_t recno) const
{
    if (recno == 0 || recno > recordCount_)
        return std::nullopt;
    if (!order_)
        return recno - 1;
    if (positionHint_ >= order_->size() || order_->recnoAt(positionHint_) != recno)
        positionHint_ = order_->positionOf(recno);
    return positionHint_;
}

void Table::setFilter(Filter filter)
{
    filter_ = std::move(filter);
    invalidateVisible();
}

const std::vector<std::uint32_t>& Table::visibleList() const
{
    if (!visibleValid_) {
        visible_.clear();
        const std::uint32_t n = orderSize();
        for (std::uint32_t p = 0; p < n; ++p) {
            const std::uint32_t r = recnoAtOrder(p);
            if (visible(r))
                visible_.push_back(r);
        }
        visibleValid_ = true;
    }
    return visible_;
}

std::uint32_t Table::visibleCount() const
{
    return filter_ ? static_cast<std::uint32_t>(visibleList().size()) : orderSize();
}

bool Table::goToVisible(std::uint32_t n)
{
    if (n >= visibleCount())
        return false;
    current_ = filter_ ? visibleList()[n] : recnoAtOrder(n);
    bof_ = eof_ = false;
    loadBuffer();
    return true;
}

std::vector<std::uint32_t> Table::visibleRecords() const
{
    if (filter_)
        return visibleList();
    std::vector<std::uint32_t> all(orderSize());
    for (std::uint32_t p = 0; p < all.size(); ++p)
        all[p] = recnoAtOrder(p);
    return all;
}

std::optional<std::uint32_t> Table::visiblePosition() const
{
    if (current_ == 0)
        return std::nullopt;
    if (!filter_)
        return orderPosition(current_);
    const auto& list = visibleList();
    const auto it = std::find(list.begin(), list.end(), current_);
    if (it == list.end())
        return std::nullopt;
    return static_cast<std::uint32_t>(it - list.begin());
}

void Table::loadBuffer()
{
    if (current_ == 0)
        buffer_.assign(recordLength_, ' ');
    else
        buffer_.assign(recordData(current_), recordData(current_) + recordLength_);
    bufferDirty_ = false;
}

void Table::leaveEditState()
{
    if (state_ != State::Browse)
        cancel();
}

// Moves from `position` (in the current order) in `direction` (+1 or -1)
// to the first visible record, `position` included. Returns 0 when none.
std::uint32_t Table::scan(std::int64_t position, int direction) const
{
    const auto size = static_cast<std::int64_t>(orderSize());
    for (; position >= 0 && position < size; position += direction) {
        const std::uint32_t r = recnoAtOrder(static_cast<std::uint32_t>(position));
        if (visible(r)) {
            positionHint_ = static_cast<std::uint32_t>(position);
            return r;
        }
    }
    return 0;
}

void Table::first()
{
    leaveEditState();
    current_ = scan(0, +1);
    bof_ = true;
    eof_ = current_ == 0;
    loadBuffer();
}

void Table::last()
{
    leaveEditState();
    current_ = scan(std::int64_t(orderSize()) - 1, -1);
    eof_ = true;
    bof_ = current_ == 0;
    loadBuffer();
}

// A walk in a tag's order reads records from all over memory: each step asks
// for the record the next step in the same direction will read.
void Table::prefetchNeighbour(int direction) const
{
    const std::int64_t position = std::int64_t(positionHint_) + direction;
    if (position >= 0 && position < std::int64_t(orderSize()))
        prefetch(recordData(recnoAtOrder(static_cast<std::uint32_t>(position))), recordLength_);
}

void Table::next()
{
    leaveEditState();
    const auto position = orderPosition(current_);
    const std::uint32_t found = position ? scan(std::int64_t(*position) + 1, +1) : 0;
    if (found == 0) {
        eof_ = true;
    } else {
        current_ = found;
        bof_ = eof_ = false;
        prefetchNeighbour(+1);
    }
    loadBuffer();
}

void Table::prior()
{
    leaveEditState();
    const auto position = orderPosition(current_);
    const std::uint32_t found = position ? scan(std::int64_t(*position) - 1, -1) : 0;
    if (found == 0) {
        bof_ = true;
    } else {
        current_ = found;
        bof_ = eof_ = false;
        prefetchNeighbour(-1);
    }
    loadBuffer();
}

void Table::skip(int count)
{
    for (; count > 0 && !eof_; --count)
        next();
    for (; count < 0 && !bof_; ++count)
        prior();
}

bool Table::go(std::uint32_t recno)
{
    if (recno == 0 || recno > recordCount_)
        return false;
    leaveEditState();
    current_ = recno;
    bof_ = eof_ = false;
    loadBuffer();
    return true;
}

bool Table::find(std::string_view key)
{
    if (!order_)
        throw Error(path_.string() + ": a find needs an order (a tag)");
    const auto bytes = cp437::fromUtf8(key);
    if (!bytes)
        return false;
    const auto position = order_->findPrefix(*bytes);
    if (!position)
        return false;
    for (std::uint32_t p = *position; p < order_->size(); ++p) {
        const std::uint32_t r = order_->recnoAt(p);
        if (order_->keyOf(r).substr(0, bytes->size()) != *bytes)
            return false;
        if (visible(r)) {
            leaveEditState();
            current_ = r;
            bof_ = eof_ = false;
            loadBuffer();
            return true;
        }
    }
    return false;
}

bool Table::seek(std::string_view key)
{
    if (!order_)
        throw Error(path_.string() + ": a seek needs an order (a tag)");
    auto bytes = cp437::fromUtf8(key);
    if (!bytes || bytes->size() > static_cast<std::size_t>(order_->keyLength()))
        return false;
    bytes->resize(order_->keyLength(), ' ');
    return find(cp437::toUtf8(*bytes));
}

// --- Reads without the cursor -------------------------------------------------

RecordView Table::record(std::uint32_t recno) const
{
    if (recno == 0 || recno > recordCount_)
        throw Error(path_.string() + ": no record " + std::to_string(recno));
    return RecordView(*this, recno, recordData(recno));
}

const Index& Table::requireIndex(std::string_view tagName) const
{
    const Index* index = findIndex(tagName);
    if (!index)
        throw Error(path_.string() + ": no tag named " + std::string(tagName));
    return *index;
}

std::optional<std::string> Table::keyBytes(const Index& index, std::string_view key,
                                           bool padded) const
{
    auto bytes = cp437::fromUtf8(key);
    if (!bytes || bytes->size() > static_cast<std::size_t>(index.keyLength()))
        return std::nullopt;
    if (padded)
        bytes->resize(index.keyLength(), ' ');
    return bytes;
}

std::optional<std::uint32_t> Table::findRecord(std::string_view tag, std::string_view key) const
{
    const Index& index = requireIndex(tag);
    const auto bytes = keyBytes(index, key, false);
    if (!bytes)
        return std::nullopt;
    const auto position = index.findPrefix(*bytes);
    if (!position)
        return std::nullopt;
    return index.recnoAt(*position);
}

std::optional<std::uint32_t> Table::seekRecord(std::string_view tag, std::string_view key) const
{
    const Index& index = requireIndex(tag);
    const auto bytes = keyBytes(index, key, true);
    if (!bytes)
        return std::nullopt;
    const auto position = index.findPrefix(*bytes);
    if (!position)
        return std::nullopt;
    return index.recnoAt(*position);
}

std::vector<std::uint32_t> Table::recordsWithKey(std::string_view tag, std::string_view key) const
{
    const Index& index = requireIndex(tag);
    std::vector<std::uint32_t> found;
    const auto bytes = keyBytes(index, key, false);
    if (!bytes)
        return found;
    const auto position = index.findPrefix(*bytes);
    if (!position)
        return found;
    for (std::uint32_t p = *position; p < index.size(); ++p) {
        const std::uint32_t r = index.recnoAt(p);
        if (index.keyOf(r).substr(0, bytes->size()) != *bytes)
            break;
        found.push_back(r);
    }
    return found;
}

std::vector<std::uint32_t> Table::recordsInOrder(std::string_view tag,
                                                 const RecordFilter& keep) const
{
    const Index* index = tag.empty() ? nullptr : &requireIndex(tag);
    std::vector<std::uint32_t> found;
    found.reserve(recordCount_);
    for (std::uint32_t p = 0; p < recordCount_; ++p) {
        const std::uint32_t r = index ? index->recnoAt(p) : p + 1;
        if (!keep || keep(RecordView(*this, r, recordData(r))))
            found.push_back(r);
    }
    return found;
}

// --- Field values of the record buffer -----------------------------------------

std::string Table::raw(std::string_view name) const
{
    return values::raw(buffer_.data(), field(name));
}

std::string Table::text(std::string_view name) const
{
    return values::text(buffer_.data(), field(name));
}

std::string Table::text(int position) const
{
    if (position == 0)
        return deleted() ? "*" : "";
    return values::text(buffer_.data(), fieldAt(position));
}

double Table::number(std::string_view name) const
{
    return values::number(buffer_.data(), field(name));
}

std::optional<Date> Table::date(std::string_view name) const
{
    return values::date(buffer_.data(), field(name));
}

bool Table::logical(std::string_view name) const
{
    return values::logical(buffer_.data(), field(name));
}

bool Table::logical(int position) const
{
    return values::logical(buffer_.data(), fieldAt(position));
}

bool Table::deleted() const
{
    return buffer_[0] == '*';
}

// --- Record views ----------------------------------------------------------------

std::string RecordView::text(std::string_view field) const
{
    return values::text(data_, table_->field(field));
}

std::string RecordView::text(int position) const
{
    if (position == 0)
        return deleted() ? "*" : "";
    return values::text(data_, table_->fieldAt(position));
}

std::string RecordView::raw(std::string_view field) const
{
    return values::raw(data_, table_->field(field));
}

double RecordView::number(std::string_view field) const
{
    return values::number(data_, table_->field(field));
}

std::optional<Date> RecordView::date(std::string_view field) const
{
    return values::date(data_, table_->field(field));
}

bool RecordView::logical(std::string_view field) const
{
    return values::logical(data_, table_->field(field));
}

bool RecordView::logical(int position) const
{
    return values::logical(data_, table_->fieldAt(position));
}

std::string_view RecordView::bytes() const
{
    return {data_, std::size_t(table_->recordLength())};
}

} // namespace dbf
