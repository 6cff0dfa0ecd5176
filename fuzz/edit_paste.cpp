// Clipboard text from outside into an edit box, then keys that move, delete and undo. The first
// byte sets the length limit, the second the caret; the rest is the clipboard, and its bytes are
// also replayed as keys. Nothing may crash, the text must stay well-formed UTF-8 without line
// breaks, within the limit, and the selection within the text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/graphics/Utf8Decoder.h"
#include "gadrix/platform/stdctrls/Edit.h"

namespace {

using namespace gadrix;

void Require(bool Condition) {
  if (!Condition) std::abort();
}

bool WellFormed(const std::string& Text) {
  for (std::size_t pos = 0; pos < Text.size();) {
    const std::size_t start = pos;
    if (detail::DecodeUtf8(Text, pos) == detail::kReplacementCharacter && Text.compare(start, 3, "\xEF\xBF\xBD") != 0)
      return false;
  }
  return true;
}

void Check(const TEdit& Edit, int Limit) {
  const std::string& text = Edit.GetText();
  Require(WellFormed(text));
  Require(text.find_first_of("\r\n") == std::string::npos);
  if (Limit > 0) Require(Edit.GetTextLen() <= Limit);
  Require(Edit.GetSelStart() >= 0 && Edit.GetSelStart() + Edit.GetSelLength() <= Edit.GetTextLen());
}

// Each byte picks a key: a move, a deletion, undo or paste again.
void Replay(TEdit* Edit, const std::string& Keys, int Limit) {
  static constexpr Word kKeys[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_DELETE, VK_BACK};
  for (unsigned char byte : Keys) {
    const TShiftState shift = (byte & 0x40 ? ssShift : 0) | (byte & 0x80 ? ssCtrl : 0);
    const unsigned pick = byte % 8;
    if (pick < 6) sim::Key(Edit, kKeys[pick], shift);
    else if (pick == 6) Edit->Undo();
    else Edit->PasteFromClipboard();
    Check(*Edit, Limit);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 2) return 0;
  static TForm* form = [] {
    auto* f = new TForm(nullptr);
    f->Show();
    return f;
  }();
  TEdit* edit = new TEdit(form);
  edit->SetParent(form);
  const int limit = Data[0] % 40;
  const std::string clip(reinterpret_cast<const char*>(Data + 2), Size - 2);
  edit->SetText("start text");
  edit->SetMaxLength(limit);
  edit->SetSelStart(Data[1] % 12);
  Clipboard()->SetAsText(clip);
  edit->PasteFromClipboard();
  // Program text is kept as given, so the invariants hold for what the user built from here.
  if (limit == 0 || edit->GetTextLen() <= limit) Check(*edit, limit);
  edit->SetText("");
  edit->PasteFromClipboard();
  Check(*edit, limit);
  Replay(edit, clip.substr(0, 64), limit);
  delete edit;
  return 0;
}
