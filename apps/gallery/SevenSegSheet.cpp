// The seven-segment display: a clock, a temperature, hex counters, points and signs in several
// colours and sizes, the frame styles, and a display whose caption follows a timer.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "Sheets.h"
#include "gadrix/displays/sevenseg.h"
#include "gadrix/platform/controls/Controls.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int Margin = 20, LabelGap = 18;

struct TLook {
  TColor Text, Ground;
};
constexpr TLook Red{0x0000FF, 0x333333};
constexpr TLook Green{RGB(60, 255, 90), RGB(8, 20, 10)};
constexpr TLook Amber{RGB(255, 176, 0), RGB(24, 16, 8)};
constexpr TLook Cyan{RGB(0, 220, 255), RGB(8, 16, 32)};
constexpr TLook WhiteOnNavy{clWhite, RGB(16, 24, 80)};
constexpr TLook Lcd{RGB(34, 44, 34), RGB(150, 172, 122)};
constexpr TLook Blue{RGB(90, 150, 255), clBlack};

// Lays displays out in rows on the sheet, each under its label.
class TShelf {
public:
  TShelf(TForm& Form, TCanvas* Canvas, int Top) : form_(Form), canvas_(Canvas), x_(Margin), y_(Top) {}

  // A new display with these settings, and Setup for the rest, painted at the next place.
  void Add(const std::string& Title, const std::string& Caption, int Digits, int Width, int Height, TLook Look,
           const std::function<void(TSevenSeg*)>& Setup = {}) {
    auto* display = new TSevenSeg(&form_);
    display->SetParent(&form_);
    display->SetBounds(0, 0, Width, Height);
    display->SetNumDigits(Digits);
    display->SetColorText(Look.Text);
    display->SetColorBackGnd(Look.Ground);
    display->SetCaption(Caption);
    if (Setup) Setup(display);
    Place(Title, display);
  }

  // Paints a display at the next place on the row.
  void Place(const std::string& Title, TSevenSeg* Display) {
    SheetLabel(canvas_, x_, y_, Title);
    Display->PaintTo(canvas_, x_, y_ + LabelGap);
    x_ += Display->GetWidth() + Margin;
    rowHeight_ = std::max(rowHeight_, LabelGap + Display->GetHeight());
  }

  void NextRow(int Gap = 26) {
    x_ = Margin;
    y_ += rowHeight_ + Gap;
    rowHeight_ = 0;
  }
  int Top() const { return y_; }

private:
  TForm& form_;
  TCanvas* canvas_;
  int x_, y_;
  int rowHeight_ = 0;
};

// A stopwatch: a timer ticks every second and the caption shows the minutes and seconds.
void TimerRow(TForm& Form, TShelf& Shelf) {
  auto* display = new TSevenSeg(&Form);
  display->SetParent(&Form);
  display->SetBounds(0, 0, 200, 70);
  display->SetNumDigits(5);
  display->SetColorText(Amber.Text);
  display->SetColorBackGnd(Amber.Ground);
  int seconds = 0;
  auto show = [&] {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60 % 100, seconds % 60);
    display->SetCaption(text);
  };
  show();
  auto* timer = new TTimer(&Form);
  timer->SetInterval(1000);
  timer->SetOnTimer([&](TObject*) {
    ++seconds;
    show();
  });
  int shown = 0;
  for (int at : {0, 1, 59, 60, 61}) {
    while (shown < at) {
      sim::AdvanceTime(1000);
      ++shown;
    }
    Shelf.Place("after " + std::to_string(at) + " s", display);
  }
  timer->SetEnabled(false);
}

}  // namespace

void RenderSevenSegSheet(TBitmap& Bitmap) {
  constexpr int Width = 1140, Height = 790;
  Bitmap.SetSize(Width, Height);
  TCanvas* c = Bitmap.GetCanvas();
  c->GetBrush()->SetColor(SheetPaper);
  c->FillRect(Rect(0, 0, Width, Height));
  SheetLabel(c, Margin, 12, "Seven-segment display", clBlack, 13);
  SheetLabel(c, Margin + 200, 17, "TSevenSeg: each character a cell; '.' and ',' light the point of the cell before them",
        clDkGray);

  TForm form(nullptr);
  TShelf shelf(form, c, 52);
  shelf.Add("Defaults: 8.8.8.8., 216 x 76", "8.8.8.8.", 4, 216, 76, Red);
  shelf.Add("A clock: 12:30", "12:30", 5, 240, 76, Green);
  shelf.Add("A temperature: 25\xC2\xB0" "C", "25\xC2\xB0" "C", 4, 200, 76, Amber);
  shelf.Add("A hex counter: C0FFEE", "C0FFEE", 6, 330, 76, Cyan);
  shelf.NextRow();

  shelf.Add("White text (drawn 0xFEFEFE): -12.5", "-12.5", 5, 230, 76, WhiteOnNavy);
  shelf.Add("LCD look, raised frame: +3.14", "+3.14", 5, 230, 76, Lcd, [](TSevenSeg* d) { d->SetFrameStyle(3); });
  shelf.Add("Letters a to f: abcdef", "abcdef", 6, 300, 76, Blue);
  shelf.Add("Point alone: .5", ".5", 2, 110, 76, Red);
  shelf.Add("Unknown: x?Z", "x?Z", 3, 150, 76, Red);
  shelf.NextRow();

  shelf.Add("One digit, 150 x 200", "8.", 1, 150, 200, Red);
  shelf.Add("Two, margin 3, spacing 12", "42", 2, 200, 140, Green, [](TSevenSeg* d) {
    d->SetMargin(3);
    d->SetInterDigDist(12);
  });
  shelf.Add("Eight digits, 400 x 60", "-1234567", 8, 400, 60, Cyan);
  shelf.Add("A comma as the point: 3,14", "3,14", 3, 180, 60, Blue);
  shelf.NextRow();

  shelf.Add("Small: 96 x 30", "12.34", 4, 96, 30, Red);
  shelf.Add("Tiny: 64 x 20", "25\xC2\xB0", 3, 64, 20, Green);
  for (TFrameStyle style = 0; style <= 5; ++style)
    shelf.Add("Frame " + std::to_string(style), std::to_string(style) + ".", 1, 60, 76, Lcd,
              [style](TSevenSeg* d) { d->SetFrameStyle(style); });
  shelf.NextRow();

  SheetLabel(c, Margin, shelf.Top(), "A caption that follows a timer (a stopwatch ticking every second)", clDkGray);
  TShelf timerShelf(form, c, shelf.Top() + 20);
  TimerRow(form, timerShelf);
}

}  // namespace gallery
