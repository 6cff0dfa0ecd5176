// Sheets of the base library's drawing: the 52 marker symbols and the six frame styles.

#include <string>

#include "Sheets.h"
#include "gadrix/helmar/Drawing.h"
#include "gadrix/helmar/Markers.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr TColor Face = clSilver;
constexpr TColor Ink = clBlack;

// The usual five frame colours: white, silver, grey, black, black.
void UsualFrame(TCanvas* C, TFrameStyle Style, int Left, int Top, int Right, int Bottom) {
  DrawFrame(C, Style, Left, Top, Right, Bottom, clWhite, clSilver, clGray, clBlack, clBlack);
}

void Text(TCanvas* C, int X, int Y, const std::string& S, int Size = 9, TColor Color = Ink) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(Size);
  C->GetFont()->SetColor(Color);
  C->TextOut(X, Y, S);
}

void CentredText(TCanvas* C, int CentreX, int Y, const std::string& S, int Size = 9) {
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(Size);
  Text(C, CentreX - C->TextWidth(S) / 2, Y, S, Size);
}

void Fill(TCanvas* C, const TRect& R, TColor Color) {
  C->GetBrush()->SetColor(Color);
  C->FillRect(R);
}

// A symbol enlarged: each of its pixels a Dot x Dot square on a Pitch grid, over a faint grid.
void EnlargedMarker(TCanvas* C, int Mark, int Left, int Top, int Dot, int Pitch) {
  constexpr int Box = 2 * MarkerRadius + 1;
  TBitmap cell;
  cell.SetSize(Box, Box);
  DrawMarkOnCanvas(cell.GetCanvas(), Mark, MarkerRadius, MarkerRadius);
  for (int y = 0; y < Box; ++y)
    for (int x = 0; x < Box; ++x) {
      const bool on = cell.ScanLine(y)[x] != clWhite;
      const TColor dot = on ? Ink : (x == MarkerRadius || y == MarkerRadius ? 0xE4E4E4 : 0xF0F0F0);
      Fill(C, Bounds(Left + x * Pitch, Top + y * Pitch, Dot, Dot), dot);
    }
}

// The symbols as a marker selector shows them: 29-pixel cells on the button face, one selected
// (white cell, navy symbol) and one highlighted (red cell, white symbol), in an etched frame.
void SelectorPreview(TCanvas* C, int Left, int Top) {
  constexpr int Cols = 13, Rows = 4, Pitch = 29, Half = Pitch / 2;
  constexpr int Selected = 19, Highlighted = 38;
  const int width = Cols * Pitch + 4, height = Rows * Pitch + 4;
  C->GetBrush()->SetColor(Face);
  UsualFrame(C, 5, Left, Top, Left + width - 1, Top + height - 1);
  for (int mark = 0; mark < MarkerCount; ++mark) {
    const int x = Left + Half + Pitch * (mark % Cols), y = Top + Half + Pitch * (mark / Cols);
    TColor pen = Ink;
    if (mark == Selected) {
      Fill(C, Rect(x - Half + 3, y - Half + 3, x + Half + 3, y + Half + 3), clWhite);
      pen = clNavy;
    } else if (mark == Highlighted) {
      Fill(C, Rect(x - Half + 4, y - Half + 4, x + Half + 2, y + Half + 2), clRed);
      pen = clWhite;
    }
    C->GetPen()->SetColor(pen);
    DrawMarkOnCanvas(C, mark, x + 2, y + 2);
  }
  C->GetPen()->SetColor(Ink);
}

// Enlarged corners of a frame: the top-left and bottom-right 6 x 6 pixels, Zoom times, on a blue
// grid so that silver shows against the face. The inside is filled pale yellow.
void EnlargedCorners(TCanvas* C, TFrameStyle Style, int Left, int Top, int Zoom) {
  constexpr int Probe = 16, Corner = 6;
  constexpr TColor Grid = RGB(70, 110, 160), Inside = RGB(255, 250, 190);
  TBitmap probe;
  probe.SetSize(Probe, Probe);
  probe.GetCanvas()->GetBrush()->SetColor(Inside);
  UsualFrame(probe.GetCanvas(), Style, 0, 0, Probe - 1, Probe - 1);
  const auto block = [&](int OffsetCells, int SourceOffset) {
    const int x0 = Left + OffsetCells * Zoom, y0 = Top + OffsetCells * Zoom;
    Fill(C, Rect(x0 - 1, y0 - 1, x0 + Corner * Zoom, y0 + Corner * Zoom), Grid);
    for (int y = 0; y < Corner; ++y)
      for (int x = 0; x < Corner; ++x)
        Fill(C, Bounds(x0 + x * Zoom, y0 + y * Zoom, Zoom - 1, Zoom - 1),
             probe.ScanLine(SourceOffset + y)[SourceOffset + x]);
  };
  block(0, 0);
  block(Corner + 1, Probe - Corner);
}

}  // namespace

