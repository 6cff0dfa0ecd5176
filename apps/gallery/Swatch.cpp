#include "Swatch.h"

#include <algorithm>

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kInset = 6;         // between the control's edge and the patch
constexpr int kCornerRadius = 18;  // of the rounded patch

}  // namespace

const TClassInfo& TSwatch::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TSwatch>(
      "TSwatch", &TCustomControl::StaticClassInfo(),
      {StringProperty("Caption", &TSwatch::GetCaption, &TSwatch::SetCaption, std::string()),
       EnumProperty("Shape", &TSwatch::GetShape, &TSwatch::SetShape, {"wsRectangle", "wsRoundRect", "wsEllipse"},
                    wsRoundRect),
       IntegerProperty("Clicks", &TSwatch::GetClicks, &TSwatch::SetClicks, 0)});
  return info;
}

TSwatch::TSwatch(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 160, 120);
  SetColor(Palette().front());
}

const std::vector<TColor>& TSwatch::Palette() {
  static const std::vector<TColor> palette = {RGB(52, 152, 219), RGB(46, 204, 113), RGB(241, 196, 15),
                                              RGB(231, 76, 60),  RGB(155, 89, 182)};
  return palette;
}

TColor TSwatch::NextColor(TColor Color) {
  const std::vector<TColor>& palette = Palette();
  const auto it = std::find(palette.begin(), palette.end(), Color);
  return it == palette.end() || it + 1 == palette.end() ? palette.front() : *(it + 1);
}

void TSwatch::SetShape(TSwatchShape Value) {
  if (Value > wsEllipse || Value == shape_) return;
  shape_ = Value;
  Invalidate();
}

void TSwatch::SetClicks(int Value) {
  Value = std::max(Value, 0);
  if (Value == clicks_) return;
  clicks_ = Value;
  Invalidate();
}

void TSwatch::Changed() {
  if (onChange_) onChange_(this);
}

void TSwatch::Advance() {
  SetColor(NextColor(GetColor()));
  SetClicks(clicks_ + 1);
  Changed();
}

void TSwatch::Click() {
  Advance();
  TCustomControl::Click();
}

void TSwatch::KeyPress(char32_t& Key) {
  if (Key == U' ') Advance();
  TCustomControl::KeyPress(Key);
}

void TSwatch::Paint() {
  TCanvas* c = GetCanvas();
  const TRect all = GetClientRect();
  const TColor background = GetParent() != nullptr ? GetParent()->GetColor() : clBtnFace;
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(background);
  c->FillRect(all);

  const TRect patch = all.Inflate(-kInset, -kInset);
  c->GetPen()->SetColor(clBlack);
  c->GetPen()->SetWidth(1);
  c->GetBrush()->SetColor(GetColor());
  switch (shape_) {
    case wsRectangle: c->Rectangle(patch); break;
    case wsRoundRect:
      c->RoundRect(patch.Left, patch.Top, patch.Right, patch.Bottom, kCornerRadius, kCornerRadius);
      break;
    case wsEllipse: c->Ellipse(patch); break;
  }

  // The caption, and the count under it, centred in white on the patch.
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->SetColor(clWhite);
  c->GetFont()->SetStyle(fsBold);
  const std::string count = std::to_string(clicks_) + (clicks_ == 1 ? " click" : " clicks");
  const int lineHeight = c->TextHeight("Ag");
  const int top = (all.Height() - 2 * lineHeight) / 2;
  c->TextOut((all.Width() - c->TextWidth(GetCaption())) / 2, top, GetCaption());
  c->GetFont()->SetStyle(0);
  c->TextOut((all.Width() - c->TextWidth(count)) / 2, top + lineHeight, count);

  if (Focused()) {
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clBlack);
    c->FrameRect(all.Inflate(-2, -2));
  }
}

}  // namespace gallery
