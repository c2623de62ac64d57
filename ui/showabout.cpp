#include "showabout.h"

#include "appinformation.h"
#include "clock.h"
#include "conversions.h"
#include "messagebox.h"

namespace brisolant {

std::string aboutText(const AppInformation& app, const Clock& clock) {
    constexpr char cr = conv::kCarriageReturn;
    std::string text = app.executableBaseName();
    text += " 1.0 (Release ";
    text += conv::toDecimalText(app.major());
    text += '.';
    text += conv::toDecimalText(app.minor());
    text += '.';
    text += conv::toDecimalText(app.revision());
    text += ')';
    text += cr;
    text += "(C) ";
    text += conv::toDecimalText(clock.currentYear());
    text += kCreditLine;
    text += cr;
    text += kWebAddress;
    text += cr;
    text += cr;
    return text;
}

void ShowAbout(MessageBox& messageBox, const AppInformation& app, const Clock& clock) {
    messageBox.show(aboutText(app, clock));
}

} // namespace brisolant
