#pragma once

#include "translations.h"

#include <QCoreApplication>

#include <array>
#include <functional>
#include <memory>

namespace brisolant {

// The user's language for what the program prints on the console, before it
// has an application object of its own (--help, a usage error, a display it
// cannot open) and through a switch chart to its end: translations are found
// and used through one, so this makes one, but only when the user asks for a
// language other than English, which then costs nothing. Only one
// application object may exist at a time: end this before another is made,
// or have this make it.
class ConsoleTranslations final {
public:
    ConsoleTranslations();

    // Ends the application object holding the translations, if there is one,
    // and has make create the one that takes its place, in English too, with
    // the same translations: a PDF's fonts need a QGuiApplication.
    void replaceApplication(const std::function<std::unique_ptr<QCoreApplication>()>& make);

private:
    int m_argc = 1;
    std::array<char, 10> m_name{"Brisolant"};
    std::array<char*, 2> m_argv{m_name.data(), nullptr};
    std::unique_ptr<QCoreApplication> m_application;
    // Declared after the application object, so that it ends first.
    std::unique_ptr<Translations> m_translations;
};

} // namespace brisolant
