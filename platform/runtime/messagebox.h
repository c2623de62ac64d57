#pragma once

#include <string_view>

namespace brisolant {

// A modal message box given only a text: style 0 (one OK button, no icon) and
// no title, so the application's title shows. Returns once the user closed it.
// Line breaks in the text are single carriage returns (code 13).
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(std::string_view text) = 0;
};

} // namespace brisolant
