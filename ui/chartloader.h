#pragma once

#include <QCoreApplication>
#include <QStringList>

class QWidget;

namespace brisolant {

// Opens chart windows through the chart module, loaded with the first chart
// opened: reading rig files, drawing pages and printing stay out of the
// program's start-up, which pays nothing for them until a chart is asked for.
class ChartLoader final {
    Q_DECLARE_TR_FUNCTIONS(ChartLoader)

public:
    // A chart window for each file that can be charted; a message box over
    // parent for each that cannot, or once when the module cannot be loaded.
    // Returns how many windows opened.
    static int openFiles(const QStringList& paths, QWidget* parent = nullptr);
};

} // namespace brisolant
