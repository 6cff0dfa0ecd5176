#pragma once
// One direction of a grid (its columns or its rows): how many cells there are, how many of them are
// fixed, how wide each one is, and where each one lies in a client area of a given extent.
//
// Sizes are stored as a default and the exceptions to it, so a grid of a million rows of which
// none was resized costs nothing per row; sums over any range cost as many steps as the range
// holds exceptions.
//
// Layout along the axis, in client pixels: the fixed cells first (from pixel 0), then the
// scrollable cells from the first one shown (TopRow or LeftCol). Every cell takes its size plus
// the line width, the line lying after it:
//
//     | fixed 0 |l| fixed 1 |l| first |l| first + 1 |l| ...
//
// A cell is shown when it starts inside the client extent; it may be cut off at the end.

#include <cstdint>
#include <map>
#include <vector>

namespace gadrix {

// Where the cells of one axis lie in a client extent.
struct TAxisLayout {
  int LineWidth = 0;        // the gap after every cell (0 when the axis draws no lines at all)
  int ClientExtent = 0;     // the client width or height
  int FixedBoundary = 0;    // the first pixel after the fixed cells and their lines, at most ClientExtent
  int GridBoundary = 0;     // the first pixel after the last cell shown and its line, at most ClientExtent
  int First = 0;            // the first scrollable cell shown
  int LastVisible = -1;     // the last cell shown, wholly or in part; -1 when none
  int LastFullVisible = -1; // the last scrollable cell shown whole with its line; First - 1 when none
};

// A cell in view: its index, where it starts and its size (without the line after it).
struct TCellSpan {
  int Index = 0;
  int Start = 0;
  int Size = 0;
};

class TGridAxis {
public:
  TGridAxis(int Count, int Fixed, int DefaultSize) : count_(Count), fixed_(Fixed), default_(DefaultSize) {}

  int Count() const { return count_; }
  // Cells past the new count lose their sizes.
  void SetCount(int Value);
  int Fixed() const { return fixed_; }
  void SetFixed(int Value) { fixed_ = Value; }
  int DefaultSize() const { return default_; }
  // A new default applies to every cell: the exceptions are forgotten.
  void SetDefaultSize(int Value);

  int Size(int Index) const;
  // Stores the size of one cell (Index within the count); a size equal to the default is no
  // exception and is not stored.
  void SetSize(int Index, int Value);
  // How many cells have a size of their own.
  std::size_t ExceptionCount() const { return sizes_.size(); }
  // Moves the size of cell From to Index To; the cells between shift by one towards From.
  void Move(int From, int To);

  // The sum of size + LineWidth over the cells From (inclusive) to To (exclusive).
  std::int64_t Extent(int From, int To, int LineWidth) const;
  std::int64_t FixedExtent(int LineWidth) const { return Extent(0, fixed_, LineWidth); }
  // Whether every cell fits into the extent, so that no scrolling is needed.
  bool FitsIn(int ClientExtent, int LineWidth) const;
  // The last value the first scrollable cell may take: the one from which the remaining cells
  // fill the extent, at least Fixed() and at most Count() - 1.
  int MaxFirst(int ClientExtent, int LineWidth) const;

  TAxisLayout Layout(int First, int LineWidth, int ClientExtent) const;
  // The start of a cell in client pixels when it is shown, else -1.
  int CellStart(int Index, const TAxisLayout& L) const;
  // The cells in view, the fixed ones first, in order; as many as the layout shows.
  std::vector<TCellSpan> VisibleCells(const TAxisLayout& L) const;
  // The cell that holds the pixel (a pixel on a line belongs to the cell before it), or -1 outside
  // the cells shown.
  int CellAt(int Pixel, const TAxisLayout& L) const;

private:
  int count_;
  int fixed_;
  int default_;
  std::map<int, int> sizes_;  // the exceptions: cell index to size
  std::int64_t excess_ = 0;   // the sum of (size - default) over the exceptions
};

}  // namespace gadrix
