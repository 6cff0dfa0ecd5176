#pragma once
// The application object, the screen, the clipboard and the beep: the toolkit's global services.

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "gadrix/platform/controls/Form.h"
#include "gadrix/platform/controls/Timers.h"

namespace gadrix {

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Runs the event loop until Terminate (or until the main form closes). The headless backend
  // has no events to wait for: Run handles what is pending and returns.
  void Run();
  void Terminate() { terminated_ = true; }
  bool GetTerminated() const { return terminated_; }
  // Handles what waits (input, due timers, painting) without waiting.
  void ProcessMessages();
  // Waits for input or the next timer, then handles what waits.
  void HandleMessage();

  // Reports an exception from an event handler or a timer tick: OnException when assigned,
  // else the message on standard error.
  void HandleException(const std::exception& E);
  TExceptionEvent GetOnException() const { return onException_; }
  void SetOnException(TExceptionEvent Value) { onException_ = std::move(Value); }

  // The first form created through CreateForm, or the one set here.
  TForm* GetMainForm() const { return mainForm_; }
  void SetMainForm(TForm* Value) { mainForm_ = Value; }
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (mainForm_ == nullptr) mainForm_ = form;
    return form;
  }
  const std::string& GetTitle() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }

  // Deletes a component once the current event has been handled (a form that frees itself).
  void ReleaseLater(TComponent* Component);
  TTimerQueue& Timers() { return timers_; }

private:
  void PaintForms();
  void DeleteReleased();

  bool terminated_ = false;
  TForm* mainForm_ = nullptr;
  std::string title_ = "Gadrix";
  TExceptionEvent onException_;
  TTimerQueue timers_;
  std::vector<TComponent*> released_;
};

class TScreen : public TComponent {
public:
  explicit TScreen(TComponent* AOwner);

  // A cursor for the whole application (crHourGlass during a long operation); crDefault lets each
  // control show its own.
  TCursor GetCursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  int GetFormCount() const { return static_cast<int>(forms_.size()); }
  TForm* GetForms(int Index) const;
  // The form that was shown last and is still visible, or null.
  TForm* GetActiveForm() const;
  int GetWidth() const;
  int GetHeight() const;
  int GetPixelsPerInch() const { return 96; }

  void AddForm(TForm* Form);
  void RemoveForm(TForm* Form);

private:
  TCursor cursor_ = crDefault;
  std::vector<TForm*> forms_;
};

extern TApplication* Application;
extern TScreen* Screen;

// The clipboard, holding text.
class TClipboard {
public:
  std::string GetAsText() const;
  void SetAsText(const std::string& Text);
  // Whether the clipboard holds text now.
  bool HasText() const;
  bool HasFormat(unsigned Format) const { return Format == CF_TEXT && HasText(); }
  void Clear() { SetAsText(""); }

  static constexpr unsigned CF_TEXT = 1;
};

TClipboard* Clipboard();
// The system beep.
void Beep();

}  // namespace gadrix
