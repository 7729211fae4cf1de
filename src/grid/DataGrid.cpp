#include "DataGrid.h"

#include "DataGridModel.h"
#include "FrozenColumns.h"
#include "GridFit.h"
#include "HeaderClicks.h"
#include "MouseTracker.h"
#include "TypeAheadBuffer.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

// The row header only offers the handles for resizing rows.
constexpr int RowHandleWidth = 10;
// Rows are as tall as their text plus this, as in the dialogs the windows were designed with;
// the view's own default is a fixed 30 pixels, which would show half the rows designed.
constexpr int RowMargin = 3;

} // namespace

struct DataGrid::State
{
    FrozenColumns *frozen = nullptr;
    MouseTracker *tracker = nullptr;
    TypeAheadBuffer typeAhead;
    AutoSizeMode autoSizeMode = SizeColumns;
    int row = -1;
    int col = -1;
    int mouseRow = -1;
    int mouseCol = -1;
    int sortCol = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    bool sortOnClick = false;
    bool typeAheadOn = false;
    bool restructuring = false;
};

DataGrid::DataGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(std::make_unique<DataGridModel>())
    , d(std::make_unique<State>())
{
    setModel(m_model.get());
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The fixed columns lie over the left edge of the cells; only pixel scrolling keeps the
    // scrolling columns lined up beside them.
    setHorizontalScrollMode(ScrollPerPixel);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    keepHeaderClicksFromSelecting(this);

    d->frozen = new FrozenColumns(this);
    fitRowsToFont();
    setUserResize(false, false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) {
            if (d->restructuring)
                return;
            const int row = m_model->gridRow(current);
            moveCurrentTo(row, row < 0 ? -1 : current.column());
        });
    QTableView *frozen = d->frozen->view();
    for (QHeaderView *header : { horizontalHeader(), frozen->horizontalHeader() })
        connect(header, &QHeaderView::sectionClicked, this, &DataGrid::headerClicked);

    auto *tracker = d->tracker = new MouseTracker(
        [this](QWidget *source, QPoint pos, QEvent::Type type) { trackMouse(source, pos, type); },
        this);
    for (QWidget *part : { viewport(), frozen->viewport(), horizontalHeader()->viewport(),
             frozen->horizontalHeader()->viewport(), verticalHeader()->viewport() })
        tracker->watch(part);
}

DataGrid::~DataGrid()
{
    // These act on the grid's state, which goes before the base class tears the widget down.
    delete d->tracker;
    delete d->frozen;
}

int DataGrid::rows() const
{
    return m_model->gridRows();
}

void DataGrid::setRows(int count)
{
    restructure([&] { m_model->setGridRows(count); });
    if (rows() == 0) {
        // New content starts at its first column and top row, and the next header click
        // sorts it ascending again.
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
        d->sortCol = -1;
        d->typeAhead.clear();
        for (QHeaderView *header : { horizontalHeader(), d->frozen->view()->horizontalHeader() })
            header->setSortIndicator(-1, Qt::AscendingOrder);
    }
}

int DataGrid::cols() const
{
    return m_model->gridCols();
}

void DataGrid::setCols(int count)
{
    restructure([&] { m_model->setGridCols(count); });
    if (d->sortCol >= cols())
        d->sortCol = -1;
    d->frozen->setCount(m_model->fixedCols());
    d->frozen->sync();
}

int DataGrid::fixedRows() const
{
    return m_model->fixedRows();
}

void DataGrid::setFixedRows(int count)
{
    restructure([&] { m_model->setFixedRows(count); });
}

int DataGrid::fixedCols() const
{
    return m_model->fixedCols();
}

void DataGrid::setFixedCols(int count)
{
    if (count > cols())
        setCols(count);
    m_model->setFixedCols(count);
    d->frozen->setCount(m_model->fixedCols());
}

void DataGrid::addItem(const QString &tabSeparated)
{
    m_model->appendRow(tabSeparated);
}

void DataGrid::addUtf8Item(const QByteArray &tabSeparated)
{
    m_model->appendUtf8Row(tabSeparated);
}

void DataGrid::beginFill()
{
    m_model->beginFill();
}

QString DataGrid::textMatrix(int row, int col) const
{
    return m_model->cell(row, col);
}

