#pragma once
// The look and geometry of one level of a popup menu: the visible items of a menu item, in a
// column inside a raised border. Each item row holds a check-mark column, the caption (its '&'
// accelerator marks removed) and, for an item with sub-items, an arrow. Separators ("-") are thin
// etched lines. Disabled items are greyed and cannot be chosen.
//
// Coordinates are the view's own, (0, 0) at its top-left corner.

#include <string>
#include <vector>

#include "gadrix/platform/controls/Menus.h"
#include "gadrix/platform/graphics/Canvas.h"

namespace gadrix::sdl2 {

class TPopupMenuView {
public:
  // Lays out the visible sub-items of Parent.
  explicit TPopupMenuView(TMenuItem* Parent);

  TSize Size() const { return {width_, height_}; }
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Item(int Index) const { return Index >= 0 && Index < Count() ? items_[Index] : nullptr; }
  TRect ItemRect(int Index) const;
  // The row under P, or -1 (the border, or outside).
  int ItemAt(TPoint P) const;
  // Whether the row can be highlighted and chosen: enabled and not a separator.
  bool Selectable(int Index) const;
  bool HasSubMenu(int Index) const;
  // The next selectable row after From (before it when not Forward), wrapping round; From -1
  // starts at the first (or last) row. -1 when no row is selectable.
  int NextSelectable(int From, bool Forward) const;

  // Paints the whole view with the row Hot highlighted (-1: none).
  void Paint(TCanvas* Canvas, int Hot) const;

  // The caption as shown: "&&" is an ampersand, a single '&' marks the accelerator and is dropped.
  static std::string ShownCaption(const std::string& Caption);

  static constexpr int Border = 2;
  static constexpr int CheckColumn = 20;
  static constexpr int ArrowColumn = 18;
  static constexpr int TextMargin = 4;
  static constexpr int SeparatorHeight = 8;
  static constexpr int MinWidth = 100;

private:
  void PaintItem(TCanvas* Canvas, int Index, bool Hot) const;
  void PaintSeparator(TCanvas* Canvas, const TRect& R) const;
  void PaintBorder(TCanvas* Canvas) const;

  std::vector<TMenuItem*> items_;
  std::vector<int> tops_;  // each row's top, and the bottom of the last
  int width_ = 0, height_ = 0;
  int rowHeight_ = 0;
  TFont font_;
};

}  // namespace gadrix::sdl2
