#include "showabout.h"

#include "appinformation.h"
#include "clock.h"
#include "conversions.h"
#include "messagebox.h"

#include <QCoreApplication>

namespace brisolant {

std::string aboutText(const AppInformation& app, const Clock& clock) {
    constexpr char cr = conv::kCarriageReturn;
    const QString release = QStringLiteral("%1.%2.%3")
                                .arg(QString::number(app.major()), QString::number(app.minor()),
                                     QString::number(app.revision()));
    //: The About message's first line: %1 the program's file name, %2 its release (1.3.0).
    std::string text = QCoreApplication::translate("brisolant::ShowAbout", "%1 1.0 (Release %2)")
                           .arg(QString::fromStdString(app.executableBaseName()), release)
                           .toStdString();
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
