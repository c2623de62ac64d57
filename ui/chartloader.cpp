#include "chartloader.h"

#include <QDir>
#include <QLibrary>
#include <QMessageBox>

namespace brisolant {

int ChartLoader::openFiles(const QStringList& paths, QWidget* parent) {
    using OpenCharts = int (*)(const QStringList&, QWidget*);
    static OpenCharts openCharts = nullptr;
    QString why;
    // Beside the program in a build tree, in its private folder when installed.
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {QStringLiteral("."), QStringLiteral(BRISOLANT_CHART_MODULE_DIR)}) {
        if (openCharts != nullptr) {
            break;
        }
        QLibrary module(programs.filePath(folder + QStringLiteral("/" BRISOLANT_CHART_MODULE)));
        openCharts = reinterpret_cast<OpenCharts>(module.resolve("brisolantOpenCharts"));
        why = module.errorString();
    }
    if (openCharts == nullptr) {
        QMessageBox::critical(parent, QCoreApplication::applicationName(),
                              tr("The chart window cannot be loaded: %1").arg(why));
        return 0;
    }
    return openCharts(paths, parent);
}

} // namespace brisolant
