#pragma once
// Cell text helpers shared by the files of the report data store. The check flag of a stored
// cell in a check column is its first character: "X" (or anything but a blank) for checked, a
// blank for unchecked. An empty cell has no flag.

#include <string>
#include <string_view>

#include "gadrix/helmar/Utf8.h"

namespace gadrix::rlcell {

constexpr char kCheckedFlag = 'X';
constexpr char kUncheckedFlag = ' ';

// True when the stored cell carries a flag other than a blank.
inline bool IsChecked(std::string_view Stored) {
  return !Stored.empty() && Stored.front() != kUncheckedFlag;
}

// The stored cell without its flag (the first character, which may take several bytes).
inline std::string_view TextAfterFlag(std::string_view Stored) {
  return Stored.substr(Utf8CharLength(Stored, 0));
}

// A stored cell made of a flag and a text.
inline std::string WithFlag(bool Checked, std::string_view Text) {
  std::string stored(1, Checked ? kCheckedFlag : kUncheckedFlag);
  stored += Text;
  return stored;
}

// The stored cell with its flag set to Checked; an empty cell becomes the flag alone.
inline std::string Reflagged(std::string_view Stored, bool Checked) {
  return WithFlag(Checked, TextAfterFlag(Stored));
}

// S with the letters A to Z lower-cased; every other character stays.
inline std::string FoldCase(std::string_view S) {
  std::string folded(S);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

}  // namespace gadrix::rlcell
