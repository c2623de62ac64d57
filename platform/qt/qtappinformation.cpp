#include "qtappinformation.h"

#include "brisolant_version.h"

#include <QCoreApplication>

namespace brisolant {

std::string QtAppInformation::executableBaseName() const {
    // Read at each call: the About message names the file as it runs now.
    return baseNameOfExecutable(QCoreApplication::applicationFilePath().toStdString());
}

std::int16_t QtAppInformation::major() const {
    return version::kMajor;
}
std::int16_t QtAppInformation::minor() const {
    return version::kMinor;
}
std::int16_t QtAppInformation::revision() const {
    return version::kRevision;
}

} // namespace brisolant
