#include "gadrix/displays/sevenseg.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "gadrix/helmar/Colors.h"
#include "gadrix/helmar/Drawing.h"
#include "gadrix/helmar/Utf8.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {
namespace {

const std::string DefaultCaption = "8.8.8.8.";
constexpr TColor DefaultColorBackGnd = 0x333333;
constexpr TColor DefaultColorText = clRed;
constexpr TFrameStyle DefaultFrameStyle = 2;
constexpr int DefaultMargin = 8;
constexpr int DefaultInterDigDist = 2;
constexpr int DefaultNumDigits = 4;

// The decimal point sits in the lower right sixth of a cell, in both directions.
constexpr int DotFractionNum = 5, DotFractionDen = 6;

// The cells of the display for one size. Computed in 64 bits, since Margin and InterDigDist
// have no lower limit; a layout whose cache could not be held (more pixels than a bitmap may
// have) counts as empty, like one whose cells have no width or height.
struct TCellLayout {
  int CellWidth = 0;  // both 0 when the cells are empty
  int CellHeight = 0;
  bool Empty() const { return CellWidth <= 0; }
};

TCellLayout LayoutFor(int Width, int Height, int Margin, int NumDigits, int InterDigDist) {
  const std::int64_t pitch = (std::int64_t{Width} - 2 * std::int64_t{Margin}) / NumDigits;
  const std::int64_t cellWidth = pitch - InterDigDist;
  const std::int64_t cellHeight = std::int64_t{Height} - 2 * std::int64_t{Margin};
  if (cellWidth <= 0 || cellHeight <= 0) return {};
  if (cellWidth * SevenSegCellCount > TPixelBuffer::MaxPixels / cellHeight) return {};
  return {static_cast<int>(cellWidth), static_cast<int>(cellHeight)};
}

bool IsDecimalSeparator(char32_t Ch) { return Ch == '.' || Ch == ','; }

}  // namespace

const TClassInfo& TSevenSeg::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TSevenSeg>(
      "TSevenSeg", &TGraphicControl::StaticClassInfo(),
      {StringProperty("Caption", &TSevenSeg::GetCaption, &TSevenSeg::SetCaption, DefaultCaption),
       ColorProperty("ColorBackGnd", &TSevenSeg::GetColorBackGnd, &TSevenSeg::SetColorBackGnd, DefaultColorBackGnd),
       ColorProperty("ColorText", &TSevenSeg::GetColorText, &TSevenSeg::SetColorText, DefaultColorText),
       IntegerProperty("ColorScheme", &TSevenSeg::GetColorScheme, &TSevenSeg::SetColorScheme, 0),
       IntegerProperty("FrameStyle", &TSevenSeg::GetFrameStyle, &TSevenSeg::SetFrameStyle, DefaultFrameStyle),
       IntegerProperty("Margin", &TSevenSeg::GetMargin, &TSevenSeg::SetMargin, DefaultMargin),
       IntegerProperty("InterDigDist", &TSevenSeg::GetInterDigDist, &TSevenSeg::SetInterDigDist, DefaultInterDigDist),
       IntegerProperty("NumDigits", &TSevenSeg::GetNumDigits, &TSevenSeg::SetNumDigits, DefaultNumDigits)});
  return info;
}

TSevenSeg::TSevenSeg(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetCaption(DefaultCaption);
  SetBounds(GetLeft(), GetTop(), DefaultWidth, DefaultHeight);
  SetOnResize([this](TObject* Sender) { ProcessResize(Sender); });
  CreateImageCache();
}

TSevenSeg::~TSevenSeg() = default;

// --- properties -------------------------------------------------------------------------------

void TSevenSeg::SetColorBackGnd(TColor Value) {
  if (Value == colorBackGnd_) return;
  colorBackGnd_ = Value;
  CacheSettingsChanged();
}

void TSevenSeg::SetColorText(TColor Value) {
  if (Value == colorText_) return;
  colorText_ = Value;
  CacheSettingsChanged();
}

void TSevenSeg::SetColorScheme(TColorScheme Value) {
  if (Value == colorScheme_) return;
  colorScheme_ = Value;
  const TSchemeLines lines = SchemeLineColors(Value);
  grayLine_ = lines.Gray;
  whiteLine_ = lines.White;
  Invalidate();
}

void TSevenSeg::SetFrameStyle(TFrameStyle Value) {
  if (Value == frameStyle_) return;
  frameStyle_ = Value;
  Invalidate();
}

void TSevenSeg::SetMargin(int Value) {
  Value = std::min(Value, GetHeight() / 2 - 1);
  if (Value == margin_) return;
  margin_ = Value;
  CacheSettingsChanged();
}

