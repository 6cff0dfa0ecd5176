// Arbitrary input into a TNumIO2: keys with any code and shift state, pasted clipboard text of any
// bytes, presses and drags anywhere, format, separator and selection changes, painting.
// Nothing may crash; the selection stays within the text; the value stays finite; and a key
// never turns an acceptable text (empty, a lone sign, or valid for the format) into another one.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gadrix/numeric/NumIO.h"
#include "gadrix/numeric/TextChars.h"
#include "gadrix/platform/controls/Controls.h"

namespace {

using namespace gadrix;

void Require(bool Condition) {
  if (!Condition) std::abort();
}

class TBytes {
 public:
  TBytes(const std::uint8_t* Data, std::size_t Size) : data_(Data), size_(Size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  std::string Text() {
    const std::size_t length = Next() % 24;
    std::string text;
    while (text.size() < length && !Empty()) text += static_cast<char>(Next());
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

bool Acceptable(const TNumIO2& N) {
  const std::string& text = N.GetText();
  return text.empty() || text == "-" || text == "+" || N.CheckValidity(text);
}

void CheckState(const TNumIO2& N) {
  const int length = textchars::CharCount(N.GetText());
  Require(0 <= N.GetSelBegin() && N.GetSelBegin() <= N.GetSelEnd() && N.GetSelEnd() <= length);
  Require(std::isfinite(N.GetValue()));
}

void PressKey(TNumIO2* N, TBytes& In) {
  const Word key = In.Next();
  const TShiftState shift = In.Next() & (ssShift | ssCtrl);
  const bool wasAcceptable = Acceptable(*N);
  const std::string before = N->GetText();
  sim::Key(N, key, shift);
  Require(!wasAcceptable || Acceptable(*N) || N->GetText() == before);
}

void Act(TNumIO2* N, TBytes& In) {
  switch (In.Next() % 10) {
    case 0: PressKey(N, In); break;
    case 1:
      Clipboard()->SetAsText(In.Text());
      PressKey(N, In);
      break;
    case 2: sim::Click(N, In.Next() - 20, In.Next() % 48); break;
    case 3: {
      const int y = In.Next() % 48;
      sim::MouseDown(N, mbLeft, {}, In.Next(), y);
      sim::MouseMove(N, ssLeft, In.Next(), In.Next() % 48);
      sim::MouseUp(N, mbLeft, {}, In.Next(), y);
      break;
    }
    case 4: N->SetInputFormat(static_cast<TInFormat>(In.Next() % 9)); break;
    case 5: N->SetDecPlaceSep(static_cast<TDecPSep>(In.Next() % 5)); break;
    case 6:
      N->SetSelBegin(In.Next() % 40 - 4);
      N->SetSelEnd(In.Next() % 40 - 4);
      break;
    case 7: N->SetText(In.Text()); break;
    case 8:
      N->SetFixPointDecPlaces(In.Next() % 20 - 2);
      N->SetSignificantDigits(In.Next() % 20 - 2);
      N->SetAlignment(static_cast<TAlignment>(In.Next() % 3));
      break;
    default: {
      TBitmap picture;
      picture.SetSize(N->GetWidth(), N->GetHeight());
      N->PaintTo(picture.GetCanvas(), 0, 0);
      break;
    }
  }
  CheckState(*N);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TForm* form = [] {
    auto* f = new TForm(nullptr);
    f->SetBounds(0, 0, 300, 80);
    f->Show();
    return f;
  }();
  TBytes in(Data, Size);
  auto* n = new TNumIO2(form);
  n->SetParent(form);
  n->SetHeight(40);
  n->SetButVisible(in.Next() & 1);
  n->SetGaugeVisible(in.Next() & 1);
  n->SetBeep(true);
  for (int steps = 0; steps < 64 && !in.Empty(); ++steps) Act(n, in);
  delete n;
  return 0;
}
