#include "filename.h"

#include "filetext.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace brisolant::filename {

QString quoted(QStringView pathOrName) {
    return filetext::quoted(pathOrName, kLongest);
}

QString title(const QString& path) {
    return path == u"-" ? QCoreApplication::translate("RigFile", "standard input")
                        : quoted(QFileInfo(path).fileName());
}

} // namespace brisolant::filename
