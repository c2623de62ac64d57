#pragma once

#include "messagebox.h"

#include <QCoreApplication>

#include <functional>
#include <string>

namespace brisolant {

// The one place where an event handler's error is caught. Every handler the
// window runs for Qt goes through run(): an error reaching it is reported in a
// message box and the program carries on, so no exception ever unwinds into
// Qt's event loop. Handlers nested inside another (a Click raised by code)
// pass their errors on to the outermost one, as the routines themselves do.
class HandlerBoundary final {
    Q_DECLARE_TR_FUNCTIONS(HandlerBoundary)

public:
    explicit HandlerBoundary(MessageBox& messageBox);

    // Runs handler; true when it finished without an error.
    bool run(const std::function<void()>& handler);

    // The report shown for the error being handled: what went wrong and the
    // run-time error's number and name, in the user's language.
    [[nodiscard]] static std::string describeCurrentException();

private:
    MessageBox& m_messageBox;
    int m_depth = 0;
};

} // namespace brisolant
