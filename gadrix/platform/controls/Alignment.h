#pragma once
// Horizontal alignment of a text in the area it is drawn in.

#include <cstdint>

namespace gadrix {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

}  // namespace gadrix
