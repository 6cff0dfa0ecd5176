#pragma once
// A popup menu on screen: a borderless SDL window per open level (the menu, and the sub-menu of
// its highlighted item), painted by TPopupMenuView with the toolkit's canvas. It runs its own loop
// until the user picks an item or dismisses the menu; timers keep ticking and forms keep painting
// meanwhile.
//
//   pointer over an item     highlights it; an item with sub-items opens them beside it
//   release over an item     picks it (an enabled item without sub-items)
//   press outside the menu   dismisses it (the press goes nowhere else)
//   Up, Down                 move the highlight over the enabled items, wrapping round
//   Right, Left              open the highlighted item's sub-menu, close the sub-menu
//   Enter, Space             pick the highlighted item (or open its sub-menu)
//   Escape                   closes the innermost level
// The menu holds the mouse while it is open (SDL_CaptureMouse), so that a press on another
// program's window dismisses it too. SDL measures a pointer event from the window it names (a
// level, a form, or the one holding the mouse): the menu places it on the screen from there. The
// keyboard focus goes back to where it was when the menu closes.

#include <SDL.h>

#include <memory>
#include <vector>

#include "gadrix/platform/backends/sdl2/PopupMenuView.h"

namespace gadrix::sdl2 {

class TSdl2Backend;

class TSdl2PopupMenu {
public:
  explicit TSdl2PopupMenu(TSdl2Backend& Backend) : backend_(Backend) {}
  ~TSdl2PopupMenu();
  TSdl2PopupMenu(const TSdl2PopupMenu&) = delete;
  TSdl2PopupMenu& operator=(const TSdl2PopupMenu&) = delete;

  // Shows Root's items with the top-left corner at the screen point (moved to stay on the
  // screen) and returns the item picked, or null. Does not click it.
  TMenuItem* Run(TMenuItem* Root, int X, int Y);

private:
  struct TLevel {
    explicit TLevel(TMenuItem* AParent) : Parent(AParent), View(AParent) {}
    TMenuItem* Parent;
    TPopupMenuView View;
    SDL_Window* Window = nullptr;
    TPixelBuffer Pixels;
    TPoint Origin;  // on the screen
    int Hot = -1;
  };

  // Opens a level for Parent's items at ScreenPoint; where it would leave the screen on the right,
  // it ends at AlternativeRight instead. False when Parent has no visible items.
  bool Open(TMenuItem* Parent, TPoint ScreenPoint, int AlternativeRight);
  // Closes the levels from Depth on.
  void CloseFrom(std::size_t Depth);
  void Paint(TLevel& Level);
  // Highlights a row of level Depth (-1: none) and closes the sub-menus of other rows; a row
  // with sub-items opens them when OpenSub is set (the pointer rests on it).
  void SetHot(std::size_t Depth, int Index, bool OpenSub);
  // Opens the sub-menu of the highlighted item of level Depth; false when it has none.
  bool OpenSubMenu(std::size_t Depth);
  void Pick(std::size_t Depth, int Index);
  void Handle(const SDL_Event& Event);
  void HandleKey(SDL_Keycode Key);
  void HandleWindowEvent(const SDL_Event& Event);
  // The innermost level whose window covers the screen point, or -1.
  int LevelAt(TPoint ScreenPoint) const;
  // Where a point of a window's client area lies on the screen.
  static TPoint ScreenPointOf(Uint32 WindowId, int X, int Y);
  bool IsLevelWindow(Uint32 WindowId) const;
  // Fires due timers and paints the forms' dirty areas, as the application's loop does.
  void KeepApplicationAlive();
  int TimeToNextTimer() const;

  TSdl2Backend& backend_;
  std::vector<std::unique_ptr<TLevel>> levels_;
  TMenuItem* picked_ = nullptr;
  bool done_ = false;
  bool holdsMouse_ = false;
};

}  // namespace gadrix::sdl2
