#pragma once
// TGraphic: a picture that can draw itself on a canvas.

#include <string>

#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/graphics/Types.h"

namespace gadrix {

class TCanvas;

class TGraphic : public TPersistent {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  virtual int GetWidth() const = 0;
  virtual int GetHeight() const = 0;
  virtual bool GetEmpty() const { return GetWidth() == 0 || GetHeight() == 0; }
  virtual void LoadFromFile(const std::string& FileName) = 0;
  virtual void SaveToFile(const std::string& FileName) const = 0;

  // Draws the picture stretched over R of the canvas.
  virtual void Draw(TCanvas* Canvas, const TRect& R) const = 0;
};

}  // namespace gadrix
