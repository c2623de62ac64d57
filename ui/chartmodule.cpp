// The chart module's one entry, resolved by name by ChartLoader.
#include "chartwindow.h"

extern "C" Q_DECL_EXPORT int brisolantOpenCharts(const QStringList& paths, QWidget* parent) {
    return brisolant::ChartWindow::openFiles(paths, parent);
}
