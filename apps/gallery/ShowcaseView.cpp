#include "ShowcaseView.h"

#include <algorithm>

#include "Sheets.h"

namespace gallery {

using namespace gadrix;

const TClassInfo& TShowcaseView::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TShowcaseView>(
      "TShowcaseView", &TGraphicControl::StaticClassInfo(),
      {IntegerProperty("Zoom", &TShowcaseView::GetZoom, &TShowcaseView::SetZoom, 75),
       BooleanProperty("Smooth", &TShowcaseView::GetSmooth, &TShowcaseView::SetSmooth, true)});
  return info;
}

TShowcaseView::TShowcaseView(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 660, 330);
  SetColor(clWhite);
}

TShowcaseView::~TShowcaseView() = default;

void TShowcaseView::SetZoom(int Value) {
  Value = std::clamp(Value, MinZoom, MaxZoom);
  if (Value == zoom_) return;
  zoom_ = Value;
  Invalidate();
}

void TShowcaseView::SetSmooth(bool Value) {
  if (Value == smooth_) return;
  smooth_ = Value;
  Invalidate();
}

const TBitmap& TShowcaseView::Picture() {
  if (!picture_) {
    picture_ = std::make_unique<TBitmap>();
    RenderCanvasShowcase(*picture_);
  }
  return *picture_;
}

void TShowcaseView::Paint() {
  TCanvas* c = GetCanvas();
  const TBitmap& picture = Picture();
  const TRect shown = Bounds(0, 0, picture.GetWidth() * zoom_ / 100, picture.GetHeight() * zoom_ / 100);
  const int previous = SetStretchBltMode(c, smooth_ ? HALFTONE : COLORONCOLOR);
  c->StretchDraw(shown, &picture);
  SetStretchBltMode(c, previous);
  // The control's colour around the picture.
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(GetColor());
  c->FillRect(Rect(shown.Right, 0, GetWidth(), GetHeight()));
  c->FillRect(Rect(0, shown.Bottom, shown.Right, GetHeight()));
}

}  // namespace gallery
