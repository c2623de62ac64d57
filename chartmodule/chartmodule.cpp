// The chart module's one entry, resolved by name by ChartLoader. Nothing thrown
// leaves it: it would unwind through the program's event loop.
#include "chartwindow.h"
#include "handlerboundary.h"
#include "qtmessagebox.h"

extern "C" Q_DECL_EXPORT bool brisolantOpenCharts(const QStringList& paths, QWidget* parent,
                                                  const std::function<void(int)>& ended) {
    brisolant::QtMessageBox messageBox(parent);
    brisolant::HandlerBoundary boundary(messageBox);
    return boundary.run([&] { brisolant::ChartWindow::openFiles(paths, parent, ended); });
}