void RenderMarkerSheet(TBitmap& Bitmap) {
  constexpr int Cols = 13, Dot = 4, Pitch = 5, CellW = 68, CellH = 92, Margin = 20, Head = 48;
  constexpr int GridW = Cols * CellW, GridH = 4 * CellH;
  const int width = GridW + 2 * Margin, height = Head + GridH + 176;
  Bitmap.SetSize(width, height);
  TCanvas* c = Bitmap.GetCanvas();
  Fill(c, Rect(0, 0, width, height), clWhite);
  Text(c, Margin, 12, "Marker symbols 0 to 51", 13);
  Text(c, Margin + 200, 17, "each enlarged five times above its number and its real size", 9, clGray);
  for (int mark = 0; mark < MarkerCount; ++mark) {
    const int left = Margin + (mark % Cols) * CellW, top = Head + (mark / Cols) * CellH;
    const int zoomed = (2 * MarkerRadius + 1) * Pitch - 1;
    const int zx = left + (CellW - zoomed) / 2;
    EnlargedMarker(c, mark, zx, top, Dot, Pitch);
    const std::string label = std::to_string(mark);
    c->GetFont()->SetSize(10);
    const int labelW = c->TextWidth(label);
    const int realX = left + CellW / 2 + labelW / 2 + 12;
    Text(c, left + CellW / 2 - labelW / 2 - 6, top + zoomed + 8, label, 10);
    c->GetPen()->SetColor(Ink);
    DrawMarkOnCanvas(c, mark, realX, top + zoomed + 16);
  }
  const int previewTop = Head + GridH + 14;
  Text(c, Margin, previewTop, "In a marker selector's 29-pixel cells, with a selected and a highlighted symbol",
       9, clGray);
  SelectorPreview(c, Margin, previewTop + 22);
}

void RenderFrameSheet(TBitmap& Bitmap) {
  static const char* const Names[] = {"0  flat", "1  single line", "2  sunken", "3  raised",
                                      "4  bump", "5  etched"};
  constexpr int Styles = 6, BoxW = 132, BoxH = 72, Gap = 18, Margin = 20, Head = 48, Zoom = 9;
  const int width = 2 * Margin + Styles * BoxW + (Styles - 1) * Gap;
  const int height = 430;
  Bitmap.SetSize(width, height);
  TCanvas* c = Bitmap.GetCanvas();
  Fill(c, Rect(0, 0, width, height), Face);
  Text(c, Margin, 12, "Frame styles 0 to 5", 13);
  Text(c, Margin + 170, 17, "colours white, silver, grey, black, black", 9, clDkGray);
  const int rowFace = Head + 22, rowWhite = rowFace + BoxH + 34, rowCorners = rowWhite + BoxH + 34;
  Text(c, Margin, rowFace - 20, "Filled with the button-face brush", 9, clDkGray);
  Text(c, Margin, rowWhite - 20, "Filled with a white brush", 9, clDkGray);
  Text(c, Margin, rowCorners - 20, "Top-left and bottom-right corners, enlarged, inside filled pale yellow", 9, clDkGray);
  for (TFrameStyle style = 0; style < Styles; ++style) {
    const int left = Margin + style * (BoxW + Gap);
    c->GetBrush()->SetColor(Face);
    UsualFrame(c, style, left, rowFace, left + BoxW - 1, rowFace + BoxH - 1);
    CentredText(c, left + BoxW / 2, rowFace + BoxH / 2 - 8, Names[style]);
    c->GetBrush()->SetColor(clWhite);
    UsualFrame(c, style, left, rowWhite, left + BoxW - 1, rowWhite + BoxH - 1);
    const std::string border = std::to_string(FrameBorderWidth(style)) + " px border";
    CentredText(c, left + BoxW / 2, rowWhite + BoxH / 2 - 8, border);
    EnlargedCorners(c, style, left + (BoxW - 13 * Zoom) / 2, rowCorners, Zoom);
  }
}

}  // namespace gallery
