#include "DataGridModel.h"

#include "CellOrder.h"
#include "Formats.h"

#include <algorithm>
#include <type_traits>

DataGridModel::DataGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

int DataGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_announced;
}

int DataGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant DataGridModel::data(const QModelIndex &index, int role) const
{
    const int row = gridRow(index);
    if (row < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, index.column());
    case Qt::TextAlignmentRole:
        return int(alignmentOf(row, index.column()));
    default:
        return {};
    }
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        // The row header is only a slim handle for resizing rows.
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    }
    if (m_fixedRows == 0 || section < 0 || section >= m_cols)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell(0, section);
    case Qt::TextAlignmentRole:
        return int(alignmentOf(0, section));
    default:
        return {};
    }
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void DataGridModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_cols || dataRows() < 2)
        return;
    finishFill();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    const int count = dataRows();
    // The cells of rows kept in Latin-1 are widened into one text for the while of the sort,
    // and viewed there once it is whole.
    QString widened;
    std::vector<QStringView> cells(static_cast<size_t>(count));
    std::vector<std::pair<int, qsizetype>> widenedAt; // row, where its cell starts in widened
    for (int i = 0; i < count; ++i) {
        m_rows[size_t(m_fixedRows + i)].visitCell(column, [&](auto view) {
            if constexpr (std::is_same_v<decltype(view), QStringView>) {
                cells[size_t(i)] = view;
            } else {
                widenedAt.emplace_back(i, widened.size());
                widened += view;
            }
        });
    }
    for (size_t w = 0; w < widenedAt.size(); ++w) {
        const qsizetype end = w + 1 < widenedAt.size() ? widenedAt[w + 1].second : widened.size();
        cells[size_t(widenedAt[w].first)]
            = QStringView(widened).sliced(widenedAt[w].second, end - widenedAt[w].second);
    }
    const std::vector<int> permutation = CellOrder(cells).sorted(order);

    std::vector<GridRow> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newPosition(static_cast<size_t>(count));
    for (int f = 0; f < m_fixedRows; ++f)
        sorted.push_back(std::move(m_rows[size_t(f)]));
    for (int i = 0; i < count; ++i) {
        sorted.push_back(std::move(m_rows[size_t(m_fixedRows + permutation[i])]));
        newPosition[size_t(permutation[i])] = i;
    }
    m_rows = std::move(sorted);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &old : before)
        after << index(newPosition[size_t(old.row())], old.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void DataGridModel::setGridRows(int count)
{
    count = std::max(count, 0);
    if (count == 0)
        m_filling = false; // emptied, the grid holds nothing back
    if (count == gridRows())
        return;
    if (count > gridRows()) {
        m_rows.resize(size_t(count));
        rowsAdded();
        return;
    }
    const int fixed = std::min(m_fixedRows, count);
    const int keptData = count - fixed;
    const bool headerGoes = fixed != m_fixedRows;
    if (keptData < m_announced) {
        beginRemoveRows({}, keptData, m_announced - 1);
        m_rows.resize(size_t(count));
        m_fixedRows = fixed;
        m_announced = keptData;
        endRemoveRows();
    } else {
        m_rows.resize(size_t(count));
        m_fixedRows = fixed;
    }
    if (headerGoes && m_cols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
}

void DataGridModel::setGridCols(int count)
{
    count = std::max(count, 0);
    if (count == m_cols)
        return;
    if (count > m_cols) {
        beginInsertColumns({}, m_cols, count - 1);
        m_cols = count;
        m_columns.resize(size_t(count));
        endInsertColumns();
    } else {
        beginRemoveColumns({}, count, m_cols - 1);
        m_cols = count;
        m_columns.resize(size_t(count));
        for (GridRow &row : m_rows)
            row.truncate(count);
        endRemoveColumns();
    }
    m_fixedCols = std::min(m_fixedCols, m_cols);
}

void DataGridModel::setFixedRows(int count)
{
    count = std::clamp(count, 0, 1);
    if (count == m_fixedRows)
        return;
    if (count > gridRows())
        m_rows.resize(size_t(count));
    if (count == 1) {
        // Row 0 leaves the data rows and becomes the header.
        if (m_announced > 0) {
            beginRemoveRows({}, 0, 0);
            m_fixedRows = 1;
            --m_announced;
            endRemoveRows();
        } else {
            m_fixedRows = 1;
        }
    } else {
        beginInsertRows({}, 0, 0);
        m_fixedRows = 0;
        ++m_announced;
        endInsertRows();
    }
    if (m_cols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
}

void DataGridModel::setFixedCols(int count)
{
    count = std::clamp(count, 0, m_cols);
    if (count == m_fixedCols)
        return;
    const int changedTo = std::max(count, m_fixedCols);
    m_fixedCols = count;
    if (m_announced > 0)
        emit dataChanged(
            index(0, 0), index(m_announced - 1, changedTo - 1), { Qt::TextAlignmentRole });
}

void DataGridModel::appendRow(const QString &tabSeparated)
{
    m_rows.push_back(GridRow::fromTabSeparated(tabSeparated, m_cols));
    rowsAdded();
}

void DataGridModel::appendUtf8Row(const QByteArray &tabSeparated)
{
    m_rows.push_back(GridRow::fromUtf8TabSeparated(tabSeparated, m_cols));
    rowsAdded();
}

QString DataGridModel::cell(int row, int col) const
{
    if (row < 0 || row >= gridRows() || col < 0 || col >= m_cols)
        return {};
    return m_rows[size_t(row)].cell(col);
}

void DataGridModel::setCell(int row, int col, const QString &text)
{
    if (row < 0 || row >= gridRows() || col < 0 || col >= m_cols)
        return;
    m_rows[size_t(row)].setCell(col, text);
    if (row < m_fixedRows) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else if (row - m_fixedRows < m_announced) {
        const QModelIndex changed = index(row - m_fixedRows, col);
        emit dataChanged(changed, changed);
    }
}

QString DataGridModel::displayText(int row, int col) const
{
    const QString text = cell(row, col);
    if (row < m_fixedRows || col < 0 || col >= m_cols || m_columns[size_t(col)].format.isEmpty())
        return text;
    return formatText(text, m_columns[size_t(col)].format);
}

void DataGridModel::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols)
        return;
    m_columns[size_t(col)].alignment = alignment;
    columnChanged(col);
}

void DataGridModel::setFixedAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols)
        return;
    m_columns[size_t(col)].fixedAlignment = alignment;
    columnChanged(col);
}

