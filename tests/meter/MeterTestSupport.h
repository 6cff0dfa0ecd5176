#pragma once
// A meter on a form, painted into a bitmap for pixel checks.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gadrix/meter/Meter.h"
#include "gadrix/platform/controls/Controls.h"

namespace gadrix::testing {

class MeterTest : public ::testing::Test {
protected:
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TMeter* meter = MakeMeter();
  TBitmap picture;

  TMeter* MakeMeter() {
    auto* m = new TMeter(form.get());
    m->SetParent(form.get());
    return m;
  }

  // Paints the meter into `picture`, first filled with Under.
  void Paint(TColor Under = clWhite) {
    picture.SetSize(meter->GetWidth(), meter->GetHeight());
    picture.GetCanvas()->GetBrush()->SetColor(Under);
    picture.GetCanvas()->FillRect(Rect(0, 0, picture.GetWidth(), picture.GetHeight()));
    meter->PaintTo(picture.GetCanvas(), 0, 0);
  }
  TColor At(int X, int Y) const { return picture.GetCanvas()->GetPixel(X, Y); }
  TColor At(TPoint P) const { return At(P.X, P.Y); }

  // The pixel at Radius pixels from the centre on the ray of Value.
  TPoint OnRay(double Value, double Radius) const { return meter->Scale().PointAt(Value, Radius); }

  // Whether a pixel of Color lies within one pixel of P.
  bool Near(TPoint P, TColor Color) const { return Count(Rect(P.X - 1, P.Y - 1, P.X + 2, P.Y + 2), Color) > 0; }

  // How many pixels of Color lie in R.
  int Count(const TRect& R, TColor Color) const {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += At(x, y) == Color;
    return n;
  }
};

// Records the events a meter raises, by name.
struct EventLog {
  std::vector<std::string> Names;
  void Attach(TMeter* M) {
    M->SetOnOverFlow([this](TObject*) { Names.push_back("over"); });
    M->SetOnUnderFlow([this](TObject*) { Names.push_back("under"); });
    M->SetOnNormalRange([this](TObject*) { Names.push_back("normal"); });
  }
  std::vector<std::string> Take() { return std::exchange(Names, {}); }
};

}  // namespace gadrix::testing
