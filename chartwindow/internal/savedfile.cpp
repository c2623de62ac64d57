#include "savedfile.h"

#include <QDir>
#include <QFileInfo>

namespace brisolant::savedfile {

QString proposal(const QString& rig, const QString& ending) {
    const QFileInfo source(rig);
    const QString offered = source.dir().filePath(source.completeBaseName() + ending);
    return isRig(offered, rig) ? source.dir().filePath(source.completeBaseName() +
                                                       QStringLiteral("-chart") + ending)
                               : offered;
}

bool isRig(const QString& path, const QString& rig) {
    const QString file = QFileInfo(rig).canonicalFilePath();
    return !file.isEmpty() && file == QFileInfo(path).canonicalFilePath();
}

} // namespace brisolant::savedfile
