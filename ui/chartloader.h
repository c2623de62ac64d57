#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class QWidget;

namespace brisolant {

// Opens chart windows through the chart module, loaded with the first chart
// opened: reading rig files, drawing pages and printing stay out of the
// program's start-up, which pays nothing for them until a chart is asked for.
class ChartLoader final {
    Q_DECLARE_TR_FUNCTIONS(ChartLoader)

public:
    // A chart window for each file that can be charted, shown once it is
    // read; a message box over parent for each that cannot. Returns at once:
    // ended, when given, is called from the event loop once every window has
    // closed and every message has been answered, with how many files were
    // charted. False, after a message box, when the module cannot be loaded.
    static bool openFiles(const QStringList& paths, QWidget* parent = nullptr,
                          const std::function<void(int charted)>& ended = {});
};

} // namespace brisolant
