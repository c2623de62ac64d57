#include "handlerboundary.h"

#include "conversions.h"
#include "runtimeerror.h"

#include <exception>

namespace brisolant {

namespace {

// Restores the nesting depth however the handler leaves.
class DepthGuard final {
public:
    explicit DepthGuard(int& depth)
        : m_depth(depth) {
        ++m_depth;
    }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& m_depth;
};

} // namespace

HandlerBoundary::HandlerBoundary(MessageBox& messageBox)
    : m_messageBox(messageBox) {}

bool HandlerBoundary::run(const std::function<void()>& handler) {
    if (m_depth > 0) {
        const DepthGuard guard(m_depth);
        handler();
        return true;
    }
    std::string report;
    {
        const DepthGuard guard(m_depth);
        try {
            handler();
            return true;
        } catch (...) {
            report = describeCurrentException();
        }
    }
    // Shown outside the handler, so that anything run from the message box's
    // own event loop starts again at the outermost level.
    m_messageBox.show(report);
    return false;
}

std::string HandlerBoundary::describeCurrentException() {
    try {
        throw;
    } catch (const RuntimeError& error) {
        const std::string name = RuntimeError::standardDescription(error.number());
        //: %1 is the error's number, which users quote to the developers; %2 its name.
        std::string number =
            tr("Run-time error %1: %2.")
                .arg(QString::number(error.code()),
                     QCoreApplication::translate("brisolant::RuntimeError", name.c_str()))
                .toStdString();
        if (name == error.what()) {
            return number;
        }
        return std::string(error.what()) + conv::kCarriageReturn + conv::kCarriageReturn + number;
    } catch (const std::exception& error) {
        //: %1 is the error's own text, in English.
        return tr("Unexpected error: %1").arg(QString::fromUtf8(error.what())).toStdString();
    } catch (...) {
        return tr("Unexpected error.").toStdString();
    }
}

} // namespace brisolant
