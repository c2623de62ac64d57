#include "chartoutput.h"

#include "report.h"
#include "terminal.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace brisolant {

namespace {

// Nothing can be renamed over a device, a pipe or a socket, nor over a
// descriptor (/dev/stdout, /dev/fd/1, /proc/self/fd/1), which may lead to a
// file the shell opened for this program.
bool isWrittenStraight(const QString& name) {
    const QFileInfo info(name);
    const bool descriptor =
        name.startsWith(QStringLiteral("/proc/")) || name.startsWith(QStringLiteral("/dev/fd/")) ||
        (info.isSymLink() && info.symLinkTarget().startsWith(QStringLiteral("/proc/")));
    return descriptor || (info.exists() && !info.isFile() && !info.isDir());
}

// A reader that went away is a failed write (exit status 1), not a signal
// that ends the program before it can say so.
void ignoreBrokenPipes() {
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

// Opened to append, neither truncated nor sought: a file that standard output
// was opened on with >> keeps what it had, and a pipe cannot seek. Returns why
// it cannot be opened, or nothing.
std::optional<QString> openStraight(QFile& file) {
#ifdef _WIN32
    return file.open(QIODevice::WriteOnly | QIODevice::Append) ? std::nullopt
                                                               : std::optional(file.errorString());
#else
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return std::nullopt;
#endif
}

#ifndef _WIN32
// The regular file behind the descriptor, or at the path, links followed.
std::optional<struct stat> regularFile(int fd, const QString& path) {
    struct stat status {};
    const int result =
        fd >= 0 ? ::fstat(fd, &status) : ::stat(QFile::encodeName(path).constData(), &status);
    return result == 0 && S_ISREG(status.st_mode) ? std::optional(status) : std::nullopt;
}
#endif

} // namespace

ChartOutput::ChartOutput(const QString& name)
    : m_name(name)
    , m_kind(name.isEmpty() || name == u"-" ? Kind::StandardOutput
             : isWrittenStraight(name)      ? Kind::Straight
                                            : Kind::Replaced)
    , m_straight(name)
    , m_replaced(name) {}

ExitStatus ChartOutput::open() {
    switch (m_kind) {
    case Kind::StandardOutput:
        ignoreBrokenPipes();
        return kSuccess;
    case Kind::Straight:
        ignoreBrokenPipes();
        if (const std::optional<QString> why = openStraight(m_straight)) {
            return failed(*why);
        }
        return kSuccess;
    case Kind::Replaced:
        return m_replaced.open(QIODevice::WriteOnly) ? kSuccess : failed(m_replaced.errorString());
    }
    return kFailure;
}

bool ChartOutput::overwrites(const QString& input) const {
#ifdef _WIN32
    const QString file = QFileInfo(input).canonicalFilePath();
    return m_kind != Kind::StandardOutput && input != u"-" && !file.isEmpty() &&
           file == QFileInfo(m_name).canonicalFilePath();
#else
    const auto in = regularFile(input == u"-" ? STDIN_FILENO : -1, input);
    const auto out = regularFile(m_kind == Kind::StandardOutput ? STDOUT_FILENO : -1, m_name);
    return in && out && in->st_dev == out->st_dev && in->st_ino == out->st_ino;
#endif
}

std::optional<int> ChartOutput::terminalColumns() const {
    return terminal::columns(m_kind == Kind::StandardOutput ? fileno(stdout)
                             : m_kind == Kind::Straight     ? m_straight.handle()
                                                            : -1);
}

ExitStatus ChartOutput::write(const QByteArray& bytes) {
    switch (m_kind) {
    case Kind::StandardOutput: {
        // Standard output may be a full disk or a closed pipe: that is a failure too.
        const auto size = static_cast<std::size_t>(bytes.size());
        if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0) {
            return kSuccess;
        }
        report::line(QCoreApplication::translate("ChartOutput",
                                                 "cannot write the chart to standard output: %1.")
                         .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return kFailure;
    }
    case Kind::Straight:
        return m_straight.write(bytes) == bytes.size() && m_straight.flush()
                   ? kSuccess
                   : failed(m_straight.errorString());
    case Kind::Replaced:
        return m_replaced.write(bytes) == bytes.size() && m_replaced.commit()
                   ? kSuccess
                   : failed(m_replaced.errorString());
    }
    return kFailure;
}

ExitStatus ChartOutput::failed(const QString& why) const {
    report::line(
        QCoreApplication::translate("ChartOutput", "cannot write \"%1\": %2.").arg(m_name, why));
    return kFailure;
}

} // namespace brisolant
