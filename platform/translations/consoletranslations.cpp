#include "consoletranslations.h"

#include <clocale>

namespace brisolant {

ConsoleTranslations::ConsoleTranslations() {
    if (!Translations::wanted(Translations::systemLanguages())) {
        return;
    }
    // Qt sets the C library's locale from the environment; what is printed
    // after this ends must not depend on whether it was made.
    const char* const current = std::setlocale(LC_ALL, nullptr);
    m_cLocale = current != nullptr ? current : "C";
    m_application = std::make_unique<QCoreApplication>(m_argc, m_argv.data());
    m_translations = std::make_unique<Translations>();
}

ConsoleTranslations::~ConsoleTranslations() {
    if (m_application) {
        m_translations.reset();
        m_application.reset();
        std::setlocale(LC_ALL, m_cLocale.c_str());
    }
}

} // namespace brisolant
