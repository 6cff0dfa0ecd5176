#include "gadrix/platform/backends/sdl2/PopupMenuView.h"

#include <algorithm>

namespace gadrix::sdl2 {
namespace {

// Space above and below a caption within its row.
constexpr int kRowPadding = 4;
constexpr int kMinRowHeight = 20;

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2, TColor Color) {
  Canvas->GetPen()->SetColor(ColorToRGB(Color));
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

// A tick of three pixels' stroke, centred on (X, Y).
void CheckMark(TCanvas* Canvas, int X, int Y, TColor Color) {
  for (int dy = 0; dy < 3; ++dy) {
    Line(Canvas, X - 3, Y - 1 + dy, X - 1, Y + 1 + dy, Color);
    Line(Canvas, X - 1, Y + 1 + dy, X + 4, Y - 4 + dy, Color);
  }
}

// A small triangle pointing right, its tip at (X, Y).
void Arrow(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->GetPen()->SetColor(ColorToRGB(Color));
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetBrush()->SetColor(ColorToRGB(Color));
  Canvas->Polygon({{X - 4, Y - 4}, {X, Y}, {X - 4, Y + 4}});
}

}  // namespace

std::string TPopupMenuView::ShownCaption(const std::string& Caption) {
  std::string shown;
  for (std::size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] != '&') {
      shown += Caption[i];
    } else if (i + 1 < Caption.size() && Caption[i + 1] == '&') {
      shown += '&';
      ++i;
    }
  }
  return shown;
}

TPopupMenuView::TPopupMenuView(TMenuItem* Parent) {
  for (int i = 0; Parent != nullptr && i < Parent->GetCount(); ++i)
    if (Parent->GetItems(i)->GetVisible()) items_.push_back(Parent->GetItems(i));
  TPixelBuffer scratch(1, 1);
  TCanvas measure(&scratch);
  measure.SetFont(&font_);
  rowHeight_ = std::max(measure.TextHeight("Ag") + 2 * kRowPadding, kMinRowHeight);
  int textWidth = 0;
  int y = Border;
  for (TMenuItem* item : items_) {
    tops_.push_back(y);
    if (item->IsLine()) {
      y += SeparatorHeight;
    } else {
      textWidth = std::max(textWidth, measure.TextWidth(ShownCaption(item->GetCaption())));
      y += rowHeight_;
    }
  }
  tops_.push_back(y);
  height_ = y + Border;
  width_ = std::max(MinWidth, 2 * Border + CheckColumn + 2 * TextMargin + textWidth + ArrowColumn);
}

TRect TPopupMenuView::ItemRect(int Index) const {
  if (Index < 0 || Index >= Count()) return {};
  return {Border, tops_[Index], width_ - Border, tops_[Index + 1]};
}

int TPopupMenuView::ItemAt(TPoint P) const {
  for (int i = 0; i < Count(); ++i)
    if (ItemRect(i).Contains(P)) return i;
  return -1;
}

bool TPopupMenuView::Selectable(int Index) const {
  const TMenuItem* item = Item(Index);
  return item != nullptr && item->GetEnabled() && !item->IsLine();
}

bool TPopupMenuView::HasSubMenu(int Index) const {
  const TMenuItem* item = Item(Index);
  return item != nullptr && item->GetCount() > 0;
}

int TPopupMenuView::NextSelectable(int From, bool Forward) const {
  const int n = Count();
  if (n == 0) return -1;
  int index = From < 0 ? (Forward ? -1 : n) : From;
  for (int step = 0; step < n; ++step) {
    index = ((index + (Forward ? 1 : -1)) % n + n) % n;
    if (Selectable(index)) return index;
  }
  return -1;
}

void TPopupMenuView::Paint(TCanvas* Canvas, int Hot) const {
  Canvas->SetFont(&font_);
  Canvas->GetPen()->SetWidth(1);
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetBrush()->SetColor(ColorToRGB(clMenu));
  Canvas->FillRect({0, 0, width_, height_});
  PaintBorder(Canvas);
  for (int i = 0; i < Count(); ++i) PaintItem(Canvas, i, i == Hot && Selectable(i));
}

void TPopupMenuView::PaintBorder(TCanvas* Canvas) const {
  const int r = width_ - 1, b = height_ - 1;
  Line(Canvas, 0, b, 0, 0, cl3DLight);
  Line(Canvas, 0, 0, r, 0, cl3DLight);
  Line(Canvas, r, 0, r, b, cl3DDkShadow);
  Line(Canvas, r, b, -1, b, cl3DDkShadow);
  Line(Canvas, 1, b - 1, 1, 1, clBtnHighlight);
  Line(Canvas, 1, 1, r - 1, 1, clBtnHighlight);
  Line(Canvas, r - 1, 1, r - 1, b - 1, clBtnShadow);
  Line(Canvas, r - 1, b - 1, 0, b - 1, clBtnShadow);
}

void TPopupMenuView::PaintSeparator(TCanvas* Canvas, const TRect& R) const {
  const int y = R.Top + R.Height() / 2 - 1;
  Line(Canvas, R.Left + 1, y, R.Right - 1, y, clBtnShadow);
  Line(Canvas, R.Left + 1, y + 1, R.Right - 1, y + 1, clBtnHighlight);
}

void TPopupMenuView::PaintItem(TCanvas* Canvas, int Index, bool Hot) const {
  const TMenuItem* item = items_[Index];
  const TRect r = ItemRect(Index);
  if (item->IsLine()) {
    PaintSeparator(Canvas, r);
    return;
  }
  if (Hot) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(ColorToRGB(clHighlight));
    Canvas->FillRect(r);
  }
  const bool enabled = item->GetEnabled();
  const TColor ink = !enabled ? clGrayText : Hot ? clHighlightText : clMenuText;
  const std::string caption = ShownCaption(item->GetCaption());
  const int x = r.Left + CheckColumn + TextMargin;
  const int y = r.Top + (r.Height() - Canvas->TextHeight("Ag")) / 2;
  const int middle = r.Top + r.Height() / 2;
  Canvas->GetBrush()->SetStyle(bsClear);
  if (!enabled && !Hot) {
    // Greyed text stands on a light shadow, as if engraved.
    Canvas->GetFont()->SetColor(ColorToRGB(clBtnHighlight));
    Canvas->TextOut(x + 1, y + 1, caption);
  }
  Canvas->GetFont()->SetColor(ColorToRGB(ink));
  Canvas->TextOut(x, y, caption);
  if (item->GetChecked()) CheckMark(Canvas, r.Left + CheckColumn / 2, middle, ink);
  if (item->GetCount() > 0) Arrow(Canvas, r.Right - ArrowColumn / 2 + 2, middle, ink);
}

}  // namespace gadrix::sdl2
