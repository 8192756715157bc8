#pragma once

#include <array>

// Where the countdown window's controls sit, in twips of its client area (5895 x 3915).
namespace autotimer_layout {

struct Box {
  int left;
  int top;
  int width;
  int height;
};

struct TextControl {
  const char* name;
  const char* text;
  Box box;
};

inline constexpr std::array<TextControl, 3> kTitles{{
    {"OL_TITLE_1", "OAK-LANTERN", {120, 120, 1935, 375}},
    {"OL_TITLE_3", "OL-HD", {2160, 120, 1575, 375}},
    {"OL_TITLE_2", "OL-HALTDECK", {3840, 120, 1935, 375}},
}};

inline constexpr TextControl kStatusLabel{
    "AUTOTIMER_TITLE_LABEL", "!!! STATUS !!!", {120, 600, 5655, 375}};

// In the order of the action catalogue.
struct ActionButton {
  const char* picture;
  Box box;
};
inline constexpr std::array<ActionButton, 4> kActionButtons{{
    {"action_shutdown", {720, 1080, 615, 615}},
    {"action_restart", {1680, 1080, 615, 615}},
    {"action_hibernate", {2640, 1080, 615, 615}},
    {"action_logoff", {3600, 1080, 615, 615}},
}};

inline constexpr TextControl kCloseButton{"CLOSE_BUTTON", "", {4560, 1080, 615, 615}};

// The captions under the row of picture buttons.
inline constexpr std::array<TextControl, 5> kButtonCaptions{{
    {"Label1", "Shutdown", {720, 1800, 735, 255}},
    {"Label2", "Restart", {1680, 1800, 615, 255}},
    {"Label4", "Hibernate", {2640, 1800, 735, 255}},
    {"Label5", "Logoff", {3720, 1800, 495, 255}},
    {"Label3", "Close", {4560, 1800, 615, 255}},
}};

inline constexpr TextControl kActionBox{
    "AUTOTIMER_ACTION_TEXTBOX", "!!! SELECT ACTION !!!", {120, 2040, 5655, 375}};

// The headings above the hours, minutes and seconds of the countdown box.
inline constexpr std::array<TextControl, 3> kClockHeadings{{
    {"HOURS_LABEL", "Hours", {1800, 2520, 495, 255}},
    {"MINUTES_LABEL", "Minutes", {2640, 2520, 735, 255}},
    {"SECONDS_LABEL", "Seconds", {3480, 2520, 735, 255}},
}};

inline constexpr TextControl kCancelButton{"CANCEL_BUTTON", "Cancel", {240, 2640, 1095, 975}};
inline constexpr TextControl kCountdownBox{
    "CLOSE_REQUEST_COUNTDOWN_TEXTBOX", "00:00:00", {1440, 2760, 3015, 870}};
inline constexpr TextControl kOkButton{"OK_BUTTON", "OK", {4560, 2640, 1095, 975}};

inline constexpr int kPicturePixels = 32;
inline constexpr double kCaptionFontPoints = 8.25;  // the plain labels
inline constexpr double kActionBoxFontPoints = 14.25;
inline constexpr double kBigButtonFontPoints = 12;
inline constexpr double kCountdownFontPoints = 27.75;

}  // namespace autotimer_layout
