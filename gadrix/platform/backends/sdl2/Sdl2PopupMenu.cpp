#include "gadrix/platform/backends/sdl2/Sdl2PopupMenu.h"

#include <algorithm>

#include "gadrix/platform/backends/sdl2/Sdl2BackendImpl.h"
#include "gadrix/platform/backends/sdl2/Sdl2Window.h"
#include "gadrix/platform/controls/Application.h"

namespace gadrix::sdl2 {
namespace {

// A sub-menu overlaps its parent level by this much, as classic menus do.
constexpr int kSubMenuOverlap = 3;

}  // namespace

TSdl2PopupMenu::~TSdl2PopupMenu() {
  // Also when an exception ends the loop early.
  if (holdsMouse_) SDL_CaptureMouse(SDL_FALSE);
  CloseFrom(0);
}

TMenuItem* TSdl2PopupMenu::Run(TMenuItem* Root, int X, int Y) {
  // Where the systems let it, the menu does not take the keyboard focus from the form.
  SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "1");
  SDL_Window* focus = SDL_GetKeyboardFocus();
  const Uint32 focusId = focus != nullptr ? SDL_GetWindowID(focus) : 0;
  if (!Open(Root, {X, Y}, X)) return nullptr;
  holdsMouse_ = SDL_CaptureMouse(SDL_TRUE) == 0;
  while (!done_) {
    SDL_Event event;
    if (backend_.WaitEvent(event, TimeToNextTimer())) {
      Handle(event);
      while (!done_ && SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) Handle(event);
    }
    KeepApplicationAlive();
  }
  if (holdsMouse_) SDL_CaptureMouse(SDL_FALSE);
  holdsMouse_ = false;
  CloseFrom(0);
  if (SDL_Window* before = focusId != 0 ? SDL_GetWindowFromID(focusId) : nullptr; before != nullptr) {
    if (SDL_GetKeyboardFocus() != before && SDL_SetWindowInputFocus(before) != 0) SDL_RaiseWindow(before);
  }
  return picked_;
}

bool TSdl2PopupMenu::Open(TMenuItem* Parent, TPoint ScreenPoint, int AlternativeRight) {
  auto level = std::make_unique<TLevel>(Parent);
  if (level->View.Count() == 0) return false;
  const TSize size = level->View.Size();
  const TRect screen = backend_.ScreenBounds();
  int x = ScreenPoint.X, y = ScreenPoint.Y;
  if (x + size.cx > screen.Right) x = AlternativeRight - size.cx;
  if (y + size.cy > screen.Bottom) y = screen.Bottom - size.cy;
  level->Origin = {std::max(x, screen.Left), std::max(y, screen.Top)};
  level->Window = SDL_CreateWindow("", level->Origin.X, level->Origin.Y, size.cx, size.cy,
                                   SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU |
                                       SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR);
  if (level->Window == nullptr) return false;
  level->Pixels.Resize(size.cx, size.cy);
  Paint(*level);
  SDL_ShowWindow(level->Window);
  PresentPixels(level->Window, level->Pixels, level->Pixels.Bounds());
  levels_.push_back(std::move(level));
  return true;
}

void TSdl2PopupMenu::CloseFrom(std::size_t Depth) {
  while (levels_.size() > Depth) {
    SDL_DestroyWindow(levels_.back()->Window);
    levels_.pop_back();
  }
}

void TSdl2PopupMenu::Paint(TLevel& Level) {
  TCanvas canvas(&Level.Pixels);
  Level.View.Paint(&canvas, Level.Hot);
  PresentPixels(Level.Window, Level.Pixels, Level.Pixels.Bounds());
}

void TSdl2PopupMenu::SetHot(std::size_t Depth, int Index, bool OpenSub) {
  TLevel& level = *levels_[Depth];
  if (!level.View.Selectable(Index)) Index = -1;
  if (level.Hot != Index) {
    level.Hot = Index;
    Paint(level);
  }
  const bool ownSubOpen = levels_.size() > Depth + 1 && levels_[Depth + 1]->Parent == level.View.Item(Index);
  if (!ownSubOpen) CloseFrom(Depth + 1);
  if (OpenSub) OpenSubMenu(Depth);
}

bool TSdl2PopupMenu::OpenSubMenu(std::size_t Depth) {
  TLevel& level = *levels_[Depth];
  if (!level.View.HasSubMenu(level.Hot)) return false;
  TMenuItem* item = level.View.Item(level.Hot);
  if (levels_.size() > Depth + 1 && levels_[Depth + 1]->Parent == item) return true;
  CloseFrom(Depth + 1);
  const TRect row = level.View.ItemRect(level.Hot);
  const TPoint beside{level.Origin.X + level.View.Size().cx - kSubMenuOverlap,
                      level.Origin.Y + row.Top - TPopupMenuView::Border};
  return Open(item, beside, level.Origin.X + kSubMenuOverlap);
}

