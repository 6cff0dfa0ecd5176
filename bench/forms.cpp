// Repainting one small control of a full-HD form with 200 controls, against repainting the whole
// form: painting cost follows what is invalidated.

#include "BenchSupport.h"
#include "gadrix/platform/controls/Controls.h"

namespace {

using namespace gadrix;

// A control that paints a frame, a fill and a short text, like a typical small display.
class TTile : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void Paint() override {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetColor(clCream);
    c->Rectangle(GetClientRect());
    c->TextOut(4, 4, "12.5");
  }
};

struct TBusyForm {
  TForm Form{nullptr};
  std::vector<TTile*> Tiles;
  TBusyForm() {
    Form.SetBounds(0, 0, 1920, 1080);
    for (int i = 0; i < 200; ++i) {
      auto* tile = new TTile(&Form);
      tile->SetParent(&Form);
      tile->SetBounds(10 + (i % 20) * 95, 10 + (i / 20) * 105, 80, 60);
      Tiles.push_back(tile);
    }
    Form.Show();
    Form.PaintPending();
  }
};

TBusyForm& Busy() {
  static TBusyForm busy;
  return busy;
}

void RepaintOneControl(benchmark::State& state) {
  TBusyForm& busy = Busy();
  for (auto _ : state) {
    busy.Tiles[57]->Invalidate();
    busy.Form.PaintPending();
  }
}
BENCHMARK(RepaintOneControl);

void RepaintWholeForm(benchmark::State& state) {
  TBusyForm& busy = Busy();
  for (auto _ : state) {
    busy.Form.Invalidate();
    busy.Form.PaintPending();
  }
}
BENCHMARK(RepaintWholeForm);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(
      argc, argv, {{"RepaintOneControl", "RepaintWholeForm", "one control of 200 / the whole full-HD form"}});
}
