// Feeds arbitrary bytes through the base library's line reader, tokenizer and text helpers, and
// sorts the lines in a TStringArray. Input layout: byte 0 picks the line length limit, byte 1 the
// number of delimiter bytes that follow, the rest is the stream.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "gadrix/helmar/Files.h"
#include "gadrix/helmar/StringArray.h"
#include "gadrix/helmar/Strings.h"
#include "gadrix/helmar/Utf8.h"

using namespace gadrix;

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

void ExerciseLine(const std::string& Line, const std::string& Delimiters, int MaxLength) {
  if (MaxLength > 0) Check(Utf8Length(Line) <= static_cast<std::size_t>(MaxLength));
  Check(Line.find('\n') == std::string::npos && Line.find('\r') == std::string::npos);

  std::vector<std::string> tokens;
  const int count = Tokenize(Line, Delimiters, tokens);
  Check(count == static_cast<int>(tokens.size()));
  for (const std::string& token : tokens) {
    Check(!token.empty());
    const int at = NumberedPos(token, Line, 1, 1, true);
    Check(at >= 1 && static_cast<std::size_t>(at) <= Utf8Length(Line));
  }
  Check(Utf8Length(LeftString(Line, 7)) == 7);
  Check(RemoveControlChars(Line).size() <= Line.size());
  Check(StripLeadingChars(' ', StripTrailingChars(' ', Line)).size() <= Line.size());
  const std::string swapped = ReplaceCharInString(Line, 'a', U'ä');
  Check(Utf8Length(swapped) == Utf8Length(Line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 2) return 0;
  const int maxLength = Data[0] % 8 == 0 ? 0 : Data[0] % 64;
  const std::size_t delimiterBytes = std::min<std::size_t>(Data[1] % 4, Size - 2);
  const std::string delimiters(reinterpret_cast<const char*>(Data + 2), delimiterBytes);
  const std::string text(reinterpret_cast<const char*>(Data + 2 + delimiterBytes),
                         Size - 2 - delimiterBytes);

  std::istringstream in(text);
  std::vector<std::string> lines;
  bool eof = false;
  while (!eof) {
    lines.push_back(ReadLnStream(in, eof, maxLength));
    Check(lines.size() <= text.size() + 1);
    ExerciseLine(lines.back(), delimiters, maxLength);
  }

  TStringArray table;
  table.Resize(1, static_cast<int>(lines.size()));
  for (std::size_t k = 0; k < lines.size(); ++k) {
    table.SetString(1, static_cast<int>(k) + 1, lines[k]);
    table.SetString(0, static_cast<int>(k) + 1, lines[lines.size() - 1 - k]);
  }
  table.Sort(1, 0, Data[0] & 1);
  for (int row = 2; row <= table.GetNrOfRows(); ++row) {
    const int c = CompareCellTexts(table.GetString(1, row - 1), table.GetString(1, row));
    Check((Data[0] & 1) ? c <= 0 : c >= 0);
    Check(CompareCellTexts(table.GetString(1, row), table.GetString(1, row - 1)) == -c);
  }
  return 0;
}
