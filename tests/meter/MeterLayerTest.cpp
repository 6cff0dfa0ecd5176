// The layers a meter keeps between paints: whatever was changed in between, a paint shows exactly
// what a new meter with the same properties shows.

#include <functional>

#include "meter/MeterTestSupport.h"

namespace gadrix {
namespace {

using Step = std::function<void(TMeter*)>;

// Paints a new meter that got every step at once.
std::vector<TPixel> Fresh(const std::vector<Step>& Steps) {
  TForm form(nullptr);
  auto* m = new TMeter(&form);
  m->SetParent(&form);
  for (const Step& change : Steps) change(m);
  TBitmap b;
  b.SetSize(m->GetWidth(), m->GetHeight());
  m->PaintTo(b.GetCanvas(), 0, 0);
  std::vector<TPixel> pixels;
  for (int y = 0; y < b.GetHeight(); ++y) pixels.insert(pixels.end(), b.ScanLine(y), b.ScanLine(y) + b.GetWidth());
  return pixels;
}

class MeterLayerTest : public testing::MeterTest {
protected:
  std::vector<Step> steps;

  // Applies a step to the meter under test (painted before and after it) and remembers it.
  void Apply(const Step& Change) {
    Paint();
    Change(meter);
    steps.push_back(Change);
    Paint();
  }
  std::vector<TPixel> Pixels() const {
    std::vector<TPixel> pixels;
    for (int y = 0; y < picture.GetHeight(); ++y)
      pixels.insert(pixels.end(), picture.ScanLine(y), picture.ScanLine(y) + picture.GetWidth());
    return pixels;
  }
};

TEST_F(MeterLayerTest, EveryChangeBetweenPaintsShowsAsOnANewMeter) {
  const std::vector<std::pair<const char*, Step>> changes = {
      {"value", [](TMeter* m) { m->SetValue(0.7); }},
      {"secondary", [](TMeter* m) { m->GetNeedleLayoutSec()->SetVisible(true); m->SetValueSec(0.3); }},
      {"range", [](TMeter* m) { m->SetMeterMaxValue(50); }},
      {"bands", [](TMeter* m) { m->SetScaleBkVisible(true); m->SetScaleBkWidth(12); m->SetThresholdHigh(40); }},
      {"layout", [](TMeter* m) { m->SetMeterLayout(mlCirc270); }},
      {"rim", [](TMeter* m) { m->SetRimSide(20); }},
      {"font", [](TMeter* m) { m->GetFont()->SetSize(11); }},
      {"caption", [](TMeter* m) { m->SetCaption("A"); }},
      {"caption font", [](TMeter* m) { m->GetFontCaption()->SetColor(clRed); }},
      {"cover", [](TMeter* m) { m->SetColorCover(clNavy); m->SetAnchorSize(30); }},
      {"size", [](TMeter* m) { m->SetBounds(0, 0, 260, 240); }},
      {"needle", [](TMeter* m) { m->GetNeedleLayout()->SetThickness(5); }},
      {"lamps", [](TMeter* m) { m->SetValue(50); m->SetLimWatchActColor(clLime); }},
      {"frame", [](TMeter* m) { m->SetFrameStyle(5); m->SetColorScheme(1); }},
      {"dial colour", [](TMeter* m) { m->SetColorBakG(clCream); }},
      {"logarithmic", [](TMeter* m) { m->SetMeterMinValue(0.5); m->SetLogarithmic(true); }},
  };
  for (const auto& [what, step] : changes) {
    Apply(step);
    ASSERT_EQ(Pixels(), Fresh(steps)) << "after the change of " << what;
  }
}

TEST_F(MeterLayerTest, ALabelHandlerIsAskedOnEveryPaintAndSeesTheSameDial) {
  const std::vector<TPixel> plain = (Paint(), Pixels());
  int asked = 0;
  meter->SetOnBeforeDrawScaleLabel([&](TObject*, TCanvas*, std::string&, int, int) { ++asked; });
  Paint();
  EXPECT_EQ(asked, 6);
  EXPECT_EQ(Pixels(), plain);
  meter->SetValue(0.5);
  asked = 0;
  Paint();
  EXPECT_EQ(asked, 6);
  // A handler that changes its mind between paints is heard.
  std::string unit = "a";
  meter->SetOnBeforeDrawScaleLabel([&](TObject*, TCanvas*, std::string& Label, int, int) { Label = unit; });
  Paint();
  const std::vector<TPixel> first = Pixels();
  unit = "WWW";
  Paint();
  EXPECT_NE(Pixels(), first);
  // A change while the handler is set, then no handler again: the plain dial with the change.
  meter->SetColorScale(clMaroon);
  Paint();
  meter->SetOnBeforeDrawScaleLabel(nullptr);
  Paint();
  EXPECT_EQ(Pixels(), Fresh({[](TMeter* m) { m->SetValue(0.5); }, [](TMeter* m) { m->SetColorScale(clMaroon); }}));
}

}  // namespace
}  // namespace gadrix
