#include "gadrix/platform/controls/Application.h"

#include <algorithm>
#include <cstdio>

namespace gadrix {

TApplication* Application = new TApplication(nullptr);
TScreen* Screen = new TScreen(nullptr);

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() { DeleteReleased(); }

void TApplication::HandleException(const std::exception& E) {
  if (onException_) {
    onException_(this, E);
    return;
  }
  std::fprintf(stderr, "%s: %s\n", title_.c_str(), E.what());
}

void TApplication::ReleaseLater(TComponent* Component) {
  if (std::find(released_.begin(), released_.end(), Component) == released_.end()) released_.push_back(Component);
}

void TApplication::DeleteReleased() {
  while (!released_.empty()) {
    TComponent* c = released_.back();
    released_.pop_back();
    delete c;
  }
}

void TApplication::PaintForms() {
  for (int i = 0; i < Screen->GetFormCount(); ++i) {
    TForm* form = Screen->GetForms(i);
    if (form->GetVisible() && !form->DirtyRects().empty()) form->PaintPending();
  }
}

void TApplication::ProcessMessages() {
  try {
    Backend().ProcessEvents(0);
    timers_.FireDue(Backend().Now());
    PaintForms();
  } catch (const std::exception& e) {
    HandleException(e);
  }
  DeleteReleased();
}

void TApplication::HandleMessage() {
  try {
    int timeout = -1;
    if (const auto due = timers_.NextDue()) {
      const std::uint64_t now = Backend().Now();
      timeout = *due <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(*due - now, 1u << 30));
    }
    Backend().ProcessEvents(timeout);
  } catch (const std::exception& e) {
    HandleException(e);
  }
  ProcessMessages();
}

void TApplication::Run() {
  if (mainForm_ != nullptr && !mainForm_->GetVisible()) mainForm_->Show();
  ProcessMessages();
  while (!terminated_ && Backend().IsInteractive()) {
    HandleMessage();
    if (mainForm_ == nullptr || !mainForm_->GetVisible()) break;
  }
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

void TScreen::SetCursor(TCursor Value) {
  if (Value == cursor_) return;
  cursor_ = Value;
  Backend().SetCursor(Value);
}

TForm* TScreen::GetForms(int Index) const {
  return Index >= 0 && Index < GetFormCount() ? forms_[Index] : nullptr;
}

TForm* TScreen::GetActiveForm() const {
  for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
    if ((*it)->GetVisible()) return *it;
  return nullptr;
}

int TScreen::GetWidth() const { return Backend().ScreenBounds().Width(); }
int TScreen::GetHeight() const { return Backend().ScreenBounds().Height(); }

void TScreen::AddForm(TForm* Form) { forms_.push_back(Form); }

void TScreen::RemoveForm(TForm* Form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), Form), forms_.end()); }

std::string TClipboard::GetAsText() const { return Backend().GetClipboardText(); }
void TClipboard::SetAsText(const std::string& Text) { Backend().SetClipboardText(Text); }
bool TClipboard::HasText() const { return Backend().HasClipboardText(); }

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}

void Beep() { Backend().Beep(); }

}  // namespace gadrix