void DataGrid::setTextMatrix(int row, int col, const QString &text)
{
    m_model->setCell(row, col, text);
}

QString DataGrid::displayText(int row, int col) const
{
    return m_model->displayText(row, col);
}

void DataGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    m_model->setColAlignment(col, alignment);
}

void DataGrid::setFixedAlignment(int col, Qt::Alignment alignment)
{
    m_model->setFixedAlignment(col, alignment);
}

void DataGrid::setColFormat(int col, const QString &format)
{
    m_model->setColFormat(col, format);
}

void DataGrid::setAutoSizeMode(AutoSizeMode mode)
{
    d->autoSizeMode = mode;
}

void DataGrid::autoSize(int firstCol, int lastCol)
{
    firstCol = std::max(firstCol, 0);
    lastCol = std::min(lastCol, cols() - 1);
    if (firstCol > lastCol)
        return;
    GridFit fit(*this, *m_model);
    if (d->autoSizeMode == SizeColumns) {
        fit.columns(firstCol, lastCol, d->sortOnClick);
    } else {
        m_model->finishFill();
        fit.rows(firstCol, lastCol);
    }
}

int DataGrid::row() const
{
    return d->row;
}

int DataGrid::col() const
{
    return d->col;
}

void DataGrid::setCurrentCell(int row, int col)
{
    m_model->finishFill();
    const QModelIndex index = m_model->indexOf(row, col);
    if (!index.isValid()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

int DataGrid::mouseRow() const
{
    return d->mouseRow;
}

int DataGrid::mouseCol() const
{
    return d->mouseCol;
}

void DataGrid::setSortOnHeaderClick(bool on)
{
    d->sortOnClick = on;
    for (QHeaderView *header : { horizontalHeader(), d->frozen->view()->horizontalHeader() })
        header->setSortIndicatorShown(on);
}

void DataGrid::setTypeAhead(bool on)
{
    d->typeAheadOn = on;
    d->typeAhead.clear();
}

void DataGrid::setUserResize(bool columns, bool rows)
{
    const auto mode = [](bool on) { return on ? QHeaderView::Interactive : QHeaderView::Fixed; };
    horizontalHeader()->setSectionResizeMode(mode(columns));
    d->frozen->view()->horizontalHeader()->setSectionResizeMode(mode(columns));
    verticalHeader()->setSectionResizeMode(mode(rows));
    // Rows are resized by their header's handles, so the header shows only when they may be.
    verticalHeader()->setFixedWidth(RowHandleWidth);
    verticalHeader()->setVisible(rows);
    d->frozen->sync();
}

void DataGrid::setTypeAheadClock(std::function<qint64()> msecs)
{
    d->typeAhead.setClock(std::move(msecs));
}

void DataGrid::refresh()
{
    m_model->finishFill();
    viewport()->update();
    horizontalHeader()->viewport()->update();
    d->frozen->view()->viewport()->update();
    d->frozen->view()->horizontalHeader()->viewport()->update();
}

void DataGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const int fixed = fixedCols();
    if (fixed == 0 || !index.isValid()) {
        QTableView::scrollTo(index, hint);
        return;
    }
    QScrollBar *sideways = horizontalScrollBar();
    const int before = sideways->value();
    QTableView::scrollTo(index, hint);
    if (index.column() < fixed) {
        // A fixed column is always in view; only the rows need to scroll.
        sideways->setValue(before);
        return;
    }
    const int covered = d->frozen->width() - columnViewportPosition(index.column());
    if (covered > 0)
        sideways->setValue(sideways->value() - covered);
}

void DataGrid::focusInEvent(QFocusEvent *event)
{
    // The view makes its first row current when it gets the focus without a current cell. A
    // user tabbing into the grid moves there; the focus coming back because the window came to
    // the front again is no move of the user's and leaves the grid as it was.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        QTableView::focusInEvent(event);
        return;
    }
    QFocusEvent unmoved(event->type(), Qt::MouseFocusReason);
    QTableView::focusInEvent(&unmoved);
}

void DataGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowsToFont();
}

