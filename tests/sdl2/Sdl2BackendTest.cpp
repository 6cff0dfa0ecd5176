// The SDL2 backend on SDL's dummy video driver: real SDL windows and events, no display.

#include <gtest/gtest.h>

#include <SDL.h>

#include "gadrix/platform/backends/sdl2/Sdl2Backend.h"
#include "gadrix/platform/controls/Controls.h"
#include "platform/ControlTestSupport.h"

namespace gadrix::sdl2 {
namespace {

using testing::TProbe;

class Sdl2BackendTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (started) return;
    std::unique_ptr<TBackend> backend = CreateSdl2Backend();
    ASSERT_NE(backend, nullptr) << SDL_GetError();
    SetBackend(std::move(backend));
    started = true;
  }

  // A shown form with a probe at (10, 10), 20 x 20, that logs what reaches it.
  TForm* ShowForm(const std::string& Caption) {
    form_.reset(new TForm(nullptr));
    form_->SetCaption(Caption);
    form_->SetBounds(40, 30, 200, 150);
    probe_ = new TProbe(form_.get(), &log_);
    probe_->SetBounds(10, 10, 20, 20);
    probe_->SetParent(form_.get());
    form_->Show();
    Application->ProcessMessages();
    window_ = WindowOf(form_.get());
    return form_.get();
  }

  // The SDL window showing a form, found by its title.
  static SDL_Window* WindowOf(const TForm* Form) {
    for (Uint32 id = 1; id < 1000; ++id) {
      SDL_Window* window = SDL_GetWindowFromID(id);
      if (window != nullptr && Form->GetCaption() == SDL_GetWindowTitle(window)) return window;
    }
    return nullptr;
  }

  // Queues an event and lets the application handle it.
  static void Deliver(SDL_Event Event) {
    ASSERT_EQ(SDL_PushEvent(&Event), 1);
    Application->ProcessMessages();
  }

  void Button(Uint32 Type, Uint8 Button, int X, int Y) {
    SDL_Event e{};
    e.type = Type;
    e.button.windowID = SDL_GetWindowID(window_);
    e.button.button = Button;
    e.button.state = Type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = X;
    e.button.y = Y;
    Deliver(e);
  }

  void Motion(int X, int Y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = SDL_GetWindowID(window_);
    e.motion.x = X;
    e.motion.y = Y;
    Deliver(e);
  }

  void KeyEvent(Uint32 Type, SDL_Keycode Symbol, SDL_Scancode Scancode, Uint16 Modifiers = KMOD_NONE) {
    SDL_Event e{};
    e.type = Type;
    e.key.windowID = SDL_GetWindowID(window_);
    e.key.state = Type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = Symbol;
    e.key.keysym.scancode = Scancode;
    e.key.keysym.mod = Modifiers;
    Deliver(e);
  }

  void Text(const char* Utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = SDL_GetWindowID(window_);
    SDL_strlcpy(e.text.text, Utf8, sizeof e.text.text);
    Deliver(e);
  }

  void WindowEvent(SDL_Window* Window, Uint8 Event) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SDL_GetWindowID(Window);
    e.window.event = Event;
    Deliver(e);
  }

  // The colour the window shows at a point of its client area.
  static TColor ShownPixel(SDL_Window* Window, int X, int Y) {
    SDL_Surface* surface = SDL_GetWindowSurface(Window);
    const auto* row = static_cast<const Uint8*>(surface->pixels) + Y * surface->pitch;
    Uint32 pixel = 0;
    SDL_memcpy(&pixel, row + X * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return RGB(r, g, b);
  }

  static void SetShownPixel(SDL_Window* Window, int X, int Y, TColor Color) {
    SDL_Surface* surface = SDL_GetWindowSurface(Window);
    const Uint32 pixel = SDL_MapRGB(surface->format, GetRValue(Color), GetGValue(Color), GetBValue(Color));
    auto* row = static_cast<Uint8*>(surface->pixels) + Y * surface->pitch;
    SDL_memcpy(row + X * surface->format->BytesPerPixel, &pixel, surface->format->BytesPerPixel);
  }

  static bool started;
  std::unique_ptr<TForm> form_;
  TProbe* probe_ = nullptr;
  SDL_Window* window_ = nullptr;
  std::vector<std::string> log_;
};

bool Sdl2BackendTest::started = false;

TEST_F(Sdl2BackendTest, UseSdl2BackendRefusesSdlsDummyDriverAndKeepsTheBackend) {
  TBackend* before = &Backend();
  EXPECT_FALSE(UseSdl2Backend());
  EXPECT_EQ(&Backend(), before);
  EXPECT_TRUE(Backend().IsInteractive());
}

