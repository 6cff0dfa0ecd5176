// Arbitrary property values into a meter, as a form file may hold them: any range, thresholds,
// values, layout, rims and size, assigned while loading or not, then a paint and the pixel and
// tick conversions. Nothing may crash or hang; after Loaded (and outside loading) the range must
// be valid and finite, the values inside it, and a logarithmic scale above 0.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gadrix/meter/Meter.h"
#include "gadrix/platform/controls/Controls.h"

namespace {

using namespace gadrix;

void Check(bool Condition, int Line) {
  if (Condition) return;
  std::fprintf(stderr, "meter_properties.cpp:%d: check failed\n", Line);
  std::abort();
}
#define Require(Condition) Check(Condition, __LINE__)

class TBytes {
public:
  TBytes(const std::uint8_t* Data, std::size_t Size) : data_(Data), size_(Size) {}
  bool Empty() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  double Real() {
    double v = 0;
    std::uint8_t raw[sizeof v] = {};
    for (std::uint8_t& b : raw) b = Byte();
    std::memcpy(&v, raw, sizeof v);
    return v;
  }
  int Small(int Limit) { return static_cast<int>(Byte()) % Limit; }
  int Signed() { return static_cast<int>(static_cast<std::int8_t>(Byte())) * 4; }

private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

void Assign(TMeter* M, TBytes& In) {
  switch (In.Small(16)) {
    case 0: M->SetMeterMinValue(In.Real()); break;
    case 1: M->SetMeterMaxValue(In.Real()); break;
    case 2: M->SetValue(In.Real()); break;
    case 3: M->SetValueSec(In.Real()); break;
    case 4: M->SetThresholdLow(In.Real()); break;
    case 5: M->SetThresholdHigh(In.Real()); break;
    case 6: M->SetLogarithmic(In.Byte() & 1); break;
    case 7: M->SetMeterLayout(static_cast<TMeterLayout>(In.Small(8))); break;
    case 8: M->SetMeterNrTicks(In.Signed()); break;
    case 9: M->SetMeterDecPlaces(In.Signed()); break;
    case 10: M->SetScaleBkVisible(true); M->SetScaleBkWidth(In.Real()); break;
    case 11: M->SetRimTop(In.Signed()); M->SetRimSide(In.Signed()); break;
    case 12: M->SetBounds(0, 0, In.Small(200) * 2, In.Small(200) * 2); break;
    case 13: M->GetNeedleLayoutSec()->SetVisible(true); M->GetNeedleLayoutSec()->SetThickness(In.Signed()); break;
    case 14: M->SetAnchorSize(In.Signed()); M->SetFrameStyle(In.Byte()); break;
    default: M->GetNeedleLayout()->SetHeadAngle(In.Signed()); M->SetMeterShortTicks(In.Byte() & 1); break;
  }
}

void CheckRange(const TMeter* M) {
  const double lo = M->GetMeterMinValue(), hi = M->GetMeterMaxValue();
  Require(lo < hi);
  for (double v : {M->GetValue(), M->GetValueSec(), M->GetThresholdLow(), M->GetThresholdHigh()})
    Require(v >= lo && v <= hi);
  Require(M->GetThresholdLow() <= M->GetThresholdHigh());
  Require(std::isfinite(lo) && std::isfinite(hi));
  Require(!M->GetLogarithmic() || (lo > 0 && hi > 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TBytes in(Data, Size);
  TForm form(nullptr);
  auto* meter = new TMeter(&form);
  meter->SetParent(&form);
  meter->SetBounds(0, 0, 150, 110);  // small, so that many inputs run; the sizes may change it
  const bool loading = in.Byte() & 1;
  if (loading) meter->BeginLoading();
  for (int i = 0; i < 24 && !in.Empty(); ++i) Assign(meter, in);
  if (loading) meter->Loaded();
  CheckRange(meter);

  TBitmap picture;
  picture.SetSize(meter->GetWidth(), meter->GetHeight());
  meter->PaintTo(picture.GetCanvas(), 0, 0);
  double value = 0;
  const int x = in.Signed(), y = in.Signed();
  if (meter->ConvertPixelToValue(x, y, value)) Require(!std::isnan(value));
  int px = 0, py = 0;
  meter->ConvertToPixelCoords(in.Real(), in.Real(), px, py);
  Require(!std::isnan(meter->CalcNeedleAngle(in.Real())));

  const double a = in.Real(), b = in.Real();
  const TTickStep step = CalcTickStep(a, b, in.Small(30));
  Require(MajorTicks(step, b).size() <= static_cast<std::size_t>(kMaxScaleTicks));
  Require(MinorTicks(step, a, b).size() <= static_cast<std::size_t>(kMaxScaleTicks));
  Require(LogarithmicTicks(a, b).size() <= static_cast<std::size_t>(kMaxScaleTicks));
  return 0;
}
