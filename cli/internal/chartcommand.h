#pragma once

#include "chartorder.h"
#include "chartrequest.h"
#include "consoletranslations.h"
#include "exitstatus.h"
#include "profilebook.h"
#include "rig.h"
#include "switchchart.h"

#include <QCoreApplication>
#include <QPageSize>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisolant {

struct LabelSheet;

enum class ChartFormat : std::uint8_t { Text, Csv, Pdf };

// Makes a switch chart with no window: reads the fixtures from the request's
// source, has the core check and chart them, and writes text, CSV or a PDF
// (ChartOutput says where). Nothing is written unless the chart is made, and
// an existing output file is replaced only by a complete new one. Text for a
// terminal has a heading and fits its width; into a file or a pipe it is the
// same in every language, for scripts.
class ChartCommand final {
    Q_DECLARE_TR_FUNCTIONS(ChartCommand)

public:
    explicit ChartCommand(ChartRequest request);

    // The exit status: kSuccess, kFailure (a file could not be read or
    // written) or kRefused, each failure with one line on stderr. Fixtures
    // left out and fixtures that share channels are named there too, one
    // line each, and the chart is still made. Everything it says, and the
    // PDF, is in language's language; a PDF has it make a QGuiApplication.
    [[nodiscard]] ExitStatus run(ConsoleTranslations& language) const;

private:
    // The chart's form (text, CSV or PDF) and paper; the labels' sheet
    // instead of a chart, and where on it they start; the order; the maps.
    struct Form {
        ChartFormat format = ChartFormat::Text;
        QPageSize pageSize;
        const LabelSheet* sheet = nullptr;
        int start = 1;
        ChartOrder::By order = ChartOrder::By::List;
        bool maps = false;
    };

    // Each returns nothing on success, or the exit status of a failure it has
    // reported.
    [[nodiscard]] std::optional<ExitStatus> chooseForm(Form& form) const;
    [[nodiscard]] std::optional<ExitStatus> chooseLabels(Form& form) const;
    // The profile file (--profiles, else the user's) and --profile.
    [[nodiscard]] std::optional<ExitStatus> readProfiles(ProfileBook& book) const;
    [[nodiscard]] std::optional<ExitStatus>
    readSource(Rig& rig, SwitchChart::Unsettable& unsettable, QString& title) const;

    // Renders the chart for where it goes, says what it has to say on standard
    // error, and writes it.
    [[nodiscard]] ExitStatus write(const SwitchChart::Chart& chart,
                                   const std::vector<std::string>& readerNotes, const Form& form,
                                   const QString& title) const;

    ChartRequest m_request;
};

} // namespace brisolant
