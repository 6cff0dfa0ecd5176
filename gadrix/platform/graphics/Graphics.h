#pragma once
// The graphics core in one include: colours, pens, brushes, fonts, canvases and bitmaps.

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/graphics/Bitmap.h"
#include "gadrix/platform/graphics/Brush.h"
#include "gadrix/platform/graphics/Canvas.h"
#include "gadrix/platform/graphics/Color.h"
#include "gadrix/platform/graphics/Font.h"
#include "gadrix/platform/graphics/Graphic.h"
#include "gadrix/platform/graphics/ImageCodec.h"
#include "gadrix/platform/graphics/Pen.h"
#include "gadrix/platform/graphics/PixelBuffer.h"
#include "gadrix/platform/graphics/Resources.h"
#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/graphics/Types.h"
