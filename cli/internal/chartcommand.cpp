#include "chartcommand.h"

#include "chartmessages.h"
#include "chartoutput.h"
#include "chartpages.h"
#include "chartrefused.h"
#include "csvchart.h"
#include "labelpages.h"
#include "labelsheet.h"
#include "offscreenapplication.h"
#include "pagesequence.h"
#include "pdfchart.h"
#include "pdfpages.h"
#include "profilefile.h"
#include "report.h"
#include "rigfile.h"
#include "switchchart.h"
#include "textchart.h"
#include "universemappages.h"
#include "universemaptext.h"
#include "wholenumber.h"

#include <QRegularExpression>

#include <cstdio>
#include <memory>
#include <new>
#include <optional>
#include <utility>

namespace brisolant {

namespace {

using Format = ChartFormat;

// The form an output's name tells: .pdf or .csv, in any case.
std::optional<Format> formatNamed(const QString& output) {
    if (output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        return Format::Pdf;
    }
    if (output.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        return Format::Csv;
    }
    return std::nullopt;
}

// --format's value: text, csv or pdf, in any case.
std::optional<Format> formatCalled(const QString& name) {
    const QString lower = name.toLower();
    return lower == u"text"  ? std::optional(Format::Text)
           : lower == u"csv" ? std::optional(Format::Csv)
           : lower == u"pdf" ? std::optional(Format::Pdf)
                             : std::nullopt;
}

std::vector<SwitchChart::Fixture> listFixtures(const QString& value) {
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    std::vector<SwitchChart::Fixture> fixtures;
    for (const QString& text : value.split(separators, Qt::SkipEmptyParts)) {
        SwitchChart::Fixture fixture;
        const std::optional<PatchAddress> patch = PatchAddress::read(text.toStdString());
        if (!patch) {
            ChartMessage message;
            message.kind = ChartMessage::Kind::NotANotation;
            message.fixture = SwitchChart::nameOf(fixture, fixtures.size() + 1);
            message.text = ChartMessage::quote(text.toStdString());
            throw ChartRefused(std::move(message));
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
    // As typed, for messages.
    std::string firstText;
    std::string channelsText;
    QString countText;
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
    return Series{*first,
                  *channels,
                  *count,
                  parts.at(0).toStdString(),
                  parts.at(1).toStdString(),
                  parts.at(2).trimmed()};
}

// Qt's notes on its own set-up (XDG_RUNTIME_DIR not set and the like) are no
// business of a chart's user; its critical and fatal errors still are told.
void criticalOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

ChartCommand::ChartCommand(ChartRequest request)
    : m_request(std::move(request)) {}

ExitStatus ChartCommand::run(ConsoleTranslations& language) const {
    Form form;
    if (const std::optional<ExitStatus> refused = chooseForm(form)) {
        return *refused;
    }
    if (const std::optional<ExitStatus> refused = chooseLabels(form)) {
        return *refused;
    }
    if (m_request.source == ChartRequest::Source::Patch &&
        ChartOutput(m_request.output).overwrites(m_request.value)) {
        report::line(tr("the chart would overwrite %1, the file it charts; give another --output.")
                         .arg(RigFile::title(m_request.value)));
        return kRefused;
    }
    if (form.format == Format::Pdf) {
        // The PDF's fonts need a QGuiApplication, made here so that the
        // translations stay through to the chart's last word.
        language.replaceApplication([] {
            qInstallMessageHandler(criticalOnly);
            return std::make_unique<OffscreenApplication>();
        });
    }
    Rig rig;
    // What the user typed is refused where it cannot be set; a file or a
    // series may hold fixtures that are only left out.
    SwitchChart::Unsettable unsettable = SwitchChart::Unsettable::LeaveOut;
    QString title;
    try {
        ProfileBook book;
        if (const std::optional<ExitStatus> failed = readProfiles(book)) {
            return *failed;
        }
        if (const std::optional<ExitStatus> failed = readSource(rig, unsettable, title)) {
            return *failed;
        }
        SwitchChart::Chart chart = SwitchChart::make(rig.fixtures, unsettable, book);
        ChartOrder::sort(chart.rows, form.order);
        return write(chart, rig.notes, form, title);
    } catch (const ChartRefused& refused) {
        report::line(ChartMessages::refusal(refused));
        return kRefused;
    } catch (const RigFile::Unreadable& unreadable) {
        report::line(QString::fromStdString(unreadable.what()));
        return kFailure;
    } catch (const ProfileFile::Unreadable& unreadable) {
        report::line(QString::fromStdString(unreadable.what()));
        return kFailure;
    } catch (const std::bad_alloc&) {
        // Whatever no reader turned into a refusal ends in one line, not in an
        // abort. This one in English alone: a translation takes memory.
        std::fputs("Brisolant: out of memory; the chart cannot be made.\n", stderr);
        return kFailure;
    } catch (const std::exception& error) {
        report::line(tr("the chart cannot be made: %1.")
                         .arg(QString::fromLocal8Bit(error.what()).simplified()));
        return kFailure;
    } catch (...) {
        report::line(tr("the chart cannot be made: an unexpected error."));
        return kFailure;
    }
}

std::optional<ExitStatus> ChartCommand::chooseForm(Form& form) const {
    const std::optional<Format> named = formatNamed(m_request.output);
    form.format = named.value_or(Format::Text);
    if (!m_request.format.isEmpty()) {
        const std::optional<Format> chosen = formatCalled(m_request.format);
        if (!chosen) {
            return report::usageError(
                tr("unknown format \"%1\"; choose text, csv or pdf.").arg(m_request.format));
        }
        if (named && *named != *chosen) {
            return report::usageError(
                tr("--format %1 and the output \"%2\" disagree; give one or the other.")
                    .arg(m_request.format, m_request.output));
        }
        form.format = *chosen;
    }
    const bool pdf = form.format == Format::Pdf;
    form.pageSize = PdfChart::localPageSize();
    if (!m_request.pageSize.isEmpty()) {
        if (!pdf) {
            return report::usageError(
                tr("--page-size is for a PDF chart (--output FILE.pdf or --format pdf)."));
        }
        const auto size = PdfChart::pageSizeNamed(m_request.pageSize);
        if (!size) {
            return report::usageError(
                tr("unknown page size \"%1\"; choose %2.")
                    .arg(m_request.pageSize, PdfChart::paperNames(tr(" or "))));
        }
        form.pageSize = *size;
    }
    return std::nullopt;
}

std::optional<ExitStatus> ChartCommand::chooseLabels(Form& form) const {
    const QString& order = m_request.order;
    if (order.compare(u"address", Qt::CaseInsensitive) == 0) {
        form.order = ChartOrder::By::Address;
    } else if (!order.isEmpty() && order.compare(u"list", Qt::CaseInsensitive) != 0) {
        return report::usageError(
            tr("unknown order \"%1\"; choose list or address.").arg(m_request.order));
    }
    form.maps = m_request.universeMap;
    if (m_request.labels.isEmpty()) {
        if (!m_request.labelsStart.isEmpty()) {
            return report::usageError(tr("--labels-start is for labels: give --labels SHEET."));
        }
        if (form.maps && form.format == Format::Csv) {
            return report::usageError(tr("--universe-map is for a text or PDF chart, not CSV."));
        }
        return std::nullopt;
    }
    form.sheet = LabelSheet::named(m_request.labels);
    if (form.sheet == nullptr) {
        QStringList names;
        for (const LabelSheet& sheet : LabelSheet::all()) {
            names << QString::fromLatin1(sheet.name);
        }
        return report::usageError(tr("unknown label sheet \"%1\"; choose %2.")
                                      .arg(m_request.labels, names.join(QStringLiteral(", "))));
    }
    if (form.format != Format::Pdf) {
        return report::usageError(
            tr("labels are a PDF: give --output FILE.pdf, or --format pdf into a pipe."));
    }
    if (!m_request.pageSize.isEmpty() || form.maps) {
        return report::usageError(
            tr("--page-size and --universe-map are for a chart; labels take the sheet's paper."));
    }
    if (!m_request.labelsStart.isEmpty()) {
        const int labels = form.sheet->labelsPerPage();
        const std::optional<int> start = readWholeNumber(m_request.labelsStart.toStdString());
        if (form.sheet->tape) {
            return report::usageError(
                tr("--labels-start is for a sheet; a tape starts where it is."));
        }
        if (!start || *start < 1 || *start > labels) {
            return report::usageError(
                tr("--labels-start wants a label from 1 to %1 of %2, not \"%3\".")
                    .arg(QString::number(labels), QString::fromLatin1(form.sheet->name),
                         m_request.labelsStart));
        }
        form.start = *start;
    }
    return std::nullopt;
}

std::optional<ExitStatus> ChartCommand::readProfiles(ProfileBook& book) const {
    const bool user = m_request.profiles.isEmpty();
    ProfileFile::read(user ? ProfileFile::userPath() : m_request.profiles, book, user);
    if (!m_request.profile.isEmpty() && !book.setFallback(m_request.profile.toStdString())) {
        QStringList names;
        for (const ProfileBook::Profile& profile : book.profiles()) {
            names.append(QString::fromStdString(profile->name));
        }
        return report::usageError(tr("--profile: no profile is called \"%1\"; there are %2.")
                                      .arg(m_request.profile, names.join(QStringLiteral(", "))));
    }
    return std::nullopt;
}

std::optional<ExitStatus> ChartCommand::readSource(Rig& rig, SwitchChart::Unsettable& unsettable,
                                                   QString& title) const {
    const QString& value = m_request.value;
    std::vector<SwitchChart::Fixture>& fixtures = rig.fixtures;
    //: The title of a PDF chart of the start addresses the user typed.
    title = tr("start addresses %1").arg(value);
    switch (m_request.source) {
    case ChartRequest::Source::List:
        fixtures = listFixtures(value);
        unsettable = SwitchChart::Unsettable::Refuse;
        break;
    case ChartRequest::Source::Series: {
        const auto series = seriesOf(value);
        if (!series) {
            return report::usageError(
                tr("--chart-series wants FIRST,CHANNELS,COUNT: an address and two whole numbers, "
                   "as in 1,16,12 or 2/1,16,12, not \"%1\".")
                    .arg(value));
        }
        if (series->count < 0) {
            return report::usageError(
                tr("--chart-series wants a COUNT of 0 or more, not %1.").arg(series->countText));
        }
        if (series->count > SwitchChart::kLongestSeries) {
            return report::usageError(
                tr("--chart-series makes at most %1 fixtures, not %2.")
                    .arg(QString::number(SwitchChart::kLongestSeries), series->countText));
        }
        fixtures = SwitchChart::series(series->first, series->channels, series->count);
        // The first as typed, so that a refusal of it quotes the user.
        if (!fixtures.empty()) {
            fixtures.front().written.address = series->firstText;
            fixtures.front().written.channels = series->channelsText;
        }
        //: The title of a PDF chart of a series the user typed.
        title = tr("series %1 (first, channels, count)").arg(value);
        break;
    }
    case ChartRequest::Source::Patch:
        title = RigFile::title(value);
        rig = RigFile::readPath(value);
        break;
    }
    return std::nullopt;
}

ExitStatus ChartCommand::write(const SwitchChart::Chart& chart,
                               const std::vector<std::string>& readerNotes, const Form& form,
                               const QString& title) const {
    ChartOutput output(m_request.output);
    if (const ExitStatus opened = output.open(); opened != kSuccess) {
        return opened;
    }
    const std::optional<int> terminalColumns = output.terminalColumns();
    if (form.format == Format::Pdf && terminalColumns) {
        return report::usageError(tr("a PDF chart is not for a terminal; give --output FILE.pdf, "
                                     "or send it into a pipe or a file."));
    }
    const auto pdf = [&] {
        if (form.sheet != nullptr) {
            return PdfPages::render(LabelPages(chart, title, *form.sheet, form.start),
                                    LabelPages::tr("Labels: %1").arg(title));
        }
        if (!form.maps) {
            return PdfChart::render(chart, title, form.pageSize);
        }
        const ChartPages pages(chart, title, form.pageSize);
        const UniverseMapPages maps(pages.chart(), title, form.pageSize);
        return PdfPages::render(PageSequence({&pages, &maps}),
                                ChartPages::tr("Switch chart: %1").arg(title));
    };
    QByteArray bytes = form.format == Format::Pdf   ? pdf()
                       : form.format == Format::Csv ? CsvChart::render(chart)
                       : terminalColumns ? TextChart::renderForTerminal(chart, *terminalColumns)
                                         : TextChart::render(chart);
    if (form.maps && form.format == Format::Text) {
        // After an empty line, which no line of the chart is.
        bytes += '\n' + UniverseMapText::render(chart);
    }
    QStringList notes;
    for (const std::string& note : readerNotes) {
        notes.append(QString::fromStdString(note));
    }
    notes.append(ChartMessages::notes(chart));
    report::lines(notes);
    return output.write(bytes);
}

} // namespace brisolant
