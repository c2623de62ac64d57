#pragma once

#include <QGuiApplication>

#include <array>

namespace brisolant {

namespace offscreen {

// The arguments the application object is made with, which it refers to for
// as long as it lives: so they are made before it, as its first base.
struct Arguments {
    int argc = 3;
    std::array<char, 10> name{"Brisolant"};
    std::array<char, 10> option{"-platform"};
    std::array<char, 10> platform{"offscreen"};
    std::array<char*, 4> argv{name.data(), option.data(), platform.data(), nullptr};
};

} // namespace offscreen

// The application object of a PDF chart: fonts need a QGuiApplication, and
// the offscreen platform needs no display, so that a chart can be made over
// ssh whatever DISPLAY says.
class OffscreenApplication final : private offscreen::Arguments, public QGuiApplication {
public:
    OffscreenApplication();
};

} // namespace brisolant
