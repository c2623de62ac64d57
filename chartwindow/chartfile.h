#pragma once

#include "switchchart.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <variant>

namespace brisolant {

struct ReadControl;

// A rig file read and charted for a chart window, as --chart-patch reads and
// charts it: fixtures nine switches cannot set are left out, and the notes say
// so, with the readers' notes and the fixtures that share channels. Qt Core
// alone, so it runs on any thread.
class ChartFile final {
    Q_DECLARE_TR_FUNCTIONS(ChartFile)

public:
    // The charted file, or one line saying why it cannot be charted: the file
    // and, for what is wrong in it, the fixture and its line. With a control,
    // tells its progress there and throws ReadCancelled once it is cancelled.
    [[nodiscard]] static std::variant<ChartFile, QString> read(const QString& path,
                                                               ReadControl* control = nullptr);

    QString path;
    // The file's name, as the chart's title.
    QString title;
    SwitchChart::Chart chart;
    // One line each, in the order the command line gives them.
    QStringList notes;
};

} // namespace brisolant
