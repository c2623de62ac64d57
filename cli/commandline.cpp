#include "commandline.h"

#include "brisolant_version.h"
#include "chartcommand.h"
#include "chartrequest.h"
#include "consoletranslations.h"
#include "csvchart.h"
#include "labelsheet.h"
#include "patchcolumns.h"
#include "patchlist.h"
#include "pdfchart.h"
#include "report.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <span>

namespace brisolant {

namespace {

// Qt's own window options, so that they pass through to QApplication. Hidden
// from the help, which is about Brisolant's options.
void addQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
        "style",       "stylesheet",         "qmljsdebugger", "dialogs", "fontengine",
        "darkmode",
    };
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// %1 is what patchListHelp() says, %2 what kProfilesHelp says, %3 the CSV's header row.
const char* const kDescription = QT_TRANSLATE_NOOP(
    "CommandLine", "Shows the nine DIP switches that set a DMX512 fixture's start address.\n"
                   "With a chart option it prints a switch chart for a whole rig instead, with\n"
                   "no window: every fixture's name, universe, start address and switches.\n"
                   "\n"
                   "  Brisolant --chart 1,17,33,49\n"
                   "  Brisolant --chart-series 2/1,16,12 --output rig.pdf\n"
                   "  Brisolant --chart-patch patch.csv --output rig.pdf --page-size Letter\n"
                   "\n"
                   "With files named (patch lists or show files) it opens a chart window for\n"
                   "each: the chart as it will be printed, to print or save as PDF or CSV.\n"
                   "\n"
                   "Addresses: 17, or with the universe 2/17, 2.17, 2-017 or 2:17; a number\n"
                   "above 512 counts across universes (513 is 2/1); 3/151<153 gives the\n"
                   "first and last address. Universes count from 1 to 63999.\n"
                   "\n"
                   "%1\n"
                   "\n"
                   "Show files: MVR (with the channel counts of its GDTF files), grandMA3 and\n"
                   "grandMA2 XML exports, QLC+ workspaces; told apart by their content.\n"
                   "\n"
                   "%2\n"
                   "\n"
                   "A fixture not patched, or at an address its profile cannot set (512 with\n"
                   "nine switches), is left out and named on standard error with the reason;\n"
                   "fixtures that share channels are named there\n"
                   "as a warning. A fixture is named by its number in the file and its name,\n"
                   "with neither by its place in the list; \"None\" and a 0 that every fixture\n"
                   "of the file has are no numbers.\n"
                   "\n"
                   "Output: text, or the form the --output name (.csv, .pdf) or --format\n"
                   "says; \"-\" is standard output. On a terminal the text chart starts with a\n"
                   "heading and fits the width, long names shortened in the middle; into a\n"
                   "file or a pipe it has neither, for scripts. The CSV has the columns\n"
                   "%3, the switches as\n"
                   "0 1 0 0 0 0 0 0 0 so that a spreadsheet keeps every digit, and a name\n"
                   "a spreadsheet would take for a formula (=, +, -, @) after an\n"
                   "apostrophe, as text.\n"
                   "\n"
                   "Exit status: 0 done, 1 a file could not be read or written or the display\n"
                   "could not be opened, 2 a usage error or a chart refused.");

const char* const kProfilesHelp = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Addressing profiles say how a fixture type takes its address: built in dip9 (nine "
    "switches, the default), dip10 (switch 10 weighs 512), dip10-function-off and "
    "dip10-function-on (switch 10 a function switch set OFF or ON), dials3 (three decimal "
    "dials) and display (A001). Your own, and rules that give fixture types theirs by type "
    "and maker, exactly or with *, are read from $XDG_CONFIG_HOME/brisolant/profiles.toml "
    "(~/.config where unset), a TOML file (see the README), or from --profiles FILE instead. "
    "A patch list's Profile column wins over the rules.");

// The text in lines of at most width characters, broken at blanks.
QString wrapped(const QString& text, qsizetype width) {
    QString lines;
    qsizetype lineLength = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            lines += u'\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            lines += u' ';
            ++lineLength;
        }
        lines += word;
        lineLength += word.size();
    }
    return lines;
}

// What the patch-list reader takes, its column names from its own table.
QString patchListHelp() {
    using Kind = PatchColumns::Kind;
    const QString comma = QStringLiteral(", ");
    const auto others = [&comma](Kind kind) {
        const std::span<const QStringView> names = PatchColumns::names(kind);
        QStringList rest;
        for (const QStringView name : names.subspan(1)) {
            rest.append(name.toString());
        }
        return names.front().toString() + QStringLiteral(" (") + rest.join(comma) + u')';
    };
    return wrapped(
        QCoreApplication::translate(
            "CommandLine",
            "Patch lists: CSV or tab-separated exports of consoles, plot programs and "
            "spreadsheets (UTF-8, UTF-16 or Windows-1252), or \"-\" for standard input. The "
            "header row, among the first %1 lines, names the address column: %2. Also read: %3; "
            "the name (%4); the fixture's number (%5); its channel count (%6).")
            .arg(QString::number(PatchList::kHeaderSearch),
                 PatchColumns::listed(Kind::Address,
                                      QCoreApplication::translate("CommandLine", " or ")),
                 others(Kind::Universe), PatchColumns::listed(Kind::Name, comma),
                 PatchColumns::listed(Kind::Number, comma),
                 PatchColumns::listed(Kind::Channels, comma)),
        74);
}

