#include "HeaderClicks.h"

#include <QHeaderView>
#include <QTableView>

void keepHeaderClicksFromSelecting(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    QObject::disconnect(header, &QHeaderView::sectionPressed, view, nullptr);
    QObject::disconnect(header, &QHeaderView::sectionEntered, view, nullptr);
}
