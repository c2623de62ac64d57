#pragma once

namespace brisolant {

// Marks a text of the code without Qt for translation, and returns it as it
// is: lupdate reads translatable("Context", "Text") as it reads
// QT_TRANSLATE_NOOP (see translations/CMakeLists.txt), and the Qt code that
// shows the text translates it in that context.
[[nodiscard]] constexpr const char* translatable(const char* /*context*/, const char* text) {
    return text;
}

} // namespace brisolant
