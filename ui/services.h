#pragma once

namespace brisolant {

class AppInformation;
class Clock;
class MessageBox;
class ProgramEnd;

// What the main window needs from its runtime besides Qt's widgets. main()
// hands in the real ones; tests hand in their own to set the year or to
// answer message boxes.
struct WindowServices {
    MessageBox& messageBox;
    const AppInformation& appInformation;
    const Clock& clock;
    ProgramEnd& programEnd;
};

} // namespace brisolant
