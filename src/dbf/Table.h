#pragma once

#include "BulkBuffer.h"
#include "Field.h"
#include "File.h"
#include "RecordView.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbf
{

class Index;
using Date = std::chrono::year_month_day;

// One open DBF table: its header and records, a cursor over them in the
// current order, the record buffer for edits, and the tags ordered in memory.
//
// Cursor semantics follow the data-aware tables of the desktop: moving past the
// last record sets eof() and stays on the last record; moving before the first
// sets bof() and stays on the first; first() sets bof() and last() sets eof().
// An empty table (or one whose filter hides everything) is bof() and eof() with
// recno() 0.
class Table
{
public:
    enum class Access { ReadWrite, ReadOnly };
    enum class State { Browse, Edit, Insert };

    // Creates a new, empty table file (an existing file is an error). It is
    // written under a temporary name and renamed into place, so no empty or
    // half-written file is ever left under the table's name.
    static void create(const std::filesystem::path& path, FieldList fields);

    // Opens a table exclusively: a second open of the same file, from this or
    // another process, fails with InUseError. ReadOnly takes a shared lock and
    // never writes. A header count smaller than the complete records present is
    // repaired on a ReadWrite open and reported by repairedFrom(). A damaged
    // file, one without fields and one holding more records than the header
    // can count are refused with an Error naming the file.
    static std::unique_ptr<Table> open(const std::filesystem::path& path,
                                       Access access = Access::ReadWrite);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    void close();
    const std::filesystem::path& path() const { return path_; }
    bool readOnly() const { return access_ == Access::ReadOnly; }
    // The record count the header held before a repair on open, when repaired.
    std::optional<std::uint32_t> repairedFrom() const { return repairedFrom_; }

    // Writes an empty table with this table's field list to `target`.
    void copyStructureTo(const std::filesystem::path& target) const;

    // Schema
    const FieldList& fields() const { return fields_; }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    int fieldIndex(std::string_view name) const; // -1 when unknown
    int recordLength() const { return recordLength_; }

    // Tags, built in memory from their expressions (see Index.cpp for why no
    // index file is written). Building replaces a tag of the same name.
    void addTag(const TagDef& tag);
    void setTags(const std::vector<TagDef>& tags);
    std::vector<std::string> tagNames() const;
    bool hasTag(std::string_view name) const;
    // Puts the table in the order of a tag ("" for record order). Throws for an
    // unknown tag. The cursor stays on its record.
    void setOrder(std::string_view tagName);
    const std::string& order() const { return orderName_; }
    // Key of the current record in the current order (code page 437 bytes as
    // UTF-8), empty in record order.
    std::string currentKey() const;

    // Partial-key find in the current order: the first entry whose key begins
    // with `key` (UTF-8). When none does, the cursor stays and false is returned.
    bool find(std::string_view key);
    // Exact find: the key, padded with blanks to the key length, must match.
    bool seek(std::string_view key);

    // --- Reads that touch no cursor, order, state or record buffer -------
    // Lookups, reports and listings read through these, so a window's current
    // record, its order and an edit in progress stay exactly as they were.
    using RecordFilter = std::function<bool(const RecordView&)>;
    // The record as stored (1-based); throws for a number out of range.
    RecordView record(std::uint32_t recno) const;
    // The first record, in the order of `tag`, whose key begins with `key`
    // (UTF-8); none when no key does. The table's filter does not apply.
    std::optional<std::uint32_t> findRecord(std::string_view tag, std::string_view key) const;
    // The same, for a key that equals `key` padded with blanks to the key length.
    std::optional<std::uint32_t> seekRecord(std::string_view tag, std::string_view key) const;
    // Every record whose key in `tag` begins with `key`, in the tag's order.
    std::vector<std::uint32_t> recordsWithKey(std::string_view tag, std::string_view key) const;
    // The record numbers in the order of `tag` ("" for record order) that
    // `keep` accepts (every one without it): a snapshot to walk.
    std::vector<std::uint32_t> recordsInOrder(std::string_view tag = {},
                                              const RecordFilter& keep = {}) const;

    // Filter: hides the records for which it returns false. Deleted records
    // stay visible unless the filter hides them.
    using Filter = RecordFilter;
    void setFilter(Filter filter);
    void clearFilter() { setFilter(nullptr); }
    bool hasFilter() const { return static_cast<bool>(filter_); }

    // Cursor
    void first();
    void last();
    void next();
    void prior();
    void skip(int count);
    // Goes to a physical record number (1-based); false when out of range.
    bool go(std::uint32_t recno);
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const { return current_ == 0; }
    std::uint32_t recordCount() const { return recordCount_; } // physical, deleted included
    std::uint32_t recno() const { return current_; }
    // Records visible in the current order and filter, and the n-th of them
    // (0-based); grids use these. goToVisible returns false when out of range.
    std::uint32_t visibleCount() const;
    bool goToVisible(std::uint32_t n);
    // The 0-based position of the current record among the visible ones.
    std::optional<std::uint32_t> visiblePosition() const;
    // The record numbers visible in the current order and filter, read
    // without moving the cursor: what a grid shows.
    std::vector<std::uint32_t> visibleRecords() const;

    // Field values of the record buffer (the current record, or the record
    // being edited or inserted). Text is UTF-8 with trailing blanks removed.
    std::string text(std::string_view field) const;
    std::string text(int position) const;          // 1-based; 0 reads the deletion flag
    std::string raw(std::string_view field) const; // stored bytes as UTF-8, untrimmed
    double number(std::string_view field) const;   // blank reads as 0
    std::optional<Date> date(std::string_view field) const;
    bool logical(std::string_view field) const;
    bool logical(int position) const;
    bool deleted() const;

    // Setters change the record buffer. In Edit and Insert state post() saves
    // it; in Browse state the buffer is written only by writeRecord() or
    // appendRecord(), and a cursor move discards it.
    void setText(std::string_view field,
                 std::string_view utf8);                  // text longer than the field is cut
    void setNumber(std::string_view field, double value); // too wide is an error naming the field
    void setDate(std::string_view field, std::optional<Date> value);
    void setLogical(std::string_view field, bool value);
    void setLogical(int position, bool value);
    void blankBuffer();

    // Data-aware editing
    State state() const { return state_; }
    void edit();
    void append(); // starts an insert: nothing reaches the file until post()
    void post();   // writes and flushes to disk (fdatasync)
    void cancel();
    using PostHook = std::function<void(Table&)>;
    void setBeforePost(PostHook hook) { beforePost_ = std::move(hook); }

    // Every write below that fails throws an Error naming the file and leaves
    // the table as before it: the file as far as the disk allows, and the
    // records, count, tags, state and buffer exactly. A failed post stays in
    // Edit or Insert, so it can be tried again.
    //
    // Direct writes of the record buffer: no post hooks, no flush.
    void appendRecord(); // appends the buffer as a new record and goes there
    void writeRecord();  // rewrites the current record in place
    // Many new records in one write: queueRecord() sets the buffer aside as a
    // record to add, appendQueued() writes every queued record at once (then
    // flushes, and goes to the last of them) and returns how many. A failed
    // write adds none of them; they stay queued for another try.
    void queueRecord();
    std::uint32_t appendQueued();

    // Deletion marks of the current record (written at once, no flush).
    void setDeleted(bool deleted);
    void toggleDeleted();

    // Whole-table operations. Pack and zap write a new file and rename it over
    // the old one, so a crash in the middle loses nothing.
    void pack();
    void zap();
    // Appends every record of another DBF file, matching fields by name, all
    // of them or none. Returns the number of records appended.
    std::uint32_t appendFrom(const std::filesystem::path& source);
    void flush();

private:
    friend class RecordView;
    Table();
    void load(const std::filesystem::path& path, Access access);
    const FieldDef& field(std::string_view name) const;
    const FieldDef& fieldAt(int position) const;
    const char* recordData(std::uint32_t recno) const;
    void requireWritable(const char* what) const;
    void loadBuffer();
    // Writes to the file. Each one that fails puts back what it had written
    // (as far as the disk lets it) and throws; none of them touches memory.
    void writeHeaderCount(std::uint32_t count);
    void writeRecordToFile(std::uint32_t recno, const char* record, bool flush);
    void appendToFile(const char* records, std::uint32_t count, bool flush);
    // Takes a write into memory, records and tags, once the file holds it.
    // The room is reserved before the file is written, so these cannot fail.
    void reserveForAppend(std::uint32_t count);
    void commitRecord(std::uint32_t recno, const char* record);
    std::uint32_t commitAppended(const char* records, std::uint32_t count);
    void rewriteFile(const std::vector<std::uint32_t>& keep);
    bool visible(std::uint32_t recno) const;
    std::uint32_t orderSize() const;
    std::uint32_t recnoAtOrder(std::uint32_t position) const;
    std::optional<std::uint32_t> orderPosition(std::uint32_t recno) const;
    std::uint32_t scan(std::int64_t position, int direction) const;
    void prefetchNeighbour(int direction) const;
    void leaveEditState();
    Index* findIndex(std::string_view tagName) const;
    const Index& requireIndex(std::string_view tagName) const;
    std::optional<std::string> keyBytes(const Index& index, std::string_view key,
                                        bool padded) const;
    void installIndex(std::unique_ptr<Index> index);
    void invalidateVisible() { visibleValid_ = false; }
    const std::vector<std::uint32_t>& visibleList() const;

    std::filesystem::path path_;
    Access access_ = Access::ReadWrite;
    File file_;
    FieldList fields_;
    FieldLookup fieldLookup_;
    int recordLength_ = 0;
    int headerLength_ = 0;
    std::uint32_t recordCount_ = 0;
    std::optional<std::uint32_t> repairedFrom_;
    BulkBuffer data_; // every record, in record order
    std::vector<char> buffer_;
    bool bufferDirty_ = false;
    std::uint32_t current_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    State state_ = State::Browse;
    std::vector<std::unique_ptr<Index>> indexes_;
    Index* order_ = nullptr;
    std::string orderName_;
    Filter filter_;
    mutable std::uint32_t positionHint_ = 0; // see orderPosition()
    mutable std::vector<std::uint32_t> visible_;
    mutable bool visibleValid_ = false;
    PostHook beforePost_;
    std::vector<char> queued_; // records set aside by queueRecord()
};

// Date helpers shared by the engine and its callers.
std::string dateToDtos(std::optional<Date> date); // YYYYMMDD, or 8 blanks
std::optional<Date> dateFromDtos(std::string_view text);

} // namespace dbf