void TSdl2PopupMenu::Pick(std::size_t Depth, int Index) {
  const TPopupMenuView& view = levels_[Depth]->View;
  if (!view.Selectable(Index)) return;
  if (view.HasSubMenu(Index)) {
    SetHot(Depth, Index, true);
    if (levels_.size() > Depth + 1) SetHot(Depth + 1, levels_[Depth + 1]->View.NextSelectable(-1, true), false);
    return;
  }
  picked_ = view.Item(Index);
  done_ = true;
}

int TSdl2PopupMenu::LevelAt(TPoint ScreenPoint) const {
  for (int i = static_cast<int>(levels_.size()) - 1; i >= 0; --i) {
    const TLevel& level = *levels_[i];
    const TSize size = level.View.Size();
    if (Bounds(level.Origin.X, level.Origin.Y, size.cx, size.cy).Contains(ScreenPoint)) return i;
  }
  return -1;
}

TPoint TSdl2PopupMenu::ScreenPointOf(Uint32 WindowId, int X, int Y) {
  int left = 0, top = 0;
  if (SDL_Window* window = SDL_GetWindowFromID(WindowId)) SDL_GetWindowPosition(window, &left, &top);
  return {left + X, top + Y};
}

bool TSdl2PopupMenu::IsLevelWindow(Uint32 WindowId) const {
  return std::any_of(levels_.begin(), levels_.end(),
                     [&](const auto& level) { return SDL_GetWindowID(level->Window) == WindowId; });
}

void TSdl2PopupMenu::Handle(const SDL_Event& Event) {
  switch (Event.type) {
    case SDL_MOUSEMOTION: {
      const TPoint at = ScreenPointOf(Event.motion.windowID, Event.motion.x, Event.motion.y);
      if (const int depth = LevelAt(at); depth >= 0) {
        const TLevel& level = *levels_[depth];
        SetHot(depth, level.View.ItemAt({at.X - level.Origin.X, at.Y - level.Origin.Y}), true);
      }
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
      if (LevelAt(ScreenPointOf(Event.button.windowID, Event.button.x, Event.button.y)) < 0) done_ = true;
      break;
    case SDL_MOUSEBUTTONUP: {
      const TPoint at = ScreenPointOf(Event.button.windowID, Event.button.x, Event.button.y);
      if (const int depth = LevelAt(at); depth >= 0) {
        const TLevel& level = *levels_[depth];
        const int index = level.View.ItemAt({at.X - level.Origin.X, at.Y - level.Origin.Y});
        if (!level.View.HasSubMenu(index)) Pick(depth, index);
      }
      break;
    }
    case SDL_KEYDOWN: HandleKey(Event.key.keysym.sym); break;
    case SDL_WINDOWEVENT: HandleWindowEvent(Event); break;
    case SDL_QUIT:
      backend_.Dispatch(Event);
      done_ = true;
      break;
    default: break;
  }
}

void TSdl2PopupMenu::HandleWindowEvent(const SDL_Event& Event) {
  const SDL_WindowEvent& e = Event.window;
  if (IsLevelWindow(e.windowID)) {
    for (const auto& level : levels_)
      if (e.event == SDL_WINDOWEVENT_EXPOSED && SDL_GetWindowID(level->Window) == e.windowID)
        PresentPixels(level->Window, level->Pixels, level->Pixels.Bounds());
    return;
  }
  switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE: {
      // The form's close request is handled once the menu is gone.
      SDL_Event again = Event;
      SDL_PushEvent(&again);
      done_ = true;
      break;
    }
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST: break;  // the menu and the pointer move the focus about
    default: backend_.Dispatch(Event);  // repaint, resize, pointer leaving
  }
}

void TSdl2PopupMenu::HandleKey(SDL_Keycode Key) {
  const std::size_t depth = levels_.size() - 1;
  TLevel& level = *levels_[depth];
  switch (Key) {
    case SDLK_ESCAPE:
      if (depth == 0) done_ = true;
      else CloseFrom(depth);
      break;
    case SDLK_UP:
    case SDLK_DOWN: SetHot(depth, level.View.NextSelectable(level.Hot, Key == SDLK_DOWN), false); break;
    case SDLK_RIGHT:
      if (OpenSubMenu(depth)) SetHot(depth + 1, levels_[depth + 1]->View.NextSelectable(-1, true), false);
      break;
    case SDLK_LEFT:
      if (depth > 0) CloseFrom(depth);
      break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE: Pick(depth, level.Hot); break;
    default: break;
  }
}

int TSdl2PopupMenu::TimeToNextTimer() const {
  const auto due = Application->Timers().NextDue();
  if (!due) return -1;
  const std::uint64_t now = backend_.Now();
  return *due <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(*due - now, 1u << 30));
}

void TSdl2PopupMenu::KeepApplicationAlive() {
  try {
    Application->Timers().FireDue(backend_.Now());
    for (int i = 0; i < Screen->GetFormCount(); ++i) {
      TForm* form = Screen->GetForms(i);
      if (form->GetVisible() && !form->DirtyRects().empty()) form->PaintPending();
    }
  } catch (const std::exception& e) {
    Application->HandleException(e);
  }
}

}  // namespace gadrix::sdl2