void TSevenSeg::SetInterDigDist(int Value) {
  Value = std::min(Value, MaxInterDigDist);
  if (Value == interDigDist_) return;
  interDigDist_ = Value;
  CacheSettingsChanged();
}

void TSevenSeg::SetNumDigits(int Value) {
  if (Value < MinNumDigits || Value > MaxNumDigits || Value == numDigits_) return;
  numDigits_ = Value;
  CacheSettingsChanged();
}

int TSevenSeg::CellWidth() const {
  return LayoutFor(GetWidth(), GetHeight(), margin_, numDigits_, interDigDist_).CellWidth;
}

int TSevenSeg::CellHeight() const {
  return LayoutFor(GetWidth(), GetHeight(), margin_, numDigits_, interDigDist_).CellHeight;
}

void TSevenSeg::TextChanged() { Repaint(); }

void TSevenSeg::CacheSettingsChanged() {
  if (GetComponentState() & csLoading) {
    cacheDirty_ = true;
    return;
  }
  CreateImageCache();
  Repaint();
}

void TSevenSeg::Loaded() {
  TGraphicControl::Loaded();
  if (cacheDirty_) {
    CreateImageCache();
    Invalidate();
  }
}

void TSevenSeg::ProcessResize(TObject*) {
  if (CacheIsCurrent()) return;
  CacheSettingsChanged();
}

// --- copying ----------------------------------------------------------------------------------

void TSevenSeg::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TSevenSeg*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  colorBackGnd_ = source->colorBackGnd_;
  colorText_ = source->colorText_;
  numDigits_ = source->numDigits_;
  frameStyle_ = source->frameStyle_;
  blackLine_ = source->blackLine_;
  grayLine_ = source->grayLine_;
  whiteLine_ = source->whiteLine_;
  colorScheme_ = source->colorScheme_;
  margin_ = source->margin_;
  interDigDist_ = source->interDigDist_;
  if (GetComponentState() & csLoading) cacheDirty_ = true;
  else CreateImageCache();
  SetCaption(source->GetCaption());
  Invalidate();
}

void TSevenSeg::AssignTo(TPersistent* Dest) const {
  // Only a TSevenSeg takes the copy itself: handing it to a base class's Assign would come
  // straight back here.
  auto* dest = dynamic_cast<TSevenSeg*>(Dest);
  if (dest != nullptr && ClassInfo().InheritsFrom(dest->ClassInfo())) {
    dest->Assign(this);
    return;
  }
  TGraphicControl::AssignTo(Dest);
}

// --- the glyph cache --------------------------------------------------------------------------

void TSevenSeg::ColorizeSegments(TColor Color) { glyphs_.Colorize(Color); }

void TSevenSeg::CreateDigit(char32_t Ch, bool WithDot) { glyphs_.Compose(Ch, WithDot, colorBackGnd_); }

bool TSevenSeg::CacheIsCurrent() const {
  return !cacheDirty_ && cacheSize_.cx == GetWidth() && cacheSize_.cy == GetHeight();
}

void TSevenSeg::CreateImageCache() {
  cacheSize_ = {GetWidth(), GetHeight()};
  cacheDirty_ = false;
  const TCellLayout layout = LayoutFor(GetWidth(), GetHeight(), margin_, numDigits_, interDigDist_);
  cacheCellWidth_ = layout.CellWidth;
  if (layout.Empty()) {
    cache_.SetSize(0, 0);
    return;
  }
  const int w = layout.CellWidth, h = layout.CellHeight;
  cache_.SetSize(w * SevenSegCellCount, h);
  TCanvas* canvas = cache_.GetCanvas();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(colorBackGnd_);
  canvas->FillRect(Rect(0, 0, cache_.GetWidth(), h));
  ColorizeSegments(colorText_);
  SetStretchBltMode(canvas, HALFTONE);
  const TCanvas* master = glyphs_.Master().GetCanvas();
  for (int k = 1; k <= SevenSegCellCount; ++k) {
    CreateDigit(SevenSegCellChar(k), false);
    StretchBlt(canvas, (k - 1) * w, 0, w, h, master, 0, 0, TSevenSegGlyphs::MasterWidth,
               TSevenSegGlyphs::MasterHeight, cmSrcCopy);
  }
}

// --- painting ---------------------------------------------------------------------------------

std::vector<TSevenSegDigit> SevenSegDigits(const std::string& Caption, int NumDigits) {
  std::vector<TSevenSegDigit> digits;
  std::size_t pos = 0;
  while (static_cast<int>(digits.size()) < NumDigits && pos < Caption.size()) {
    char32_t ch = 0;
    pos += Utf8CharLength(Caption, pos, &ch);
    TSevenSegDigit digit;
    if (IsDecimalSeparator(ch)) {
      digit.WithDot = true;  // a point alone, in a blank cell
    } else {
      digit.Cell = SevenSegCellOf(ch);
      char32_t next = 0;
      const std::size_t length = Utf8CharLength(Caption, pos, &next);
      if (length > 0 && IsDecimalSeparator(next)) {
        digit.WithDot = true;
        pos += length;
      }
    }
    digits.push_back(digit);
  }
  return digits;
}

