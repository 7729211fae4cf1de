#pragma once

class QTableView;

// A table view selects the whole column when its header is pressed, which would move the
// current cell; the grids use header clicks for sorting only.
void keepHeaderClicksFromSelecting(QTableView *view);
