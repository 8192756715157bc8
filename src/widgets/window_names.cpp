#include "widgets/window_names.h"

#include <array>

#include "settings/enum_table.h"

namespace {

struct WindowName {
  WindowId window;
  const char* objectName;
  const char* caption;
};

constexpr std::array<WindowName, 7> kWindowNames{{
    {WindowId::Main, "OL_HALTDECK_MAIN", "OL-HALTDECK"},
    {WindowId::About, "OL_HALTDECK_ABOUT", "OL-HALTDECK - ABOUT"},
    {WindowId::RunOptions, "OL_HALTDECK_RUN_OPTION_WINDOW", "OL-HALTDECK - SELECT OPTION:"},
    {WindowId::ConfirmAction, "OL_HALTDECK_CONFIRM_ACTION_WINDOW",
     "OL-HALTDECK - !!! CONFIRM ACTION !!!"},
    {WindowId::Autotimer, "OL_HALTDECK_AUTOTIMER_WINDOW", "OL-HALTDECK - AUTOTIMER"},
    {WindowId::SguiSimple, "OL_HALTDECK_SGUI_SIMPLE", "OL-HALTDECK - SHUTDOWN GUI - SIMPLE"},
    {WindowId::SguiAdvanced, "OL_HALTDECK_SGUI_ADVANCED", "OL-HALTDECK - SHUTDOWN GUI - ADVANCED"},
}};
static_assert(rowsFollowEnum(kWindowNames, &WindowName::window));

}  // namespace

const char* windowObjectName(WindowId window) {
  return kWindowNames[size_t(window)].objectName;
}

const char* windowCaption(WindowId window) {
  return kWindowNames[size_t(window)].caption;
}
