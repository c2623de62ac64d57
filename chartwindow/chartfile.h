#pragma once

#include "profilebook.h"
#include "switchchart.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <variant>

namespace brisolant {

// A rig file read and charted for a chart window, as --chart-patch reads and
// charts it: fixtures nine switches cannot set are left out, and the notes say
// so, with the readers' notes and the fixtures that share channels. Qt Core
// alone, so it runs on any thread.
class ChartFile final {
    Q_DECLARE_TR_FUNCTIONS(ChartFile)

public:
    // The charted file, or one line saying why it cannot be charted: the file
    // and, for what is wrong in it, the fixture and its line.
    [[nodiscard]] static std::variant<ChartFile, QString> read(const QString& path);

    QString path;
    // The file's name, as the chart's title.
    QString title;
    SwitchChart::Chart chart;
    // One line each, in the order the command line gives them.
    QStringList notes;

    // What the chart is made of, to make it again when a fixture type is
    // given another profile: the fixtures as read, the reader's notes, and
    // the built-in and the user's profiles with the rules.
    std::vector<SwitchChart::Fixture> fixtures;
    QStringList readerNotes;
    ProfileBook profiles;

    // The chart and its notes made again from the fixtures and profiles.
    void chartAgain();
};

} // namespace brisolant
