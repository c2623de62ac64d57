#include "offscreenapplication.h"

namespace brisolant {

OffscreenApplication::OffscreenApplication()
    : QGuiApplication(argc, argv.data()) {}

} // namespace brisolant
