#include "gadrix/platform/graphics/Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "gadrix/platform/graphics/Graphic.h"
#include "gadrix/platform/graphics/raster/Arc.h"
#include "gadrix/platform/graphics/raster/FloodFill.h"
#include "gadrix/platform/graphics/raster/Line.h"
#include "gadrix/platform/graphics/raster/Polygon.h"

namespace gadrix {
namespace {

using namespace raster;

// The on and off runs of the dashed pen styles, in pixels, starting with a run that is on.
std::span<const int> DashPattern(TPenStyle Style) {
  static constexpr std::array<int, 2> dash{18, 6};
  static constexpr std::array<int, 2> dot{3, 3};
  static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
  static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
  switch (Style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return {};
  }
}

bool DashIsOn(std::span<const int> Pattern, std::int64_t Phase) {
  int period = 0;
  for (int run : Pattern) period += run;
  std::int64_t at = Phase % period;
  for (std::size_t i = 0; i < Pattern.size(); ++i) {
    if (at < Pattern[i]) return i % 2 == 0;
    at -= Pattern[i];
  }
  return false;
}

TRect Normalised(int X1, int Y1, int X2, int Y2) {
  return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

// The rectangle with rounded corners: each corner a quarter of the CornerW x CornerH ellipse.
TRowShape RoundRectShape(const TRect& Box, int CornerW, int CornerH) {
  CornerW = std::clamp(CornerW, 0, Box.Width());
  CornerH = std::clamp(CornerH, 0, Box.Height());
  TRowShape shape = RectangleShape(Box);
  if (CornerW < 2 || CornerH < 2) return shape;
  const TRowShape corner = EllipseShape({0, 0, CornerW, CornerH});
  const int topRows = CornerH / 2, bottomRows = CornerH - topRows;
  for (int i = 0; i < static_cast<int>(shape.Rows.size()); ++i) {
    int cornerRow = -1;
    if (i < topRows) cornerRow = i;
    else if (i >= Box.Height() - bottomRows) cornerRow = CornerH - (Box.Height() - i);
    if (cornerRow < 0) continue;
    const TRowSpan c = corner.Rows[cornerRow];
    shape.Rows[i] = {Box.Left + c.Left, Box.Right - CornerW + c.Right};
  }
  return shape;
}

TRowShape BoxShape(const TRect& Box, bool Elliptic) {
  return Elliptic ? EllipseShape(Box) : RectangleShape(Box);
}

}  // namespace

TCanvas::TCanvas(TPixelBuffer* Buffer)
    : buffer_(Buffer), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()),
      font_(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

TRect TCanvas::GetClipRect() const {
  const TRect device = clipped_ ? Intersect(clip_, buffer_->Bounds()) : buffer_->Bounds();
  return device.Offset(-origin_.X, -origin_.Y);
}

void TCanvas::SetClipRect(const TRect& R) {
  clipped_ = true;
  clip_ = ToDevice(R);
}

void TCanvas::ResetClipRect() { clipped_ = false; }

raster::TTarget TCanvas::Target() const {
  return {buffer_, clipped_ ? Intersect(clip_, buffer_->Bounds()) : buffer_->Bounds()};
}

raster::TPixelOp TCanvas::PenOp() const {
  return {PenModeToRop2(pen_->GetMode()), ColorToRGB(pen_->GetColor())};
}

raster::TPixelOp TCanvas::BrushOp() const {
  return {PenModeToRop2(pen_->GetMode()), ColorToRGB(brush_->GetColor())};
}

raster::TPixelOp TCanvas::PlainBrushOp() const {
  return {TPixelOp::Copy, ColorToRGB(brush_->GetColor())};
}

void TCanvas::MoveTo(int X, int Y) {
  penPos_ = {X, Y};
  dashPhase_ = 0;
}

void TCanvas::ThinLine(TPoint A, TPoint B) {
  const TTarget target = Target();
  const TPixelOp pen = PenOp();
  const std::span<const int> pattern = DashPattern(pen_->GetStyle());
  const std::int64_t phase = dashPhase_;
  if (pattern.empty()) {
    TraceLine(A, B, target.Clip, [&](int x, int y, std::int64_t) { PlotPixel(target, x, y, pen); });
  } else {
    // The gaps of a dashed line show the brush colour, or nothing when the brush is clear.
    const TPixelOp gap = BrushOp();
    const bool paintGaps = HasFill();
    TraceLine(A, B, target.Clip, [&](int x, int y, std::int64_t i) {
      if (DashIsOn(pattern, phase + i)) PlotPixel(target, x, y, pen);
      else if (paintGaps) PlotPixel(target, x, y, gap);
    });
  }
  dashPhase_ += std::max(std::abs(std::int64_t{B.X} - A.X), std::abs(std::int64_t{B.Y} - A.Y));
}

void TCanvas::LineTo(int X, int Y) {
  const TPoint a = ToDevice(penPos_.X, penPos_.Y), b = ToDevice(X, Y);
  if (HasOutline()) {
    const int width = pen_->GetWidth();
    if (width == 1) {
      ThinLine(a, b);
    } else {
      const TTarget target = Target();
      TShapeMask mask(Intersect(Normalised(a.X, a.Y, b.X, b.Y).Inflate(width, width + 1), target.Clip));
      MarkPolyline(mask, {a, b}, false, width);
      const TPixelOp pen = PenOp();
      mask.Paint(target, &pen, nullptr);
    }
  }
  penPos_ = {X, Y};
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
  if (Points.size() < 2 || !HasOutline()) return;
  std::vector<TPoint> device(Points.size());
  std::transform(Points.begin(), Points.end(), device.begin(), [&](TPoint p) { return ToDevice(p.X, p.Y); });
  const int width = pen_->GetWidth();
  if (width == 1) {
    const std::int64_t savedPhase = dashPhase_;
    dashPhase_ = 0;
    for (std::size_t i = 0; i + 1 < device.size(); ++i) ThinLine(device[i], device[i + 1]);
    dashPhase_ = savedPhase;
    return;
  }
  const TTarget target = Target();
  TShapeMask mask(Intersect(PointsBounds(device).Inflate(width, width), target.Clip));
  MarkPolyline(mask, device, false, width);
  const TPixelOp pen = PenOp();
  mask.Paint(target, &pen, nullptr);
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
  if (Points.empty()) return;
  std::vector<TPoint> device(Points.size());
  std::transform(Points.begin(), Points.end(), device.begin(), [&](TPoint p) { return ToDevice(p.X, p.Y); });
  const int width = HasOutline() ? pen_->GetWidth() : 0;
  const TTarget target = Target();
  TShapeMask mask(Intersect(PointsBounds(device).Inflate(width + 1, width + 1), target.Clip));
  if (HasFill())
    MarkPolygonFill(mask, device, fillMode_ == fmWinding ? TFillRule::Winding : TFillRule::Alternate);
  if (HasOutline()) MarkPolyline(mask, device, true, width);
  const TPixelOp pen = PenOp(), brush = BrushOp();
  mask.Paint(target, HasOutline() ? &pen : nullptr, HasFill() ? &brush : nullptr);
}

void TCanvas::PaintBoxShape(int X1, int Y1, int X2, int Y2, bool Elliptic) {
  TRect box = ToDevice(Normalised(X1, Y1, X2, Y2));
  const TTarget target = Target();
  const TPixelOp pen = PenOp(), brush = BrushOp();
  const TPixelOp* brushOp = HasFill() ? &brush : nullptr;
  if (!HasOutline()) {
    // Without an outline the fill stops one pixel short on the right and at the bottom, where the
    // pen would have been.
    box.Right -= 1;
    box.Bottom -= 1;
    if (brushOp) PaintRing(target, BoxShape(box, Elliptic), BoxShape(box, Elliptic), nullptr, brushOp);
    return;
  }
  const int width = pen_->GetWidth();
  if (width == 1) {
    const TRowShape outer = BoxShape(box, Elliptic);
    PaintRing(target, outer, Erode(outer), &pen, brushOp);
    return;
  }
  // A wide pen is centred on the one-pixel outline; an inside-frame pen stays within the box.
  const bool inside = pen_->GetStyle() == psInsideFrame;
  const int out = inside ? 0 : (width - 1) / 2;
  const int in = inside ? width : width / 2 + 1;
  PaintRing(target, BoxShape(box.Inflate(out, out), Elliptic), BoxShape(box.Inflate(-in, -in), Elliptic), &pen,
            brushOp);
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) { PaintBoxShape(X1, Y1, X2, Y2, false); }

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) { PaintBoxShape(X1, Y1, X2, Y2, true); }

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  const TRect box = ToDevice(Normalised(X1, Y1, X2, Y2));
  const TRowShape outer = RoundRectShape(box, X3, Y3);
  const TPixelOp pen = PenOp(), brush = BrushOp();
  PaintRing(Target(), outer, HasOutline() ? Erode(outer) : outer, HasOutline() ? &pen : nullptr,
            HasFill() ? &brush : nullptr);
}

