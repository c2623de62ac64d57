#include "report.h"

#include <cstdio>

namespace brisolant::report {

void line(const QString& message) {
    const QByteArray bytes = (QStringLiteral("Brisolant: ") + message + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

ExitStatus usageError(const QString& what) {
    line(what + QStringLiteral(" See \"Brisolant --help\"."));
    return kRefused;
}

} // namespace brisolant::report
