#include "chartcommand.h"

#include "chartrefused.h"
#include "commandline.h"
#include "patchlist.h"
#include "pdfchart.h"
#include "switchchart.h"
#include "textchart.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>

#include <array>
#include <cstdio>
#include <utility>

namespace brisolant {

namespace {

std::vector<SwitchChart::Fixture> listFixtures(const QString& value) {
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    std::vector<SwitchChart::Fixture> fixtures;
    for (const QString& address : value.split(separators, Qt::SkipEmptyParts)) {
        fixtures.push_back({{}, address.toStdString(), 1, 0});
    }
    return fixtures;
}

// FIRST,CHANNELS,COUNT as three whole numbers, or nothing.
std::optional<std::array<int, 3>> seriesNumbers(const QString& value) {
    const QStringList parts = value.split(u',');
    if (parts.size() != 3) {
        return std::nullopt;
    }
    std::array<int, 3> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto number =
            SwitchChart::wholeNumber(parts.at(static_cast<qsizetype>(i)).toStdString());
        if (!number) {
            return std::nullopt;
        }
        numbers.at(i) = *number;
    }
    return numbers;
}

// Fonts need a QGuiApplication; the offscreen platform needs no display, so
// a chart can be made over ssh whatever DISPLAY says.
QByteArray renderPdf(const std::vector<SwitchChart::Row>& rows, const QString& title,
                     const QPageSize& pageSize) {
    std::array<char, 10> name{"Brisolant"};
    std::array<char, 10> option{"-platform"};
    std::array<char, 10> platform{"offscreen"};
    std::array<char*, 4> argv{name.data(), option.data(), platform.data(), nullptr};
    int argc = 3;
    // Qt's notes on its own set-up (XDG_RUNTIME_DIR not set and the like) are
    // no business of a chart's user; its fatal errors still end the program.
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
            }
        });
    const QGuiApplication application(argc, argv.data());
    QByteArray bytes = PdfChart::render(rows, title, pageSize);
    qInstallMessageHandler(previous);
    return bytes;
}

} // namespace

ChartCommand::ChartCommand(ChartRequest request)
    : m_request(std::move(request)) {}

int ChartCommand::run() const {
    const QString& value = m_request.value;
    const bool pdf = m_request.output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    QPageSize pageSize = PdfChart::localPageSize();
    if (!m_request.pageSize.isEmpty()) {
        if (!pdf) {
            return CommandLine::usageError(
                QStringLiteral("--page-size is for a PDF chart (--output FILE.pdf)."));
        }
        const auto named = PdfChart::pageSizeNamed(m_request.pageSize);
        if (!named) {
            return CommandLine::usageError(
                QStringLiteral("unknown page size \"%1\"; choose A3, A4, A5, Letter or Legal.")
                    .arg(m_request.pageSize));
        }
        pageSize = *named;
    }

    std::vector<SwitchChart::Fixture> fixtures;
    QString title = QStringLiteral("start addresses ") + value;
    try {
        switch (m_request.source) {
        case ChartRequest::Source::List:
            fixtures = listFixtures(value);
            break;
        case ChartRequest::Source::Series: {
            const auto numbers = seriesNumbers(value);
            if (!numbers) {
                return CommandLine::usageError(
                    QStringLiteral("--chart-series wants FIRST,CHANNELS,COUNT as whole numbers, "
                                   "as in 1,16,12, not \"%1\".")
                        .arg(value));
            }
            fixtures = SwitchChart::series((*numbers)[0], (*numbers)[1], (*numbers)[2]);
            title = QStringLiteral("series ") + value + QStringLiteral(" (first, channels, count)");
            break;
        }
        case ChartRequest::Source::Patch: {
            QFile file(value);
            if (!file.open(QIODevice::ReadOnly)) {
                CommandLine::report(QStringLiteral("cannot read the patch list \"%1\": %2.")
                                        .arg(value, file.errorString()));
                return CommandLine::kFailure;
            }
            title = QFileInfo(value).fileName();
            fixtures = PatchList::read(file.readAll(), title);
            break;
        }
        }
        const std::vector<SwitchChart::Row> rows = SwitchChart::make(fixtures);
        const QByteArray bytes = pdf ? renderPdf(rows, title, pageSize) : TextChart::render(rows);

        if (m_request.output.isEmpty()) {
            std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
            return std::fflush(stdout) == 0 ? CommandLine::kSuccess : CommandLine::kFailure;
        }
        // Written beside the target and renamed over it only when complete.
        QSaveFile out(m_request.output);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            CommandLine::report(QStringLiteral("cannot write \"%1\": %2.")
                                    .arg(m_request.output, out.errorString()));
            return CommandLine::kFailure;
        }
        return CommandLine::kSuccess;
    } catch (const ChartRefused& refused) {
        CommandLine::report(QString::fromStdString(refused.what()));
        return CommandLine::kRefused;
    }
}

} // namespace brisolant
