#include "consoletranslations.h"

namespace brisolant {

ConsoleTranslations::ConsoleTranslations() {
    if (!Translations::wanted(Translations::systemLanguages())) {
        return;
    }
    m_application = std::make_unique<QCoreApplication>(m_argc, m_argv.data());
    m_translations = std::make_unique<Translations>();
}

} // namespace brisolant
