#include "chartcommand.h"

#include "chartrefused.h"
#include "csvchart.h"
#include "pdfchart.h"
#include "report.h"
#include "rigfile.h"
#include "switchchart.h"
#include "textchart.h"
#include "wholenumber.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace brisolant {

namespace {

enum class Format : std::uint8_t { Text, Csv, Pdf };

Format formatOf(const QString& output) {
    if (output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        return Format::Pdf;
    }
    if (output.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        return Format::Csv;
    }
    return Format::Text;
}

std::vector<SwitchChart::Fixture> listFixtures(const QString& value) {
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    std::vector<SwitchChart::Fixture> fixtures;
    for (const QString& text : value.split(separators, Qt::SkipEmptyParts)) {
        SwitchChart::Fixture fixture;
        const std::optional<PatchAddress> patch = PatchAddress::read(text.toStdString());
        if (!patch) {
            throw ChartRefused(SwitchChart::refusalName(fixture, fixtures.size() + 1) + ": " +
                               PatchAddress::notAnAddress(text.toStdString()));
        }
        fixture.universe = patch->universe;
        fixture.address = patch->address;
        fixture.written.address = text.toStdString();
        if (patch->last) {
            fixture.channels = *patch->last - patch->address + 1;
        }
        fixtures.push_back(std::move(fixture));
    }
    return fixtures;
}

struct Series {
    PatchAddress first;
    int channels = 0;
    int count = 0;
};

// FIRST,CHANNELS,COUNT: an address in any notation and two whole numbers.
std::optional<Series> seriesOf(const QString& value) {
    const QStringList parts = value.split(u',');
    if (parts.size() != 3) {
        return std::nullopt;
    }
    const auto first = PatchAddress::read(parts.at(0).toStdString());
    const auto channels = readWholeNumber(parts.at(1).toStdString());
    const auto count = readWholeNumber(parts.at(2).toStdString());
    if (!first || first->last || !channels || !count) {
        return std::nullopt;
    }
    return Series{*first, *channels, *count};
}

// Fonts need a QGuiApplication; the offscreen platform needs no display, so
// a chart can be made over ssh whatever DISPLAY says.
QByteArray renderPdf(const SwitchChart::Chart& chart, const QString& title,
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
    QByteArray bytes = PdfChart::render(chart, title, pageSize);
    qInstallMessageHandler(previous);
    return bytes;
}

// Standard output may be a full disk or a closed pipe: that is a failure too.
ExitStatus writeToStandardOutput(const QByteArray& bytes) {
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0) {
        return kSuccess;
    }
    report::line(QStringLiteral("cannot write the chart to standard output: %1.")
                     .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return kFailure;
}

} // namespace

ChartCommand::ChartCommand(ChartRequest request)
    : m_request(std::move(request)) {}

ExitStatus ChartCommand::run() const {
    const QString& value = m_request.value;
    const Format format = formatOf(m_request.output);
    QPageSize pageSize = PdfChart::localPageSize();
    if (!m_request.pageSize.isEmpty()) {
        if (format != Format::Pdf) {
            return report::usageError(
                QStringLiteral("--page-size is for a PDF chart (--output FILE.pdf)."));
        }
        const auto named = PdfChart::pageSizeNamed(m_request.pageSize);
        if (!named) {
            return report::usageError(
                QStringLiteral("unknown page size \"%1\"; choose A3, A4, A5, Letter or Legal.")
                    .arg(m_request.pageSize));
        }
        pageSize = *named;
    }

    Rig rig;
    std::vector<SwitchChart::Fixture>& fixtures = rig.fixtures;
    // What the user typed is refused where it cannot be set; a file or a
    // series may hold fixtures that are only left out.
    SwitchChart::Unsettable unsettable = SwitchChart::Unsettable::LeaveOut;
    QString title = QStringLiteral("start addresses ") + value;
    try {
        switch (m_request.source) {
        case ChartRequest::Source::List:
            fixtures = listFixtures(value);
            unsettable = SwitchChart::Unsettable::Refuse;
            break;
        case ChartRequest::Source::Series: {
            const auto series = seriesOf(value);
            if (!series || series->count < 0) {
                return report::usageError(
                    QStringLiteral("--chart-series wants FIRST,CHANNELS,COUNT: an address and "
                                   "two whole numbers, as in 1,16,12 or 2/1,16,12, not \"%1\".")
                        .arg(value));
            }
            if (series->count > SwitchChart::kLongestSeries) {
                return report::usageError(
                    QStringLiteral("--chart-series makes at most %1 fixtures, not %2.")
                        .arg(SwitchChart::kLongestSeries)
                        .arg(series->count));
            }
            fixtures = SwitchChart::series(series->first, series->channels, series->count);
            title = QStringLiteral("series ") + value + QStringLiteral(" (first, channels, count)");
            break;
        }
        case ChartRequest::Source::Patch: {
            QFile file(value);
            if (!file.open(QIODevice::ReadOnly)) {
                report::line(QStringLiteral("cannot read the patch list \"%1\": %2.")
                                 .arg(value, file.errorString()));
                return kFailure;
            }
            title = QFileInfo(value).fileName();
            rig = RigFile::read(file.readAll(), title);
            break;
        }
        }
        const SwitchChart::Chart chart = SwitchChart::make(fixtures, unsettable);
        const QByteArray bytes = format == Format::Pdf   ? renderPdf(chart, title, pageSize)
                                 : format == Format::Csv ? CsvChart::render(chart)
                                                         : TextChart::render(chart);
        for (const auto* lines : {&std::as_const(rig).notes, &chart.leftOut, &chart.warnings}) {
            for (const std::string& line : *lines) {
                report::line(QString::fromStdString(line));
            }
        }

        if (m_request.output.isEmpty()) {
            return writeToStandardOutput(bytes);
        }
        // Written beside the target and renamed over it only when complete.
        QSaveFile out(m_request.output);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            report::line(QStringLiteral("cannot write \"%1\": %2.")
                             .arg(m_request.output, out.errorString()));
            return kFailure;
        }
        return kSuccess;
    } catch (const ChartRefused& refused) {
        report::line(QString::fromStdString(refused.what()));
        return kRefused;
    }
}

} // namespace brisolant