void TCanvas::FillRect(const TRect& R) {
  if (!HasFill()) return;
  FillRectangle(Target(), ToDevice(R), PlainBrushOp());
}

void TCanvas::FrameRect(const TRect& R) {
  if (!HasFill() || R.IsEmpty()) return;
  const TRect d = ToDevice(R);
  const TTarget target = Target();
  const TPixelOp brush = PlainBrushOp();
  FillRectangle(target, {d.Left, d.Top, d.Right, d.Top + 1}, brush);
  FillRectangle(target, {d.Left, d.Bottom - 1, d.Right, d.Bottom}, brush);
  FillRectangle(target, {d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, brush);
  FillRectangle(target, {d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, brush);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  if (!HasOutline()) return;
  const TRect box = ToDevice(Normalised(X1, Y1, X2, Y2));
  const int width = pen_->GetWidth();
  const TTarget target = Target();
  TShapeMask mask(Intersect(box.Inflate(width, width), target.Clip));
  MarkArc(mask, box, ToDevice(X3, Y3), ToDevice(X4, Y4), width);
  const TPixelOp pen = PenOp();
  mask.Paint(target, &pen, nullptr);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect box = ToDevice(Normalised(X1, Y1, X2, Y2));
  const int width = pen_->GetWidth();
  const TTarget target = Target();
  TShapeMask mask(Intersect(box.Inflate(width, width), target.Clip));
  MarkPie(mask, box, ToDevice(X3, Y3), ToDevice(X4, Y4), width, HasOutline());
  const TPixelOp pen = PenOp(), brush = BrushOp();
  mask.Paint(target, HasOutline() ? &pen : nullptr, HasFill() ? &brush : nullptr);
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  const TRect box = ToDevice(Normalised(X1, Y1, X2, Y2));
  const int width = pen_->GetWidth();
  const TTarget target = Target();
  TShapeMask mask(Intersect(box.Inflate(width, width), target.Clip));
  MarkChord(mask, box, ToDevice(X3, Y3), ToDevice(X4, Y4), width, HasOutline());
  const TPixelOp pen = PenOp(), brush = BrushOp();
  mask.Paint(target, HasOutline() ? &pen : nullptr, HasFill() ? &brush : nullptr);
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
  const TPoint p = ToDevice(X, Y);
  raster::FloodFill(Target(), p.X, p.Y, ColorToRGB(Color),
                    FillStyle == fsSurface ? TFloodMode::Surface : TFloodMode::Border, PlainBrushOp());
}

TColor TCanvas::GetPixel(int X, int Y) const {
  const TPoint p = ToDevice(X, Y);
  if (!Target().Clip.Contains(p)) return 0xFFFFFFFF;
  return buffer_->Row(p.Y)[p.X];
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
  const TPoint p = ToDevice(X, Y);
  PlotPixel(Target(), p.X, p.Y, TPixelOp(TPixelOp::Copy, ColorToRGB(Color)));
}

void TCanvas::BlendText(const TTextMask& Mask, int X, int Y, TColor Color, const TRect& Clip) {
  const TPixel c = ColorToRGB(Color);
  const int cr = c & 0xFF, cg = (c >> 8) & 0xFF, cb = (c >> 16) & 0xFF;
  const TRect area = Intersect(Bounds(X + Mask.Left, Y + Mask.Top, Mask.Width, Mask.Height), Clip);
  for (int y = area.Top; y < area.Bottom; ++y) {
    const std::uint8_t* coverage = Mask.Coverage.data() + static_cast<std::size_t>(y - Y - Mask.Top) * Mask.Width;
    TPixel* row = buffer_->Row(y);
    for (int x = area.Left; x < area.Right; ++x) {
      const int a = coverage[x - X - Mask.Left];
      if (a == 0) continue;
      if (a == 255) {
        row[x] = c;
        continue;
      }
      const TPixel d = row[x];
      auto mix = [a](int s, int t) { return static_cast<TPixel>((s * a + t * (255 - a) + 127) / 255); };
      row[x] = mix(cr, d & 0xFF) | (mix(cg, (d >> 8) & 0xFF) << 8) | (mix(cb, (d >> 16) & 0xFF) << 16);
    }
  }
}

void TCanvas::FillTextCell(int X, int Y, int Width, int Height, int Orientation) {
  if (Orientation % 3600 == 0) {
    FillRectangle(Target(), {X, Y, X + Width, Y + Height}, PlainBrushOp());
    return;
  }
  // The cell turns about the reference point with the text: along the baseline (cos, -sin),
  // downwards (sin, cos).
  const double angle = Orientation / 10.0 * std::numbers::pi / 180.0;
  const double c = std::cos(angle), s = std::sin(angle);
  auto corner = [&](double u, double v) {
    return TPoint{X + static_cast<int>(std::lround(u * c + v * s)), Y + static_cast<int>(std::lround(-u * s + v * c))};
  };
  const std::vector<TPoint> cell{corner(0, 0), corner(Width, 0), corner(Width, Height), corner(0, Height)};
  const TTarget target = Target();
  TShapeMask mask(Intersect(PointsBounds(cell), target.Clip));
  MarkPolygonFill(mask, cell, TFillRule::Alternate);
  const TPixelOp brush = PlainBrushOp();
  mask.Paint(target, nullptr, &brush);
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  TTextEngine& engine = TTextEngine::Instance();
  const TFontSpec look = font_->FontSpec();
  const int width = engine.TextWidth(look, Text);
  const TPoint p = ToDevice(X, Y);
  if (HasFill() && width > 0) FillTextCell(p.X, p.Y, width, engine.Metrics(look).Height, look.Orientation);
  const TRect clip = Target().Clip;
  BlendText(engine.Render(look, Text, clip.Offset(-p.X, -p.Y)), p.X, p.Y, font_->GetColor(), clip);
  MoveTo(X + width, Y);
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const std::string& Text) {
  const TRect box = ToDevice(R);
  if (HasFill()) FillRectangle(Target(), box, PlainBrushOp());
  const TPoint p = ToDevice(X, Y);
  const TRect clip = Intersect(box, Target().Clip);
  BlendText(TTextEngine::Instance().Render(font_->FontSpec(), Text, clip.Offset(-p.X, -p.Y)), p.X, p.Y,
            font_->GetColor(), clip);
}

int TCanvas::TextWidth(const std::string& Text) const {
  return TTextEngine::Instance().TextWidth(font_->FontSpec(), Text);
}

int TCanvas::TextHeight(const std::string&) const {
  return TTextEngine::Instance().Metrics(font_->FontSpec()).Height;
}

TSize TCanvas::TextExtent(const std::string& Text) const { return {TextWidth(Text), TextHeight(Text)}; }

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic) {
  if (Graphic == nullptr || Graphic->GetEmpty()) return;
  Graphic->Draw(this, Bounds(X, Y, Graphic->GetWidth(), Graphic->GetHeight()));
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic* Graphic) {
  if (Graphic == nullptr || Graphic->GetEmpty()) return;
  Graphic->Draw(this, R);
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect) {
  if (Source == nullptr) return;
  const TRect s = SourceRect.Offset(Source->origin_.X, Source->origin_.Y);
  const TRect d = ToDevice(Dest);
  StretchCopy(Target(), d.Left, d.Top, d.Width(), d.Height(), *Source->buffer_, s.Left, s.Top, s.Width(),
              s.Height(), copyMode_, stretchMode_, ColorToRGB(brush_->GetColor()));
}

void TCanvas::StretchBlt(int DX, int DY, int DW, int DH, const TPixelBuffer& Source, int SX, int SY, int SW,
                         int SH, std::uint32_t Rop) {
  const TPoint d = ToDevice(DX, DY);
  StretchCopy(Target(), d.X, d.Y, DW, DH, Source, SX, SY, SW, SH, Rop, stretchMode_,
              ColorToRGB(brush_->GetColor()));
}

int SetStretchBltMode(TCanvas* Canvas, int Mode) {
  if (Canvas == nullptr) return 0;
  const int previous = Canvas->GetStretchBltMode();
  Canvas->SetStretchBltMode(Mode);
  return previous;
}

bool StretchBlt(TCanvas* Dest, int DX, int DY, int DW, int DH, const TCanvas* Source, int SX, int SY, int SW,
                int SH, std::uint32_t Rop) {
  if (Dest == nullptr || Source == nullptr) return false;
  const TPoint origin = Source->GetOrigin();
  Dest->StretchBlt(DX, DY, DW, DH, *Source->GetBuffer(), SX + origin.X, SY + origin.Y, SW, SH, Rop);
  return true;
}

}  // namespace gadrix
