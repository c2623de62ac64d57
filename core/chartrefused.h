#pragma once

#include "chartmessage.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace brisolant {

// A chart that cannot be made as asked, told in one line.
//
// The chart's own rules refuse with a fact (message()), which ChartMessages
// words in the user's language. A reader of another program's file refuses in
// its own words, already translated: what() is that line, naming the file or
// the fixture (and its line) and what was wrong, and message() is empty.
class ChartRefused final : public std::runtime_error {
public:
    explicit ChartRefused(const std::string& text)
        : std::runtime_error(text) {}
    explicit ChartRefused(ChartMessage message)
        : std::runtime_error("chart refused by its rules; see message()")
        , m_message(std::make_shared<const ChartMessage>(std::move(message))) {}

    // The fact, where the chart's rules refused; null for a reader's own words.
    [[nodiscard]] const ChartMessage* message() const { return m_message.get(); }

private:
    // Shared, so that copying the exception cannot throw.
    std::shared_ptr<const ChartMessage> m_message;
};

} // namespace brisolant
