#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/CanvasTestSupport.h"

namespace gadrix {
namespace {

std::string TempFile(const std::string& Name) {
  return (std::filesystem::temp_directory_path() / ("gadrix_" + Name)).string();
}

TEST(Bitmap, AssignCopiesThePixelsNeverSharesThem) {
  TBitmap a, b;
  a.SetSize(3, 2);
  a.GetCanvas()->SetPixel(1, 1, clRed);
  b.Assign(&a);
  EXPECT_EQ(b.GetWidth(), 3);
  EXPECT_EQ(b.GetCanvas()->GetPixel(1, 1), clRed);
  b.GetCanvas()->SetPixel(1, 1, clBlue);
  EXPECT_EQ(a.GetCanvas()->GetPixel(1, 1), clRed);
  EXPECT_THROW(b.Assign(b.GetCanvas()->GetFont()), EConvertError);
}

TEST(Bitmap, SetSizeKeepsWhatFitsAndNewPixelsAreWhite) {
  TBitmap bmp;
  EXPECT_TRUE(bmp.GetEmpty());
  bmp.SetSize(2, 2);
  bmp.ScanLine(1)[1] = clRed;
  bmp.SetSize(4, 3);
  EXPECT_EQ(bmp.ScanLine(1)[1], clRed);
  EXPECT_EQ(bmp.ScanLine(2)[3], clWhite);
  bmp.SetWidth(-5);
  EXPECT_EQ(bmp.GetWidth(), 0);
  EXPECT_THROW(bmp.SetSize(100000, 100000), EOutOfMemory);
}

TEST(Bitmap, PngRoundTripKeepsEveryPixel) {
  TBitmap bmp;
  bmp.SetSize(17, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 17; ++x) bmp.ScanLine(y)[x] = RGB(x * 15, y * 28, (x * y) & 0xFF);
  const std::string path = TempFile("roundtrip.png");
  bmp.SaveToFile(path);
  TBitmap back;
  back.LoadFromFile(path);
  EXPECT_EQ(back.Pixels(), bmp.Pixels());
  std::remove(path.c_str());
}

TEST(Bitmap, BadPictureFilesRaiseClearErrors) {
  TBitmap bmp;
  bmp.SetSize(2, 2);
  EXPECT_THROW(bmp.LoadFromFile(TempFile("does-not-exist.png")), EFileError);

  const std::vector<std::uint8_t> notAPicture{'h', 'e', 'l', 'l', 'o'};
  EXPECT_THROW(bmp.LoadFromMemory(notAPicture), EInvalidGraphic);
  EXPECT_THROW(bmp.LoadFromMemory(std::vector<std::uint8_t>{}), EInvalidGraphic);

  // A real PNG cut short.
  TBitmap source;
  source.SetSize(40, 40);
  source.GetCanvas()->Ellipse(0, 0, 40, 40);
  const std::vector<std::uint8_t> png = EncodePng(source.Pixels());
  const std::vector<std::uint8_t> truncated(png.begin(), png.begin() + png.size() / 2);
  EXPECT_THROW(bmp.LoadFromMemory(truncated), EInvalidGraphic);

  // A PNG header claiming 100000 x 100000 pixels is refused before any pixel memory is taken.
  std::vector<std::uint8_t> huge(png.begin(), png.begin() + 33);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) huge[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
  };
  put32(16, 100000);
  put32(20, 100000);
  EXPECT_THROW(bmp.LoadFromMemory(huge), EInvalidGraphic);

  // A BMP header with absurd dimensions.
  std::vector<std::uint8_t> bmpFile(54, 0);
  bmpFile[0] = 'B';
  bmpFile[1] = 'M';
  bmpFile[14] = 40;
  for (int i = 0; i < 4; ++i) bmpFile[18 + i] = bmpFile[22 + i] = 0x7F;
  bmpFile[26] = 1;
  bmpFile[28] = 24;
  EXPECT_THROW(bmp.LoadFromMemory(bmpFile), EInvalidGraphic);

  // Failed loads leave the bitmap as it was.
  EXPECT_EQ(bmp.GetWidth(), 2);
}

TEST(Bitmap, ResourcesAreFoundByNameAndAMissingOneIsReported) {
  TBitmap bmp;
  try {
    bmp.LoadFromResourceName("NO_SUCH_RESOURCE");
    FAIL() << "expected EResNotFound";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "resource not found: NO_SUCH_RESOURCE");
  }
  for (const std::string& name : ResourceNames()) {
    EXPECT_NO_THROW(bmp.LoadFromResourceName(name)) << name;
    EXPECT_FALSE(bmp.GetEmpty()) << name;
  }
}

TEST(Colors, SystemColoursResolveAndNamesRoundTrip) {
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
  EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
  EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
  EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
  EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
  EXPECT_EQ(ColorToString(clRed), "clRed");
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(0x00123456), "$00123456");
  for (TColor c : {clRed, clBtnFace, cl3DDkShadow, TColor{0x00ABCDEF}, clNone})
    EXPECT_EQ(StringToColor(ColorToString(c)), c);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_EQ(StringToColor("clwhite"), clWhite);
  EXPECT_THROW(StringToColor("clMauve"), EConvertError);
  EXPECT_THROW(StringToColor("$"), EConvertError);
}

}  // namespace
}  // namespace gadrix
