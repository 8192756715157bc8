#pragma once

#include "widgets/twips.h"

// One row of a window's layout table: the control's object name, its caption or initial
// text (empty for none), and its rectangle in twips of the client area.
struct ControlSpec {
  const char* name;
  const char* text;
  TwipsRect rect;
};

// A rectangle of the client area moved into a child frame whose top-left corner lies at
// (left, top) of the client area.
constexpr TwipsRect insideFrame(const TwipsRect& rect, const TwipsRect& frame) {
  return {rect.left - frame.left, rect.top - frame.top, rect.width, rect.height};
}
