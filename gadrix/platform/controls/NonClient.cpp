#include "gadrix/platform/controls/NonClient.h"

namespace gadrix {
namespace {

// One ring along the inside of R: TopLeft on the top and left edges, BottomRight on the others.
void Ring(TCanvas* Canvas, const TRect& R, TColor TopLeft, TColor BottomRight) {
  if (R.IsEmpty()) return;
  TBrush* brush = Canvas->GetBrush();
  brush->SetColor(TopLeft);
  Canvas->FillRect({R.Left, R.Top, R.Right - 1, R.Top + 1});
  Canvas->FillRect({R.Left, R.Top, R.Left + 1, R.Bottom - 1});
  brush->SetColor(BottomRight);
  Canvas->FillRect({R.Left, R.Bottom - 1, R.Right, R.Bottom});
  Canvas->FillRect({R.Right - 1, R.Top, R.Right, R.Bottom});
}

}  // namespace

int BorderWidth(TBorderStyle Style, bool Ctl3D) {
  if (Style == bsNone) return 0;
  return Ctl3D ? 2 : 1;
}

void DrawBorder(TCanvas* Canvas, const TRect& R, TBorderStyle Style, bool Ctl3D) {
  if (Style == bsNone) return;
  if (Ctl3D) {
    Ring(Canvas, R, clBtnShadow, clBtnHighlight);
    Ring(Canvas, R.Inflate(-1, -1), cl3DDkShadow, cl3DLight);
  } else {
    Ring(Canvas, R, clWindowFrame, clWindowFrame);
  }
}

}  // namespace gadrix