void DataGrid::fitRowsToFont()
{
    const int textHeight = fontMetrics().height();
    for (QHeaderView *rows : { verticalHeader(), d->frozen->view()->verticalHeader() }) {
        // The minimum first: the default is kept within it.
        rows->setMinimumSectionSize(textHeight);
        rows->setDefaultSectionSize(textHeight + RowMargin);
    }
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!printable) {
        QTableView::keyPressEvent(event);
        return;
    }
    // Typed characters never search when type-ahead is off, and nothing is ever edited.
    if (!d->typeAheadOn) {
        event->ignore();
        return;
    }
    typeAhead(d->typeAhead.add(text));
    event->accept();
}

void DataGrid::restructure(const std::function<void()> &change, bool followRecord)
{
    d->restructuring = true;
    change();
    int row = -1;
    int col = -1;
    if (followRecord) {
        const QModelIndex current = selectionModel()->currentIndex();
        row = m_model->gridRow(current);
        col = row < 0 ? -1 : current.column();
    } else if (d->row >= fixedRows() && d->row < rows() && d->col >= 0 && d->col < cols()) {
        row = d->row;
        col = d->col;
    }
    if (row >= 0) {
        const QModelIndex index = m_model->indexOf(row, col);
        if (selectionModel()->currentIndex() != index)
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else if (selectionModel()->currentIndex().isValid() || selectionModel()->hasSelection()) {
        selectionModel()->clear();
    }
    d->restructuring = false;
    syncHeaders();
    moveCurrentTo(row, col);
}

void DataGrid::moveCurrentTo(int row, int col)
{
    if (row == d->row && col == d->col)
        return;
    const int oldRow = d->row;
    const int oldCol = d->col;
    d->row = row;
    d->col = col;
    emit rowColChanged(oldRow, oldCol, row, col);
}

void DataGrid::syncHeaders()
{
    horizontalHeader()->setVisible(fixedRows() > 0);
    d->frozen->sync();
}

void DataGrid::trackMouse(QWidget *source, QPoint pos, QEvent::Type type)
{
    QTableView *frozen = d->frozen->view();
    int row = -1;
    int col = -1;
    auto cellOf = [&](QTableView *view) {
        const int viewRow = view->rowAt(pos.y());
        row = viewRow < 0 ? -1 : viewRow + fixedRows();
        col = view->columnAt(pos.x());
    };
    if (source == viewport()) {
        cellOf(this);
    } else if (source == frozen->viewport()) {
        cellOf(frozen);
    } else if (source == horizontalHeader()->viewport()) {
        row = fixedRows() > 0 ? 0 : -1;
        col = horizontalHeader()->logicalIndexAt(pos.x());
    } else if (source == frozen->horizontalHeader()->viewport()) {
        row = fixedRows() > 0 ? 0 : -1;
        col = frozen->horizontalHeader()->logicalIndexAt(pos.x());
    } else if (source == verticalHeader()->viewport()) {
        const int viewRow = verticalHeader()->logicalIndexAt(pos.y());
        row = viewRow < 0 ? -1 : viewRow + fixedRows();
    }
    d->mouseRow = row;
    d->mouseCol = col;
    if (type == QEvent::MouseButtonDblClick)
        emit dblClick();
}

void DataGrid::headerClicked(int col)
{
    if (!d->sortOnClick || fixedRows() == 0)
        return;
    const bool again = col == d->sortCol && d->sortOrder == Qt::AscendingOrder;
    d->sortCol = col;
    d->sortOrder = again ? Qt::DescendingOrder : Qt::AscendingOrder;
    restructure([&] { m_model->sort(col, d->sortOrder); }, true);
    for (QHeaderView *header : { horizontalHeader(), d->frozen->view()->horizontalHeader() })
        header->setSortIndicator(col, d->sortOrder);
    if (d->row >= 0)
        scrollTo(m_model->indexOf(d->row, d->col));
}

void DataGrid::typeAhead(const QString &prefix)
{
    const int column = d->col >= 0 ? d->col : 0;
    if (column >= cols())
        return;
    for (int r = fixedRows(); r < rows(); ++r) {
        const bool starts = m_model->rowAt(r).visitCell(
            column, [&](auto cell) { return cell.startsWith(prefix, Qt::CaseInsensitive); });
        if (starts) {
            setCurrentCell(r, column);
            return;
        }
    }
}
