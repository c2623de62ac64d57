// The chart module's one entry, resolved by name by ChartLoader. Nothing thrown
// leaves it: it would unwind through the program's event loop.
#include "chartwindow.h"
#include "handlerboundary.h"
#include "qtmessagebox.h"

extern "C" Q_DECL_EXPORT int brisolantOpenCharts(const QStringList& paths, QWidget* parent) {
    brisolant::QtMessageBox messageBox(parent);
    brisolant::HandlerBoundary boundary(messageBox);
    int opened = 0;
    boundary.run([&] { opened = brisolant::ChartWindow::openFiles(paths, parent); });
    return opened;
}