// The label sheets --labels takes, a line each, from their own table.
QString labelSheetsHelp() {
    QString help = QCoreApplication::translate("CommandLine", "Label sheets and tapes (--labels):");
    for (const LabelSheet& sheet : LabelSheet::all()) {
        help += QStringLiteral("\n  %1  %2")
                    .arg(QString::fromLatin1(sheet.name).leftJustified(14), sheet.describe());
    }
    return help + u'\n' +
           QCoreApplication::translate(
               "CommandLine", "A small label holds the number, address and switches only.");
}

} // namespace

std::optional<int> CommandLine::run(int argc, const char* const* argv, QStringList& chartFiles) {
    // The window's usual start pays for nothing here.
    if (argc <= 1) {
        return std::nullopt;
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }

    // --help, the usage errors and a chart to its last word in the user's language.
    ConsoleTranslations language;
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"); take ours either way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", kDescription)
            .arg(patchListHelp(),
                 wrapped(QCoreApplication::translate("CommandLine", kProfilesHelp), 74),
                 QString::fromLatin1(CsvChart::kHeader.data(),
                                     qsizetype(CsvChart::kHeader.size()))) +
        QStringLiteral("\n\n") + labelSheetsHelp());
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    const QCommandLineOption list(
        QStringLiteral("chart"),
        QCoreApplication::translate(
            "CommandLine", "Chart the fixtures at these start addresses, separated by commas."),
        //: Stands for the --chart option's value in the help.
        QCoreApplication::translate("CommandLine", "addresses"));
    const QCommandLineOption series(
        QStringLiteral("chart-series"),
        QCoreApplication::translate(
            "CommandLine",
            "Chart COUNT fixtures (up to 10000) of CHANNELS channels each, the first "
            "at FIRST; one that would run past 512 starts the next universe."),
        //: Stands for the --chart-series option's value in the help: FIRST,CHANNELS,COUNT.
        QCoreApplication::translate("CommandLine", "first,channels,count"));
    //: Stands for a file's name in the help, as the value of --chart-patch and --output.
    const QString file = QCoreApplication::translate("CommandLine", "file");
    const QCommandLineOption patch(
        QStringLiteral("chart-patch"),
        QCoreApplication::translate("CommandLine",
                                    "Chart a patch list or show file exported by a console, plot "
                                    "program or spreadsheet (see above)."),
        file);
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate(
            "CommandLine",
            "Write the chart to this file: a PDF when it ends in .pdf, CSV when it ends in "
            ".csv, else text. \"-\", or none, is standard output. A file is replaced only by "
            "a complete chart; a device or a pipe (/dev/stdout) is written straight. The file "
            "charted is not overwritten."),
        file);
    const QCommandLineOption format(
        QStringLiteral("format"),
        QCoreApplication::translate(
            "CommandLine",
            "The chart's form where the output's name does not tell it: text, csv or pdf "
            "(not onto a terminal). A name ending in .csv or .pdf and a --format that "
            "differs are refused."),
        //: Stands for the --format option's value in the help: text, csv or pdf.
        QCoreApplication::translate("CommandLine", "form"));
    const QCommandLineOption pageSize(
        QStringLiteral("page-size"),
        QCoreApplication::translate("CommandLine", "Paper of a PDF chart: %1. Default: Letter or "
                                                   "A4, after the locale's paper (LC_PAPER).")
            .arg(PdfChart::paperNames(QCoreApplication::translate("CommandLine", " or "))),
        //: Stands for the --page-size option's value in the help: A4, Letter and the like.
        QCoreApplication::translate("CommandLine", "size"));
    const QCommandLineOption profiles(
        QStringLiteral("profiles"),
        QCoreApplication::translate(
            "CommandLine", "Read the addressing profiles and their rules from this TOML file "
                           "instead of the user's (see above)."),
        file);
    const QCommandLineOption profile(
        QStringLiteral("profile"),
        QCoreApplication::translate("CommandLine",
                                    "The addressing profile of every fixture that no rule and no "
                                    "Profile column names. Default: dip9."),
        //: Stands for the --profile option's value in the help: a profile's name.
        QCoreApplication::translate("CommandLine", "name"));
    const QCommandLineOption labels(
        QStringLiteral("labels"),
        QCoreApplication::translate(
            "CommandLine",
            "Instead of the chart, a label for each fixture on this sheet or tape (listed "
            "above), as a PDF: --output FILE.pdf."),
        //: Stands for the --labels option's value in the help: a label sheet's name.
        QCoreApplication::translate("CommandLine", "sheet"));
    const QCommandLineOption labelsStart(
        QStringLiteral("labels-start"),
        QCoreApplication::translate("CommandLine",
                                    "Start at this label of a sheet partly used, counted across "
                                    "and then down from 1."),
        //: Stands for the --labels-start option's value in the help: a label's number.
        QCoreApplication::translate("CommandLine", "n"));
    const QCommandLineOption order(
        QStringLiteral("order"),
        QCoreApplication::translate("CommandLine",
                                    "The order of the chart and the labels: list (as the source "
                                    "lists them, the default) or address (by universe and start "
                                    "address)."),
        //: Stands for the --order option's value in the help: list or address.
        QCoreApplication::translate("CommandLine", "order"));
    const QCommandLineOption universeMap(
        QStringLiteral("universe-map"),
        QCoreApplication::translate(
            "CommandLine",
            "After the chart, a map of each universe the rig uses: the fixtures' channels, "
            "those shared, the free blocks. In a PDF a page per universe; as text, after an "
            "empty line, a line per fixture, shared run and free block, then the totals."));
    parser.addOptions({help, version, list, series, patch, output, format, pageSize, profiles,
                       profile, labels, labelsStart, order, universeMap});
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QCoreApplication::translate("CommandLine",
                                    "Patch lists or show files to open, each in a chart window."),
        QCoreApplication::translate("CommandLine", "[file...]"));
    addQtOptions(parser);

    if (!parser.parse(arguments)) {
        return report::usageError(parser.errorText());
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        // Without an application object Qt cannot know the program's name.
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("Brisolant"));
        text.insert(text.indexOf(u'\n') + 1, u'\n');
        report::print(stdout, text.trimmed());
        return kSuccess;
    }
    if (parser.isSet(version)) {
        report::print(stdout, QStringLiteral("Brisolant ") + QString::fromLatin1(version::kText));
        return kSuccess;
    }

    const QStringList lists = parser.values(list);
    const QStringList serieses = parser.values(series);
    const QStringList patches = parser.values(patch);
    const qsizetype sources = lists.size() + serieses.size() + patches.size();
    const bool labelsOrMaps = parser.isSet(labels) || parser.isSet(labelsStart) ||
                              parser.isSet(order) || parser.isSet(universeMap);
    if (!parser.positionalArguments().isEmpty()) {
        if (sources > 0 || parser.isSet(output) || parser.isSet(format) || parser.isSet(pageSize) ||
            parser.isSet(profiles) || parser.isSet(profile) || labelsOrMaps) {
            return report::usageError(QCoreApplication::translate(
                "CommandLine", "files to open in chart windows take no chart options; "
                               "--chart-patch FILE charts one without a window."));
        }
        if (parser.positionalArguments().count(QStringLiteral("-")) > 1) {
            return report::usageError(QCoreApplication::translate(
                "CommandLine", "\"-\" is named twice; standard input can be read only once."));
        }
        chartFiles = parser.positionalArguments();
        return std::nullopt;
    }
    if (sources == 0) {
        if (parser.isSet(output) || parser.isSet(format) || parser.isSet(pageSize) ||
            parser.isSet(profiles) || parser.isSet(profile)) {
            return report::usageError(QCoreApplication::translate(
                "CommandLine", "--output, --format, --page-size, --profiles and --profile need a "
                               "chart: --chart, --chart-series or --chart-patch."));
        }
        if (labelsOrMaps) {
            return report::usageError(QCoreApplication::translate(
                "CommandLine", "--labels, --labels-start, --order and --universe-map need a "
                               "chart: --chart, --chart-series or --chart-patch."));
        }
        return std::nullopt;
    }
    if (sources > 1) {
        return report::usageError(
            QCoreApplication::translate("CommandLine", "give one chart: --chart, --chart-series or "
                                                       "--chart-patch, once."));
    }
    if (parser.isSet(output) && parser.value(output).isEmpty()) {
        return report::usageError(QCoreApplication::translate(
            "CommandLine", "--output needs a file's name, or \"-\" for standard output."));
    }
    ChartRequest request;
    if (!lists.isEmpty()) {
        request.value = lists.constFirst();
    } else if (!serieses.isEmpty()) {
        request.source = ChartRequest::Source::Series;
        request.value = serieses.constFirst();
    } else {
        request.source = ChartRequest::Source::Patch;
        request.value = patches.constFirst();
    }
    request.output = parser.value(output);
    request.format = parser.value(format);
    request.pageSize = parser.value(pageSize);
    request.labels = parser.value(labels);
    request.labelsStart = parser.value(labelsStart);
    request.order = parser.value(order);
    request.universeMap = parser.isSet(universeMap);
    request.profiles = parser.value(profiles);
    request.profile = parser.value(profile);
    return ChartCommand(request).run(language);
}

} // namespace brisolant
