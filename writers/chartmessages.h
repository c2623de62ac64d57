#pragma once

#include "chartmessage.h"
#include "chartrefused.h"
#include "fixtureref.h"
#include "switchchart.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace brisolant {

// The chart's messages in the user's language. The core reports facts
// (ChartMessage); this is the one place they are worded, through Qt's
// translations. Each text is one line without the program's name, as the
// command line prints it after "Brisolant: " and the chart window lists it.
//
// A fixture is named as the user knows it (FixtureRef), with its line where
// it has one: in a note or warning "101 Spot (line 4)", "Spot", "Fixture 101"
// or, with neither number nor name, by its place "Fixture 3"; at the start of
// a refusal "Fixture 101 "Spot" (line 4)", "Fixture "Spot"", "Fixture 101",
// "Fixture 3".
class ChartMessages final {
    Q_DECLARE_TR_FUNCTIONS(ChartMessages)

public:
    [[nodiscard]] static QString text(const ChartMessage& message);

    // The fact of a refusal by the chart's rules, worded; a reader's refusal
    // as it worded it.
    [[nodiscard]] static QString refusal(const ChartRefused& refused);

    // What a chart tells beside its rows: the fixtures left out, in list
    // order, then the warnings.
    [[nodiscard]] static QStringList notes(const SwitchChart::Chart& chart);

    // A fixture as a chart or a note names it, without its line: "101 Spot",
    // "Spot", "Fixture 101", "Fixture 3".
    [[nodiscard]] static QString name(const FixtureRef& fixture);

private:
    [[nodiscard]] static QString noteName(const FixtureRef& fixture);
    [[nodiscard]] static QString refusalName(const FixtureRef& fixture);
    [[nodiscard]] static QString refusalText(const ChartMessage& message);
    [[nodiscard]] static QString nothingSettable(const ChartMessage& message);
};

} // namespace brisolant
