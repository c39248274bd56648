#include "TableModel.h"

#include "storage/RecordValues.h"

#include "dbf/Error.h"

#include <QBrush>
#include <QColor>
#include <QDate>

namespace
{

// Texts longer than this many characters get a tool tip.
constexpr qsizetype kLongText = 24;

// The shown text of a field, read through `values` (a record buffer or a
// stored record: both have the same getters).
template <typename Values>
QString shownText(const dbf::Table& table, const Values& values, const QString& field)
{
    const std::string name = field.toStdString();
    const int position = table.fieldIndex(name);
    if (position < 0)
        return {};
    switch (table.fields().at(position).type) {
    case dbf::FieldType::Date:
        return RecordValues::dateText(values.date(name));
    case dbf::FieldType::Logical:
        return values.logical(name) ? QStringLiteral("T") : QStringLiteral("F");
    case dbf::FieldType::Numeric:
        return RecordValues::text(values, name).trimmed();
    case dbf::FieldType::Character:
        break;
    }
    return RecordValues::text(values, name);
}

} // namespace

TableModel::TableModel(dbf::Table& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table)
{
    QStringList all;
    for (const dbf::FieldDef& field : table_.fields())
        all << QString::fromStdString(field.name);
    setColumns(all);
}

void TableModel::setColumns(const QStringList& fieldNames)
{
    beginResetModel();
    fields_ = fieldNames;
    headers_.clear();
    for (const QString& name : fieldNames)
        headers_ << name.toUpper();
    endResetModel();
    refresh();
}

void TableModel::setHeader(int column, const QString& text)
{
    if (column < 0 || column >= headers_.size())
        return;
    headers_[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void TableModel::setEditable(bool editable)
{
    editable_ = editable;
}

bool TableModel::isLogical(int column) const
{
    const int position = table_.fieldIndex(fields_.at(column).toStdString());
    return position >= 0 && table_.fields().at(position).type == dbf::FieldType::Logical;
}

QString TableModel::fieldText(const dbf::Table& table, const QString& field)
{
    return shownText(table, table, field);
}

QString TableModel::fieldText(const dbf::Table& table, const dbf::RecordView& record,
                              const QString& field)
{
    return shownText(table, record, field);
}

bool TableModel::writeField(dbf::Table& table, const QString& field, const QVariant& value)
{
    const std::string name = field.toStdString();
    const int position = table.fieldIndex(name);
    if (position < 0)
        return false;
    const QString typed = value.toString().trimmed();
    switch (table.fields().at(position).type) {
    case dbf::FieldType::Logical:
        table.setLogical(name, value.typeId() == QMetaType::Bool
                                   ? value.toBool()
                                   : value.toInt() == Qt::Checked || typed == QStringLiteral("T"));
        return true;
    case dbf::FieldType::Date: {
        const QDate date = RecordValues::fromDateText(typed);
        if (!typed.isEmpty() && !date.isValid())
            return false;
        table.setDate(name, RecordValues::toDate(date));
        return true;
    }
    case dbf::FieldType::Numeric: {
        bool ok = false;
        const double number = typed.isEmpty() ? 0.0 : typed.toDouble(&ok);
        if (!typed.isEmpty() && !ok)
            return false;
        try {
            table.setNumber(name, number);
        } catch (const dbf::Error&) {
            // Too wide for the field: the caller keeps the old value.
            return false;
        }
        return true;
    }
    case dbf::FieldType::Character:
        break;
    }
    table.setText(name, value.toString().toStdString());
    return true;
}

void TableModel::rebuildIndex()
{
    rowOfRecno_.clear();
    rowOfRecno_.reserve(qsizetype(rows_.size()));
    for (std::size_t r = 0; r < rows_.size(); ++r)
        rowOfRecno_.insert(rows_[r], int(r));
}

void TableModel::refresh()
{
    if (table_.state() != dbf::Table::State::Browse) {
        const bool inserting = table_.state() == dbf::Table::State::Insert;
        if (inserting && !insertShown_) {
            beginInsertRows({}, int(rows_.size()), int(rows_.size()));
            insertShown_ = true;
            endInsertRows();
            return;
        }
        const int row = currentRow();
        if (row >= 0)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }

    beginResetModel();
    insertShown_ = false;
    rows_ = table_.visibleRecords();
    rebuildIndex();
    endResetModel();
}

int TableModel::rowOfRecord(std::uint32_t recno) const
{
    return rowOfRecno_.value(recno, -1);
}

std::uint32_t TableModel::recordOfRow(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[row] : 0;
}

int TableModel::currentRow() const
{
    if (table_.state() == dbf::Table::State::Insert)
        return insertShown_ ? int(rows_.size()) : -1;
    return table_.isEmpty() ? -1 : rowOfRecord(table_.recno());
}

bool TableModel::validRow(int row) const
{
    return row >= 0 && (row < int(rows_.size()) || (row == int(rows_.size()) && insertShown_));
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    // The inserted row stays counted until refresh() after the post or cancel,
    // so the grid hears of it going.
    return int(rows_.size()) + (insertShown_ ? 1 : 0);
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(fields_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (!validRow(index.row()) || index.column() < 0 || index.column() >= fields_.size())
        return {};
    // The row being edited shows what has been typed so far.
    const bool live = table_.state() != dbf::Table::State::Browse && index.row() == currentRow();
    const std::uint32_t recno = recordOfRow(index.row());
    // A row the table no longer holds (a pack before the next refresh) shows nothing.
    if (!live && (recno == 0 || recno > table_.recordCount()))
        return {};
    const QString& field = fields_.at(index.column());
    const QString text =
        live ? fieldText(table_, field) : fieldText(table_, table_.record(recno), field);
    const bool deleted = live ? table_.deleted() : table_.record(recno).deleted();

    switch (role) {
    case Qt::DisplayRole:
        return isLogical(index.column()) ? QVariant() : QVariant(text);
    case Qt::EditRole:
        return text;
    case Qt::ToolTipRole:
        // A long text may be cut at the column's edge: the tip shows it whole.
        return text.size() > kLongText ? QVariant(text) : QVariant();
    case Qt::CheckStateRole:
        if (isLogical(index.column()))
            return text == QStringLiteral("T") ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        return deleted ? QVariant(QBrush(Qt::red)) : QVariant();
    case DeletedRole:
        return deleted;
    case RecordRole:
        return uint(recno);
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < headers_.size() ? QVariant(headers_.at(section))
                                                         : QVariant();
    return {};
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!editable_ || !index.isValid() || table_.readOnly())
        return flags;
    return flags | (isLogical(index.column()) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!editable_ || !validRow(index.row()) || index.column() < 0 ||
        index.column() >= fields_.size())
        return false;
    const bool logical = isLogical(index.column());
    if (logical ? role != Qt::CheckStateRole : role != Qt::EditRole)
        return false;

    // Only the table's current record can be edited: a move would cancel it.
    if (table_.state() == dbf::Table::State::Browse) {
        const std::uint32_t recno = recordOfRow(index.row());
        if (recno == 0 || !table_.go(recno))
            return false;
        table_.edit();
        emit editingStarted();
    } else if (index.row() != currentRow()) {
        return false;
    }

    if (!writeField(table_, fields_.at(index.column()), value))
        return false;
    emit dataChanged(index, index);
    return true;
}
