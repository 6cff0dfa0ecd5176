// Pictures from files: the dial background in its three modes and the anchor picture, loaded at
// once and again in Loaded; names that cannot be loaded are cleared.

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "meter/MeterTestSupport.h"

namespace gadrix {
namespace {

namespace fs = std::filesystem;

constexpr int W = 297, H = 209;
const TColor kFace = ColorToRGB(clBtnFace);

class MeterPictureTest : public testing::MeterTest {
protected:
  fs::path dir = fs::temp_directory_path() / ("gadrix_meter_" + std::to_string(::getpid()));

  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }

  // A picture of Width x Height: Left colour in its left half, Right in its right half, and a
  // Corner pixel at its top-left.
  std::string WritePicture(const std::string& Name, int Width, int Height, TColor Left, TColor Right,
                           TColor Corner) {
    TBitmap b;
    b.SetSize(Width, Height);
    b.GetCanvas()->GetBrush()->SetColor(Left);
    b.GetCanvas()->FillRect(Rect(0, 0, Width / 2, Height));
    b.GetCanvas()->GetBrush()->SetColor(Right);
    b.GetCanvas()->FillRect(Rect(Width / 2, 0, Width, Height));
    b.GetCanvas()->SetPixel(0, 0, Corner);
    const std::string file = (dir / Name).string();
    b.SaveToFile(file);
    return file;
  }
  // Only the background and the bezel.
  void Quiet() {
    meter->SetScaleVisible(false);
    meter->SetOnBeforeDrawNeedle([](TObject*, TCanvas*, bool& Drawn) { Drawn = true; });
    meter->SetAnchorCovered(false);
    meter->SetLimWatchHighOn(false);
    meter->SetLimWatchLowOn(false);
  }
};

TEST_F(MeterPictureTest, OwnSizeSitsAtTheTopLeftOnWhiteWithABlackOutline) {
  Quiet();
  meter->SetColorBakG(clAqua);
  meter->SetBackGroundImg(WritePicture("bg.png", 60, 40, clRed, clBlue, clLime));
  ASSERT_FALSE(meter->GetBackGroundImg().empty());
  meter->SetFrameStyle(0);
  meter->SetRimSide(0);  // no bezel: the window's edge lies outside but for its top line
  meter->SetRimTop(0);
  meter->SetRimBottom(0);
  Paint();
  EXPECT_EQ(At(0, 20), clRed);  // the picture over the outline
  EXPECT_EQ(At(20, 20), clRed);
  EXPECT_EQ(At(45, 20), clBlue);
  EXPECT_EQ(At(100, 100), clWhite);  // not ColorBakG: the picture replaces it
  EXPECT_EQ(At(W - 1, 100), clBlack);
  EXPECT_EQ(At(100, H - 1), clBlack);
}

TEST_F(MeterPictureTest, StretchedCoversTheWholeControl) {
  Quiet();
  meter->SetBackGroundImg(WritePicture("bg.bmp", 20, 10, clRed, clBlue, clRed));
  meter->SetBkgndFillMode(1);
  Paint();
  EXPECT_EQ(At(60, 100), clRed);
  EXPECT_EQ(At(230, 100), clBlue);
  EXPECT_EQ(At(3, 100), kFace);  // the bezel still covers it
}

TEST_F(MeterPictureTest, TiledRepeatsThePictureFromTheTopLeft) {
  Quiet();
  meter->SetBackGroundImg(WritePicture("tile.png", 40, 30, clRed, clBlue, clLime));
  meter->SetBkgndFillMode(2);
  Paint();
  for (int tx = 1; tx * 40 + 40 < W - 10; ++tx)
    for (int ty = 1; ty * 30 + 30 < H - 10; ++ty) {
      EXPECT_EQ(At(tx * 40, ty * 30), clLime) << tx << "," << ty;
      EXPECT_EQ(At(tx * 40 + 10, ty * 30 + 5), clRed);
      EXPECT_EQ(At(tx * 40 + 30, ty * 30 + 5), clBlue);
    }
  // The last, partial tiles reach the edges.
  EXPECT_EQ(At(280 + 5, 180 + 5), clRed);
}

TEST_F(MeterPictureTest, AnAnchorPictureIsCentredOnTheNeedlesCentreAtItsOwnSize) {
  meter->SetFrameStyle(0);
  meter->SetAnchorImage(WritePicture("anchor.png", 11, 7, clRed, clBlue, clLime));
  ASSERT_FALSE(meter->GetAnchorImage().empty());
  Paint();
  const int cx = meter->GetMeterCenterX(), cy = meter->GetMeterCenterY();
  EXPECT_EQ(At(cx - 5, cy - 3), clLime);
  EXPECT_EQ(At(cx - 3, cy), clRed);
  EXPECT_EQ(At(cx + 3, cy + 3), clBlue);
  EXPECT_EQ(At(cx + 10, cy - 10), clWhite);  // no built-in anchor
  EXPECT_EQ(At(50, H - 10), clWhite);        // the plain window edge
  meter->SetAnchorCovered(false);
  Paint();
  EXPECT_NE(At(cx + 3, cy + 3), clBlue);
}

TEST_F(MeterPictureTest, NamesThatCannotBeLoadedAreCleared) {
  meter->SetBackGroundImg((dir / "missing.png").string());
  EXPECT_EQ(meter->GetBackGroundImg(), "");
  const std::string junk = (dir / "junk.png").string();
  std::ofstream(junk) << "not a picture at all";
  meter->SetAnchorImage(junk);
  EXPECT_EQ(meter->GetAnchorImage(), "");
  meter->SetBackGroundImg(dir.string());  // a folder
  EXPECT_EQ(meter->GetBackGroundImg(), "");
  // Clearing a loaded picture removes it.
  meter->SetBackGroundImg(WritePicture("bg.png", 80, 60, clRed, clRed, clRed));
  Paint();
  EXPECT_EQ(At(35, 30), clRed);
  meter->SetBackGroundImg("");
  Paint();
  EXPECT_EQ(At(35, 30), clWhite);
}

TEST_F(MeterPictureTest, LoadedLoadsBothPicturesAgainAndClearsWhatFails) {
  const std::string bg = WritePicture("bg.png", 60, 40, clRed, clRed, clRed);
  const std::string anchor = WritePicture("anchor.png", 9, 9, clBlue, clBlue, clBlue);
  meter->BeginLoading();
  meter->SetBackGroundImg(bg);
  meter->SetAnchorImage(anchor);
  fs::remove(anchor);  // gone by the time the form is complete
  meter->Loaded();
  EXPECT_EQ(meter->GetBackGroundImg(), bg);
  EXPECT_EQ(meter->GetAnchorImage(), "");
  Paint();
  EXPECT_EQ(At(40, 35), clRed);
  EXPECT_NE(At(meter->GetMeterCenterX(), meter->GetMeterCenterY() + 2), clBlue);
}

}  // namespace
}  // namespace gadrix
