#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gadrix/platform/controls/Controls.h"

namespace gadrix {
namespace {

using Log = std::vector<std::string>;

// A control with a red frame of 3 pixels around a blue client area; it takes presses on its frame.
class TFramed : public TCustomControl {
public:
  TFramed(TComponent* AOwner, Log* Events) : TCustomControl(AOwner), events_(Events) {}
  TRect GetClientBounds() const override { return {3, 3, GetWidth() - 3, GetHeight() - 3}; }

protected:
  void PaintNonClient(TCanvas* Canvas) override {
    Canvas->GetBrush()->SetColor(clRed);
    Canvas->FillRect({0, 0, GetWidth(), GetHeight()});
  }
  void Paint() override {
    GetCanvas()->GetBrush()->SetColor(clBlue);
    GetCanvas()->FillRect(GetClientRect());
  }
  bool NonClientMouse(TNonClientMouse Action, TMouseButton, TShiftState, int X, int Y) override {
    if (GetClientRect().Contains({X, Y})) return false;
    if (Action == ncmDown) events_->push_back("frame " + std::to_string(X) + "," + std::to_string(Y));
    return true;
  }
  void MouseDown(TMouseButton, TShiftState, int X, int Y) override {
    events_->push_back("down " + std::to_string(X) + "," + std::to_string(Y));
  }

private:
  Log* events_;
};

struct NonClient : ::testing::Test {
  Log events;
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TFramed* framed = new TFramed(form.get(), &events);
  TWinControl* child = new TWinControl(form.get());  // fills itself with its colour
  void SetUp() override {
    form->SetColor(clWhite);
    framed->SetParent(form.get());
    framed->SetBounds(10, 10, 40, 30);
    child->SetParent(framed);
    child->SetBounds(0, 0, 5, 5);
    child->SetColor(clLime);
    form->Show();
    form->PaintPending();
  }
  TColor At(int X, int Y) { return form->BackBuffer().Row(Y)[X]; }
};

TEST_F(NonClient, TheFrameIsPaintedOutsideTheClientAreaAndTheChildrenSitInside) {
  EXPECT_EQ(framed->GetClientRect(), (TRect{0, 0, 34, 24}));
  EXPECT_EQ(At(10, 10), clRed);
  EXPECT_EQ(At(12, 20), clRed);
  EXPECT_EQ(At(13, 13), clLime);  // the child at client (0, 0)
  EXPECT_EQ(At(18, 18), clBlue);
  EXPECT_EQ(At(49, 39), clRed);
  EXPECT_EQ(framed->ClientToForm({0, 0}), (TPoint{13, 13}));
  EXPECT_EQ(child->ClientToForm({0, 0}), (TPoint{13, 13}));
}

TEST_F(NonClient, MouseCoordinatesAreClientCoordinatesAndTheFrameTakesItsOwnPresses) {
  sim::Click(framed, 10, 12);
  sim::MouseDown(form.get(), mbLeft, {}, 11, 30);  // on the frame's left edge
  sim::MouseUp(form.get(), mbLeft, {}, 11, 30);
  EXPECT_EQ(events, (Log{"down 10,12", "frame -2,17"}));
}

TEST_F(NonClient, InvalidatingRepaintsTheFrameToo) {
  form->BackBuffer().Row(10)[10] = clBlack;
  framed->Invalidate();
  form->PaintPending();
  EXPECT_EQ(At(10, 10), clRed);
}

TEST_F(NonClient, PaintToDrawsFrameAndClient) {
  TBitmap bitmap;
  bitmap.SetSize(40, 30);
  framed->PaintTo(bitmap.GetCanvas(), 0, 0);
  EXPECT_EQ(bitmap.ScanLine(0)[0], clRed);
  EXPECT_EQ(bitmap.ScanLine(3)[3], clLime);
  EXPECT_EQ(bitmap.ScanLine(15)[20], clBlue);
  EXPECT_EQ(bitmap.ScanLine(29)[39], clRed);
}

}  // namespace
}  // namespace gadrix
