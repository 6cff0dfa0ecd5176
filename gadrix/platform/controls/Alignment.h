#pragma once
// Horizontal alignment of a text within its area.

#include <cstdint>

namespace gadrix {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

}  // namespace gadrix