// The digits are copied from the glyph cache straight onto the control's canvas, which is the
// form's back buffer (or a PaintTo target): a picture of its own would only add a copy. Every
// pixel that no cell copy covers is filled with the background first, and the frame goes on
// last, over the digits, so it must not fill its inside the way DrawFrame does.
void TSevenSeg::Paint() {
  if (!GetVisible() && !(GetComponentState() & csDesigning)) return;
  // A host that puts its own handler in OnResize takes ours away; the cache is then brought up
  // to date here, so the cells never come out of a cache built for another size.
  if (!CacheIsCurrent()) CreateImageCache();

  TCanvas* canvas = GetCanvas();
  canvas->SetCopyMode(cmSrcCopy);
  canvas->GetPen()->SetColor(colorBackGnd_);
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(colorBackGnd_);
  const std::vector<TSevenSegDigit> digits =
      cacheCellWidth_ > 0 ? SevenSegDigits(GetCaption(), numDigits_) : std::vector<TSevenSegDigit>{};
  FillGround(canvas, digits);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const int digit = static_cast<int>(i) + 1;
    if (digits[i].Cell > 0) PaintCell(canvas, digits[i].Cell, digit);
    if (digits[i].WithDot) PaintDot(canvas, digit);
  }
  DrawFrameBorder(canvas, frameStyle_, 0, 0, GetWidth() - 1, GetHeight() - 1, clWhite, clSilver, clGray, clBlack,
                  clBlack);
}

std::optional<TRect> TSevenSeg::DigitCellRect(int Digit) const {
  const std::int64_t left = std::int64_t{Digit - 1} * (std::int64_t{cacheCellWidth_} + interDigDist_) + margin_;
  // Cells wholly outside the control are dropped before their place is narrowed to an int.
  if (left + cacheCellWidth_ <= 0 || left >= GetWidth()) return std::nullopt;
  const int x = static_cast<int>(left);
  return Rect(x, margin_, x + cacheCellWidth_, margin_ + cache_.GetHeight());
}

// Rows above and below the cells are filled whole; in between, the gaps between the cells that
// will be copied (cells may overlap when InterDigDist is negative).
void TSevenSeg::FillGround(TCanvas* Canvas, const std::vector<TSevenSegDigit>& Digits) const {
  const int width = GetWidth(), height = GetHeight();
  std::vector<TRect> cells;
  for (std::size_t i = 0; i < Digits.size(); ++i)
    if (Digits[i].Cell > 0)
      if (const auto cell = DigitCellRect(static_cast<int>(i) + 1)) cells.push_back(*cell);
  if (cells.empty()) {
    Canvas->FillRect(Rect(0, 0, width, height));
    return;
  }
  std::sort(cells.begin(), cells.end(), [](const TRect& A, const TRect& B) { return A.Left < B.Left; });
  const int top = cells.front().Top, bottom = cells.front().Bottom;
  Canvas->FillRect(Rect(0, 0, width, top));
  Canvas->FillRect(Rect(0, bottom, width, height));
  int x = 0;
  for (const TRect& cell : cells) {
    if (cell.Left > x) Canvas->FillRect(Rect(x, top, cell.Left, bottom));
    x = std::max(x, cell.Right);
  }
  if (x < width) Canvas->FillRect(Rect(x, top, width, bottom));
}

void TSevenSeg::PaintCell(TCanvas* Canvas, int Cell, int Digit) const {
  const auto place = DigitCellRect(Digit);
  if (!place) return;
  const int w = cacheCellWidth_;
  Canvas->CopyRect(*place, cache_.GetCanvas(), Rect((Cell - 1) * w, 0, Cell * w, cache_.GetHeight()));
}

// The point is the lower right part of the last cache cell, which holds the point alone; it
// replaces that part of the digit's cell.
void TSevenSeg::PaintDot(TCanvas* Canvas, int Digit) const {
  const auto place = DigitCellRect(Digit);
  if (!place) return;
  const int w = cacheCellWidth_, h = cache_.GetHeight();
  const int left = w * DotFractionNum / DotFractionDen, top = h * DotFractionNum / DotFractionDen;
  const int dotCell = SevenSegCellCount - 1;
  Canvas->CopyRect(Rect(place->Left + left, place->Top + top, place->Right, place->Bottom), cache_.GetCanvas(),
                   Rect(dotCell * w + left, top, SevenSegCellCount * w, h));
}

}  // namespace gadrix
