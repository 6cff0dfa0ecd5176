#pragma once
// Control messages: what Perform sends and a parent's Broadcast hands to every child.

#include <cstdint>

namespace gadrix {

struct TMessage {
  unsigned Msg = 0;
  std::intptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

constexpr unsigned WM_TIMER = 0x0113;
// The first message number free for a program's own messages.
constexpr unsigned WM_USER = 0x0400;

// The toolkit's notifications to a control about a change of its own or of its parent.
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 5;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 6;
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_SHOWHINTCHANGED = CM_BASE + 11;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 22;
constexpr unsigned CM_PARENTSHOWHINTCHANGED = CM_BASE + 29;

}  // namespace gadrix