TEST_F(Sdl2BackendTest, AFormHasAWindowOfItsClientSizeAndCaption) {
  TForm* form = ShowForm("Size and caption");
  ASSERT_NE(window_, nullptr);
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  EXPECT_EQ(w, 200);
  EXPECT_EQ(h, 150);
  EXPECT_TRUE(SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN);
  form->SetWidth(260);
  SDL_GetWindowSize(window_, &w, &h);
  EXPECT_EQ(w, 260);
  form->Hide();
  EXPECT_TRUE(SDL_GetWindowFlags(window_) & SDL_WINDOW_HIDDEN);
  form->SetCaption("Renamed");
  EXPECT_STREQ(SDL_GetWindowTitle(window_), "Renamed");
  form_.reset();
  for (Uint32 id = 1; id < 1000; ++id) {
    SDL_Window* window = SDL_GetWindowFromID(id);
    EXPECT_TRUE(window == nullptr || std::string(SDL_GetWindowTitle(window)) != "Renamed");
  }
}

TEST_F(Sdl2BackendTest, TheWindowShowsTheBackBufferInItsColours) {
  ShowForm("Colours");
  probe_->Fill = RGB(255, 128, 0);
  probe_->Repaint();
  EXPECT_EQ(ShownPixel(window_, 15, 15), RGB(255, 128, 0));
  EXPECT_EQ(ShownPixel(window_, 2, 2), ColorToRGB(clBtnFace));
  EXPECT_EQ(ShownPixel(window_, 29, 29), RGB(255, 128, 0));
  EXPECT_EQ(ShownPixel(window_, 30, 30), ColorToRGB(clBtnFace));
}

TEST_F(Sdl2BackendTest, OnlyTheDirtyAreasAreShownAgainUntilTheSystemLosesThePixels) {
  ShowForm("Dirty areas");
  SetShownPixel(window_, 100, 100, clFuchsia);
  probe_->Fill = clBlue;
  probe_->Invalidate();
  Application->ProcessMessages();
  EXPECT_EQ(ShownPixel(window_, 15, 15), clBlue);
  EXPECT_EQ(ShownPixel(window_, 100, 100), clFuchsia);
  WindowEvent(window_, SDL_WINDOWEVENT_EXPOSED);
  EXPECT_EQ(ShownPixel(window_, 100, 100), ColorToRGB(clBtnFace));
}

TEST_F(Sdl2BackendTest, MouseEventsReachTheControlInItsOwnCoordinates) {
  ShowForm("Mouse");
  TMouseButton button = mbMiddle;
  TShiftState shift = 0;
  probe_->SetOnMouseDown([&](TObject*, TMouseButton B, TShiftState S, int, int) {
    button = B;
    shift = S;
  });
  Motion(16, 13);
  Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 15, 12);
  Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 15, 12);
  Motion(100, 100);
  EXPECT_EQ(log_, (std::vector<std::string>{"enter", "move 6,3", "focus", "down 5,2", "up 5,2", "click", "leave"}));
  EXPECT_EQ(button, mbLeft);
  EXPECT_EQ(shift, ssLeft);

  log_.clear();
  SDL_SetModState(KMOD_LSHIFT);
  Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 12, 12);
  Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 12, 12);
  SDL_SetModState(KMOD_NONE);
  EXPECT_EQ(button, mbRight);
  EXPECT_EQ(shift, ssRight | ssShift);
  EXPECT_EQ(log_, (std::vector<std::string>{"enter", "down 2,2", "up 2,2"}));

  log_.clear();
  WindowEvent(window_, SDL_WINDOWEVENT_LEAVE);
  EXPECT_EQ(log_, std::vector<std::string>{"leave"});
  // The side buttons are no toolkit buttons.
  log_.clear();
  Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 12, 12);
  EXPECT_TRUE(log_.empty());
}

TEST_F(Sdl2BackendTest, TheWheelTurnsTheControlUnderThePointer) {
  ShowForm("Wheel");
  std::vector<int> deltas;
  probe_->SetOnMouseWheel([&](TObject*, TShiftState, int Delta, TPoint, bool& Handled) {
    deltas.push_back(Delta);
    Handled = true;
  });
  Motion(15, 15);
  for (const auto& [notches, direction] : {std::pair{1, SDL_MOUSEWHEEL_NORMAL}, std::pair{-2, SDL_MOUSEWHEEL_NORMAL},
                                           std::pair{1, SDL_MOUSEWHEEL_FLIPPED}, std::pair{0, SDL_MOUSEWHEEL_NORMAL}}) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = SDL_GetWindowID(window_);
    e.wheel.y = notches;
    e.wheel.direction = direction;
    Deliver(e);
  }
  EXPECT_EQ(deltas, (std::vector<int>{120, -240, -120}));
  Motion(150, 100);
  SDL_Event e{};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = SDL_GetWindowID(window_);
  e.wheel.y = 1;
  Deliver(e);
  EXPECT_EQ(deltas.size(), 3u);
}

