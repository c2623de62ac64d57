#include "chartloader.h"
#include "commandline.h"
#include "consoletranslations.h"
#include "displaycheck.h"
#include "frmmainsmall.h"
#include "modapp.h"
#include "qtappinformation.h"
#include "qtmessagebox.h"
#include "qtprogramend.h"
#include "systemclock.h"
#include "translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Why no window opens, and for a file what charts it without one.
int noDisplay(const std::string& reason, const QStringList& chartFiles) {
    QString line = QString::fromStdString(reason);
    if (!chartFiles.isEmpty()) {
        line += u' ' + QCoreApplication::translate("main",
                                                   "Without one, \"Brisolant --chart-patch %1\" "
                                                   "writes the chart.")
                           .arg(chartFiles.constFirst());
    }
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // Help, version and charts need no window and no display.
    QStringList chartFiles;
    if (const auto status = brisolant::CommandLine::run(argc, argv, chartFiles)) {
        return *status;
    }
    std::optional<brisolant::X11DisplayProbe> display;
    {
        // A display that cannot be opened is told in the user's language.
        const brisolant::ConsoleTranslations language;
        if (const auto reason = brisolant::missingDisplayReason(&std::getenv, argc, argv)) {
            return noDisplay(*reason, chartFiles);
        }
        display.emplace(&std::getenv, argc, argv);
        if (const auto& reason = display->unreachableReason()) {
            return noDisplay(*reason, chartFiles);
        }
    }

    QApplication application(argc, argv);
    display->close();
    const brisolant::Translations translations;
    QApplication::setApplicationName(QStringLiteral("Brisolant"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brisolant"));

    // Files named: their charts, and no main window. The program ends once
    // every chart window has closed and every message has been answered, not
    // with the last window: a file still being read has none yet. Status 1
    // when none of the files could be charted.
    if (!chartFiles.isEmpty()) {
        QApplication::setQuitOnLastWindowClosed(false);
        const bool opening = brisolant::ChartLoader::openFiles(
            chartFiles, nullptr, [](int charted) { QCoreApplication::exit(charted > 0 ? 0 : 1); });
        return opening ? QApplication::exec() : 1;
    }

    brisolant::modApp app;
    brisolant::QtMessageBox messageBox;
    brisolant::QtAppInformation appInformation;
    brisolant::SystemClock clock;
    brisolant::QtProgramEnd programEnd;
    brisolant::frmMainSmall window(app, {messageBox, appInformation, clock, programEnd});
    messageBox.setParent(&window);
    QObject::connect(
        &window, &brisolant::frmMainSmall::filesDropped, &window,
        [&window](const QStringList& paths) { brisolant::ChartLoader::openFiles(paths, &window); });
    window.show();
    return QApplication::exec();
}
