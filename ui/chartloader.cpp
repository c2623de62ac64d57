#include "chartloader.h"

#include <QDir>
#include <QLibrary>
#include <QMessageBox>

namespace brisolant {

bool ChartLoader::openFiles(const QStringList& paths, QWidget* parent,
                            const std::function<void(int charted)>& ended) {
    using OpenCharts = bool (*)(const QStringList&, QWidget*, const std::function<void(int)>&);
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
        return false;
    }
    return openCharts(paths, parent, ended);
}

} // namespace brisolant