TEST_F(Sdl2BackendTest, KeysAndTextReachTheFocusedControl) {
  ShowForm("Keys");
  probe_->SetFocus();
  log_.clear();
  KeyEvent(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A);
  Text("a");
  KeyEvent(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A);
  EXPECT_EQ(log_, (std::vector<std::string>{"keydown 65", "char 97", "keyup 65"}));

  log_.clear();
  KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
  KeyEvent(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN);
  KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
  EXPECT_EQ(log_, (std::vector<std::string>{"keydown 8", "char 8", "keydown 13", "char 13", "keydown 27", "char 27"}));

  // Control+C types 3 from its key; the text SDL may add for it is not typed again.
  log_.clear();
  KeyEvent(SDL_KEYDOWN, SDLK_c, SDL_SCANCODE_C, KMOD_LCTRL);
  SDL_SetModState(KMOD_LCTRL);
  Text("c");
  SDL_SetModState(KMOD_NONE);
  EXPECT_EQ(log_, (std::vector<std::string>{"keydown 67", "char 3"}));

  log_.clear();
  Text("\xC3\xA9\xE2\x82\xAC");
  KeyEvent(SDL_KEYDOWN, SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP);
  EXPECT_EQ(log_, (std::vector<std::string>{"char 233", "char 8364"}));
}

TEST_F(Sdl2BackendTest, ResizingTheWindowResizesTheForm) {
  TForm* form = ShowForm("Resize");
  SDL_SetWindowSize(window_, 300, 180);
  Application->ProcessMessages();
  EXPECT_EQ(form->GetWidth(), 300);
  EXPECT_EQ(form->GetHeight(), 180);
  EXPECT_EQ(form->BackBuffer().Width(), 300);
  EXPECT_EQ(ShownPixel(window_, 250, 150), ColorToRGB(clBtnFace));
}

TEST_F(Sdl2BackendTest, TheCloseButtonAsksTheForm) {
  TForm* form = ShowForm("Close");
  bool canClose = false;
  form->SetOnCloseQuery([&](TObject*, bool& CanClose) { CanClose = canClose; });
  WindowEvent(window_, SDL_WINDOWEVENT_CLOSE);
  EXPECT_TRUE(form->GetVisible());
  canClose = true;
  WindowEvent(window_, SDL_WINDOWEVENT_CLOSE);
  EXPECT_FALSE(form->GetVisible());
}

TEST_F(Sdl2BackendTest, AModalFormKeepsInputFromTheOthers) {
  ShowForm("Behind the modal form");
  TForm dialog(nullptr);
  dialog.SetCaption("Modal");
  int ticks = 0;
  TTimer timer(nullptr);
  timer.SetInterval(1);
  timer.SetOnTimer([&](TObject*) {
    if (++ticks == 1) {
      SDL_Event e{};
      e.type = SDL_MOUSEBUTTONDOWN;
      e.button.windowID = SDL_GetWindowID(window_);
      e.button.button = SDL_BUTTON_LEFT;
      e.button.x = e.button.y = 15;
      SDL_PushEvent(&e);
    } else if (ticks == 3) {
      dialog.SetModalResult(mrOk);
    }
  });
  log_.clear();
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_GE(ticks, 3);
  EXPECT_TRUE(log_.empty());
  Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 15, 15);
  EXPECT_EQ(log_.back(), "down 5,5");
}

TEST_F(Sdl2BackendTest, ClipboardHoldsText) {
  Clipboard()->SetAsText("Gadrix \xC3\xA9");
  EXPECT_TRUE(Clipboard()->HasText());
  EXPECT_EQ(Clipboard()->GetAsText(), "Gadrix \xC3\xA9");
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasText());
  EXPECT_EQ(Clipboard()->GetAsText(), "");
}

TEST_F(Sdl2BackendTest, TimersTickOnTheUiThreadWithTheRealClock) {
  int ticks = 0;
  TTimer timer(nullptr);
  timer.SetInterval(2);
  timer.SetOnTimer([&](TObject*) { ++ticks; });
  const std::uint64_t start = Backend().Now();
  // A generous bound, so that a busy machine does not fail the test: it only must not hang.
  while (ticks < 3 && Backend().Now() - start < 10000) Application->HandleMessage();
  EXPECT_EQ(ticks, 3);
  EXPECT_GE(Backend().Now(), start + 4);
}

}  // namespace
}  // namespace gadrix::sdl2
