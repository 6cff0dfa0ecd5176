#include "gadrix/helmar/Files.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "gadrix/helmar/Utf8.h"

namespace gadrix {

namespace {

bool IsSeparator(char C) { return C == '/' || C == '\\'; }

// A drive such as "C:" that names the root of its volume.
bool IsDrive(std::string_view S) {
  return S.size() == 2 && S[1] == ':' &&
         ((S[0] >= 'A' && S[0] <= 'Z') || (S[0] >= 'a' && S[0] <= 'z'));
}

// The longest UTF-8 character takes 4 bytes; a line cut to N characters never needs more.
constexpr std::size_t kMaxBytesPerChar = 4;

}  // namespace

bool DirExists(const std::string& Path) {
  if (Path.empty()) return false;
  std::error_code error;
  const std::filesystem::path path(std::u8string(Path.begin(), Path.end()));
  return std::filesystem::is_directory(path, error);
}

std::string ParentDir(const std::string& Path) {
  std::string_view rest(Path);
  while (!rest.empty() && IsSeparator(rest.back())) rest.remove_suffix(1);
  if (rest.empty() || IsDrive(rest)) return {};
  const std::size_t cut = rest.find_last_of("/\\");
  if (cut == std::string_view::npos) return {};
  return std::string(rest.substr(0, cut + 1));
}

std::string ReadLnStream(std::istream& Stream, bool& Eof, int MaxLength) {
  std::string line;
  const std::istream::sentry ready(Stream, true);
  std::streambuf* buffer = Stream.rdbuf();
  if (!ready || buffer == nullptr) {
    Eof = true;
    return line;
  }
  using Traits = std::istream::traits_type;
  const std::size_t byteLimit =
      MaxLength > 0 ? static_cast<std::size_t>(MaxLength) * kMaxBytesPerChar : line.max_size();
  for (auto c = buffer->sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = buffer->sbumpc()) {
    if (c == '\n') break;
    if (c == '\r') {
      if (buffer->sgetc() == '\n') buffer->sbumpc();
      break;
    }
    if (line.size() < byteLimit) line += Traits::to_char_type(c);
  }
  Eof = Traits::eq_int_type(buffer->sgetc(), Traits::eof());
  if (Eof) Stream.setstate(std::ios::eofbit);
  if (MaxLength > 0) line.resize(Utf8Left(line, static_cast<std::size_t>(MaxLength)).size());
  return line;
}

}  // namespace gadrix
