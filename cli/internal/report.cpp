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
    QString text;
    for (const QString& message : messages) {
        text += QStringLiteral("Brisolant: ") + message + u'\n';
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

ExitStatus usageError(const QString& what) {
    line(what + u' ' + QCoreApplication::translate("report", "See \"Brisolant --help\"."));
    return kRefused;
}

} // namespace brisolant::report
