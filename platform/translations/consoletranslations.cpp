#include "consoletranslations.h"

namespace brisolant {

ConsoleTranslations::ConsoleTranslations() {
    if (!Translations::wanted(Translations::systemLanguages())) {
        return;
    }
    m_application = std::make_unique<QCoreApplication>(m_argc, m_argv.data());
    m_translations = std::make_unique<Translations>();
}

void ConsoleTranslations::replaceApplication(
    const std::function<std::unique_ptr<QCoreApplication>()>& make) {
    m_application.reset();
    m_application = make();
    if (m_translations) {
        m_translations->install();
    }
}

} // namespace brisolant
