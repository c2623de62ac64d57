#pragma once

#include "translations.h"

#include <QCoreApplication>

#include <array>
#include <memory>

namespace brisolant {

// The user's language for what the program prints before it has an
// application object of its own (--help, a usage error, a display it cannot
// open): translations are found and used through one, so this makes one, but
// only when the user asks for a language other than English, which then
// costs nothing. Only one application object may exist at a time: end this
// before another is made.
class ConsoleTranslations final {
public:
    ConsoleTranslations();

private:
    int m_argc = 1;
    std::array<char, 10> m_name{"Brisolant"};
    std::array<char*, 2> m_argv{m_name.data(), nullptr};
    std::unique_ptr<QCoreApplication> m_application;
    // Declared after the application object, so that it ends first.
    std::unique_ptr<Translations> m_translations;
};

} // namespace brisolant
