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

int main(int argc, char* argv[]) {
    // Help, version and charts need no window and no display.
    if (const auto status = brisolant::CommandLine::run(argc, argv)) {
        return *status;
    }
    std::optional<brisolant::X11DisplayProbe> display;
    {
        // A display that cannot be opened is told in the user's language.
        const brisolant::ConsoleTranslations language;
        if (const auto reason = brisolant::missingDisplayReason(&std::getenv, argc, argv)) {
            std::fprintf(stderr, "%s\n", reason->c_str());
            return 1;
        }
        display.emplace(&std::getenv, argc, argv);
        if (const auto& reason = display->unreachableReason()) {
            std::fprintf(stderr, "%s\n", reason->c_str());
            return 1;
        }
    }

    QApplication application(argc, argv);
    display->close();
    const brisolant::Translations translations;
    QApplication::setApplicationName(QStringLiteral("Brisolant"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brisolant"));

    brisolant::modApp app;
    brisolant::QtMessageBox messageBox;
    brisolant::QtAppInformation appInformation;
    brisolant::SystemClock clock;
    brisolant::QtProgramEnd programEnd;
    brisolant::frmMainSmall window(app, {messageBox, appInformation, clock, programEnd});
    messageBox.setParent(&window);
    window.show();
    return QApplication::exec();
}
