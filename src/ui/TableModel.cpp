#include "TableModel.h"

#include "dbf/Error.h"

#include <QBrush>
#include <QColor>
#include <QDate>

namespace
{

const QString kDateFormat = QStringLiteral("MM/dd/yyyy");

QString dateText(const std::optional<dbf::Date>& date)
{
    if (!date)
        return {};
    return QDate(int(date->year()), unsigned(date->month()), unsigned(date->day()))
        .toString(kDateFormat);
}

std::optional<dbf::Date> toDbfDate(const QDate& date)
{
    return dbf::Date{std::chrono::year(date.year()), std::chrono::month(unsigned(date.month())),
                     std::chrono::day(unsigned(date.day()))};
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
    const std::string name = field.toStdString();
    const int position = table.fieldIndex(name);
    if (position < 0)
        return {};
    switch (table.fields().at(position).type) {
    case dbf::FieldType::Date:
        return dateText(table.date(name));
    case dbf::FieldType::Logical:
        return table.logical(name) ? QStringLiteral("T") : QStringLiteral("F");
    case dbf::FieldType::Numeric:
        return QString::fromStdString(table.text(name)).trimmed();
    case dbf::FieldType::Character:
        break;
    }
    return QString::fromStdString(table.text(name));
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
        const QDate date = QDate::fromString(typed, kDateFormat);
        if (!typed.isEmpty() && !date.isValid())
            return false;
        table.setDate(name, typed.isEmpty() ? std::nullopt : toDbfDate(date));
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

TableModel::Row TableModel::readCurrent() const
{
    Row row;
    row.recno = table_.state() == dbf::Table::State::Insert ? 0 : table_.recno();
    row.deleted = table_.deleted();
    for (int c = 0; c < fields_.size(); ++c)
        row.cells << fieldText(table_, fields_.at(c));
    return row;
}

void TableModel::rebuildIndex()
{
    rowOfRecno_.clear();
    for (int r = 0; r < rows_.size(); ++r)
        rowOfRecno_.insert(rows_.at(r).recno, r);
}

void TableModel::refresh()
{
    if (table_.state() != dbf::Table::State::Browse) {
        const bool inserting = table_.state() == dbf::Table::State::Insert;
        if (inserting && !insertShown_) {
            beginInsertRows({}, int(rows_.size()), int(rows_.size()));
            insertRow_ = readCurrent();
            insertShown_ = true;
            endInsertRows();
            return;
        }
        const int row = currentRow();
        if (row < 0)
            return;
        if (inserting)
            insertRow_ = readCurrent();
        else
            rows_[row] = readCurrent();
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }

    beginResetModel();
    rows_.clear();
    insertRow_ = {};
    insertShown_ = false;
    const std::uint32_t saved = table_.recno();
    const std::uint32_t count = table_.visibleCount();
    rows_.reserve(int(count));
    for (std::uint32_t n = 0; n < count; ++n) {
        if (table_.goToVisible(n))
            rows_.push_back(readCurrent());
    }
    if (saved != 0)
        table_.go(saved);
    else
        table_.first();
    rebuildIndex();
    endResetModel();
}

int TableModel::rowOfRecord(std::uint32_t recno) const
{
    return rowOfRecno_.value(recno, -1);
}

std::uint32_t TableModel::recordOfRow(int row) const
{
    return row >= 0 && row < rows_.size() ? rows_.at(row).recno : 0;
}

int TableModel::currentRow() const
{
    if (table_.state() == dbf::Table::State::Insert)
        return insertShown_ ? int(rows_.size()) : -1;
    return table_.isEmpty() ? -1 : rowOfRecord(table_.recno());
}

const TableModel::Row* TableModel::rowAt(int row) const
{
    if (row >= 0 && row < rows_.size())
        return &rows_.at(row);
    return row == rows_.size() && insertShown_ ? &insertRow_ : nullptr;
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
    const Row* row = rowAt(index.row());
    if (!row || index.column() < 0 || index.column() >= fields_.size())
        return {};
    // The row being edited shows what has been typed so far.
    const bool live = table_.state() != dbf::Table::State::Browse && index.row() == currentRow();
    const QString text =
        live ? fieldText(table_, fields_.at(index.column())) : row->cells.at(index.column());
    const bool deleted = live ? table_.deleted() : row->deleted;

    switch (role) {
    case Qt::DisplayRole:
        return isLogical(index.column()) ? QVariant() : QVariant(text);
    case Qt::EditRole:
        return text;
    case Qt::CheckStateRole:
        if (isLogical(index.column()))
            return text == QStringLiteral("T") ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        return deleted ? QVariant(QBrush(Qt::red)) : QVariant();
    case DeletedRole:
        return deleted;
    case RecordRole:
        return uint(row->recno);
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
    const Row* row = rowAt(index.row());
    if (!editable_ || !row || index.column() < 0 || index.column() >= fields_.size())
        return false;
    const bool logical = isLogical(index.column());
    if (logical ? role != Qt::CheckStateRole : role != Qt::EditRole)
        return false;

    // Only the table's current record can be edited: a move would cancel it.
    if (table_.state() == dbf::Table::State::Browse) {
        if (row->recno == 0 || !table_.go(row->recno))
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
