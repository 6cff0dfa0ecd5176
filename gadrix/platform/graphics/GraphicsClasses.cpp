// The published properties of the graphics objects.

#include "gadrix/platform/core/Properties.h"
#include "gadrix/platform/graphics/Bitmap.h"
#include "gadrix/platform/graphics/Brush.h"
#include "gadrix/platform/graphics/Canvas.h"
#include "gadrix/platform/graphics/Font.h"
#include "gadrix/platform/graphics/Pen.h"

namespace gadrix {

const TClassInfo& TGraphicsObject::StaticClassInfo() {
  static const TClassInfo info("TGraphicsObject", &TPersistent::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TPen::StaticClassInfo() {
  static const TClassInfo info(
      "TPen", &TGraphicsObject::StaticClassInfo(),
      {ColorProperty("Color", &TPen::GetColor, &TPen::SetColor, clBlack),
       EnumProperty("Mode", &TPen::GetMode, &TPen::SetMode,
                    {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot",
                     "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor",
                     "pmNotXor"},
                    pmCopy),
       EnumProperty("Style", &TPen::GetStyle, &TPen::SetStyle,
                    {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}, psSolid),
       IntegerProperty("Width", &TPen::GetWidth, &TPen::SetWidth, 1)});
  return info;
}

const TClassInfo& TBrush::StaticClassInfo() {
  static const TClassInfo info("TBrush", &TGraphicsObject::StaticClassInfo(),
                               {ColorProperty("Color", &TBrush::GetColor, &TBrush::SetColor, clWhite),
                                EnumProperty("Style", &TBrush::GetStyle, &TBrush::SetStyle, {"bsSolid", "bsClear"},
                                             bsSolid)});
  return info;
}

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info(
      "TFont", &TGraphicsObject::StaticClassInfo(),
      {ColorProperty("Color", &TFont::GetColor, &TFont::SetColor, clWindowText),
       StringProperty("Name", &TFont::GetName, &TFont::SetName, std::string("Tahoma")),
       IntegerProperty("Orientation", &TFont::GetOrientation, &TFont::SetOrientation, 0),
       EnumProperty("Quality", &TFont::GetQuality, &TFont::SetQuality,
                    {"fqDefault", "fqDraft", "fqProof", "fqNonAntialiased", "fqAntialiased", "fqClearType",
                     "fqClearTypeNatural"},
                    fqDefault),
       IntegerProperty("Size", &TFont::GetSize, &TFont::SetSize, 8),
       SetProperty("Style", &TFont::GetStyle, &TFont::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"},
                   0)});
  return info;
}

const TClassInfo& TCanvas::StaticClassInfo() {
  static const TClassInfo info("TCanvas", &TPersistent::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TGraphic::StaticClassInfo() {
  static const TClassInfo info("TGraphic", &TPersistent::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TBitmap::StaticClassInfo() {
  static const TClassInfo info("TBitmap", &TGraphic::StaticClassInfo(), {});
  return info;
}

}  // namespace gadrix
