#include "report.h"

#include <QCoreApplication>

namespace brisolant::report {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

void line(const QString& message) {
    lines({message});
}

void lines(const QStringList& messages) {
    if (messages.isEmpty()) {
        return;
    }
    const QString prefix = QStringLiteral("Brisolant: ");
    print(stderr, prefix + messages.join(u'\n' + prefix));
}

ExitStatus usageError(const QString& what) {
    line(what + u' ' + QCoreApplication::translate("report", "See \"Brisolant --help\"."));
    return kRefused;
}

} // namespace brisolant::report