void DataGridModel::setColFormat(int col, const QString &format)
{
    if (col < 0 || col >= m_cols)
        return;
    m_columns[size_t(col)].format = format;
    columnChanged(col);
}

QString DataGridModel::colFormat(int col) const
{
    return col >= 0 && col < m_cols ? m_columns[size_t(col)].format : QString();
}

int DataGridModel::gridRow(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_announced)
        return -1;
    return index.row() + m_fixedRows;
}

QModelIndex DataGridModel::indexOf(int row, int col) const
{
    const int viewRow = row - m_fixedRows;
    if (viewRow < 0 || viewRow >= m_announced || col < 0 || col >= m_cols)
        return {};
    return index(viewRow, col);
}

void DataGridModel::beginFill()
{
    m_filling = true;
}

void DataGridModel::finishFill()
{
    m_filling = false;
    announceRows();
}

void DataGridModel::announceRows()
{
    if (dataRows() <= m_announced)
        return;
    beginInsertRows({}, m_announced, dataRows() - 1);
    m_announced = dataRows();
    endInsertRows();
}

Qt::Alignment DataGridModel::alignmentOf(int row, int col) const
{
    const Column &column = m_columns[size_t(col)];
    const bool fixed = row < m_fixedRows || col < m_fixedCols;
    Qt::Alignment alignment = fixed ? column.fixedAlignment : column.alignment;
    // Unset is the general alignment: numbers to the right, anything else to the left.
    if (!(alignment & Qt::AlignHorizontal_Mask))
        alignment |= isNumericText(cell(row, col)) ? Qt::AlignRight : Qt::AlignLeft;
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    return alignment;
}

void DataGridModel::rowsAdded()
{
    if (!m_filling)
        announceRows();
}

void DataGridModel::columnChanged(int col)
{
    if (m_announced > 0)
        emit dataChanged(index(0, col), index(m_announced - 1, col));
    if (m_fixedRows > 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
}
