#pragma once

#include "dbf/Table.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <vector>

// The one model between a table of the engine and every grid of the program.
//
// Rows are the records visible in the table's current order and filter; the
// columns are the chosen fields. The grid must never move the table's cursor:
// the window's current record is the cursor, and a move while a record is
// being edited would throw the edit away. So refresh() takes the record
// numbers of the visible rows, data() reads each shown row as stored (a
// hundred thousand dogs cost nothing until they scroll into view), and the row
// being edited or inserted is served from the table's record buffer.
//
// Editing through the grid follows the data-aware grids the secretary knows:
// typing into a cell starts editing that record (the grid's row must be the
// table's current record) and writes the record buffer; nothing reaches the
// file until the window posts, which it does on Save or when the grid leaves
// the row. While a record is inserted, the grid shows it as an extra last row.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // True for a record carrying the deletion mark.
    static constexpr int DeletedRole = Qt::UserRole + 1;
    // The physical record number of the row (0 for the row being inserted).
    static constexpr int RecordRole = Qt::UserRole + 2;

    explicit TableModel(dbf::Table& table, QObject* parent = nullptr);

    dbf::Table& table() const { return table_; }

    // The fields shown, in this order; by default every field in table order.
    // Headers default to the field name in capitals.
    void setColumns(const QStringList& fieldNames);
    QStringList columns() const { return fields_; }
    void setHeader(int column, const QString& text);
    // Cells take typed values only when the grid edits; off by default.
    void setEditable(bool editable);
    bool editable() const { return editable_; }

    // Reads the table again; call it after anything that changed records,
    // the order or the filter. While the table edits or inserts, only the
    // current row is brought up to date, since the cursor must not move.
    void refresh();

    // -1 when the record is not visible.
    int rowOfRecord(std::uint32_t recno) const;
    // 0 for a row out of range and for the row being inserted.
    std::uint32_t recordOfRow(int row) const;
    // The grid row of the table's current record (the inserted row while
    // inserting), or -1.
    int currentRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // A field's value as grids and edit boxes show it: text as stored less
    // trailing blanks, numbers trimmed, dates MM/DD/YYYY, logicals T or F;
    // from the record buffer, or from a stored record.
    static QString fieldText(const dbf::Table& table, const QString& field);
    static QString fieldText(const dbf::Table& table, const dbf::RecordView& record,
                             const QString& field);
    // Writes a shown value back into the record buffer; false when the text
    // does not read as the field's type (the buffer is then unchanged).
    static bool writeField(dbf::Table& table, const QString& field, const QVariant& value);

signals:
    // The table entered Edit state through a cell; windows flip their buttons.
    void editingStarted();

private:
    bool isLogical(int column) const;
    bool validRow(int row) const;
    void rebuildIndex();

    dbf::Table& table_;
    QStringList fields_;
    QStringList headers_;
    std::vector<std::uint32_t> rows_; // record numbers of the visible rows
    QHash<std::uint32_t, int> rowOfRecno_;
    bool insertShown_ = false;
    bool editable_ = false;
};
