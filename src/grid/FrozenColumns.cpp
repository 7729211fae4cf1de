#include "FrozenColumns.h"

#include "HeaderClicks.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

FrozenColumns::FrozenColumns(QTableView *grid)
    : QObject(grid)
    , m_grid(grid)
{
    m_view = new QTableView(grid);
    m_view->setObjectName(QStringLiteral("fixedColumns"));
    m_view->setModel(grid->model());
    m_view->setSelectionModel(grid->selectionModel());
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    followSelectionRules();
    m_view->setTabKeyNavigation(false);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setSectionsClickable(true);
    keepHeaderClicksFromSelecting(m_view);
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    m_view->setPalette(palette);
    m_view->hide();
    grid->viewport()->stackUnder(m_view);

    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this,
        [this](int col, int, int size) {
            if (col < m_count) {
                m_view->setColumnWidth(col, size);
                place();
            }
        });
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this,
        [this](int col, int, int size) {
            if (col < m_count)
                m_grid->setColumnWidth(col, size);
        });
    connect(grid->verticalHeader(), &QHeaderView::sectionResized, this,
        [this](int row, int, int size) { m_view->setRowHeight(row, size); });
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, grid->verticalScrollBar(),
        &QScrollBar::setValue);
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, m_view->verticalScrollBar(),
        &QScrollBar::setValue);
    connect(grid->model(), &QAbstractItemModel::columnsInserted, this, &FrozenColumns::sync);
    for (QHeaderView *header : { grid->horizontalHeader(), grid->verticalHeader() })
        connect(header, &QHeaderView::geometriesChanged, this, &FrozenColumns::place);
    grid->installEventFilter(this);
    m_viewport = m_view->viewport();
    m_viewport->installEventFilter(this);
}

FrozenColumns::~FrozenColumns()
{
    delete m_view;
}

void FrozenColumns::setCount(int count)
{
    if (count == m_count)
        return;
    m_count = count;
    sync();
}

int FrozenColumns::width() const
{
    int total = 0;
    const int columns = m_grid->model()->columnCount();
    for (int col = 0; col < m_count && col < columns; ++col)
        total += m_grid->columnWidth(col);
    return total;
}

void FrozenColumns::sync()
{
    const int columns = m_grid->model()->columnCount();
    for (int col = 0; col < columns; ++col) {
        m_view->setColumnHidden(col, col >= m_count);
        if (col < m_count)
            m_view->setColumnWidth(col, m_grid->columnWidth(col));
    }
    QHeaderView *header = m_view->horizontalHeader();
    header->setHidden(m_grid->horizontalHeader()->isHidden());
    followSelectionRules();
    place();
}

bool FrozenColumns::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        place();
    // A click on the fixed cells selects by the grid's rules as they are now: the grid may
    // have changed them since, and a view announces no such change.
    if (watched == m_viewport
        && (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick))
        followSelectionRules();
    return false;
}

void FrozenColumns::followSelectionRules()
{
    if (m_view->selectionMode() != m_grid->selectionMode())
        m_view->setSelectionMode(m_grid->selectionMode());
    if (m_view->selectionBehavior() != m_grid->selectionBehavior())
        m_view->setSelectionBehavior(m_grid->selectionBehavior());
}

void FrozenColumns::place()
{
    const int columns = m_grid->model()->columnCount();
    if (m_count == 0 || columns == 0) {
        m_view->hide();
        return;
    }
    QHeaderView *header = m_grid->horizontalHeader();
    const int headerHeight = header->isHidden() ? 0 : header->height();
    m_view->horizontalHeader()->setFixedHeight(std::max(headerHeight, 1));
    const QRect cells = m_grid->viewport()->geometry();
    m_view->setGeometry(cells.left(), cells.top() - headerHeight, std::min(width(), cells.width()),
        cells.height() + headerHeight);
    m_view->verticalScrollBar()->setValue(m_grid->verticalScrollBar()->value());
    m_view->show();
}
