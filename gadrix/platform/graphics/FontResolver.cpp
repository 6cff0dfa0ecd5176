#include "gadrix/platform/graphics/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include <memory>

#include "gadrix/platform/core/Exception.h"

namespace gadrix::detail {
namespace {

struct TPatternDeleter {
  void operator()(FcPattern* P) const { FcPatternDestroy(P); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;

const FcChar8* FcText(const char* Text) { return reinterpret_cast<const FcChar8*>(Text); }

// The pattern asks for the family first and DejaVu Sans second, both as strong family bindings.
// Fontconfig inserts a family's aliases right after it ("Arial" is followed by "Liberation Sans"),
// so a known family or its metric-compatible stand-in wins, and any other name ends at the
// fallback rather than at whatever the system's default sans-serif happens to be.
TPattern MakeQuery(const std::string& Family, bool Bold, bool Italic) {
  TPattern query(FcPatternCreate());
  if (!query) throw Exception("Fontconfig cannot create a pattern");
  if (!Family.empty()) FcPatternAddString(query.get(), FC_FAMILY, FcText(Family.c_str()));
  FcPatternAddString(query.get(), FC_FAMILY, FcText(kFallbackFamily));
  FcPatternAddInteger(query.get(), FC_WEIGHT, Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(query.get(), FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(query.get(), FC_OUTLINE, FcTrue);
  return query;
}

int IntegerOf(FcPattern* P, const char* Object, int Default) {
  int value = Default;
  FcPatternGetInteger(P, Object, 0, &value);
  return value;
}

}  // namespace

TFontResolver::TFontResolver() : config_(FcInitLoadConfigAndFonts()) {
  if (config_ == nullptr) throw Exception("Fontconfig cannot load its configuration");
}

TFontResolver::~TFontResolver() { FcConfigDestroy(config_); }

const TFontFile& TFontResolver::Resolve(const std::string& Family, bool Bold, bool Italic) {
  auto key = std::make_tuple(Family, Bold, Italic);
  auto found = resolved_.find(key);
  if (found == resolved_.end()) found = resolved_.emplace(std::move(key), Match(Family, Bold, Italic)).first;
  return found->second;
}

TFontFile TFontResolver::Match(const std::string& Family, bool Bold, bool Italic) const {
  TPattern query = MakeQuery(Family, Bold, Italic);
  FcConfigSubstitute(config_, query.get(), FcMatchPattern);
  FcDefaultSubstitute(query.get());
  FcResult result = FcResultNoMatch;
  TPattern match(FcFontMatch(config_, query.get(), &result));
  FcChar8* path = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch || path == nullptr)
    throw Exception("no font is installed for \"" + Family + "\"");

  return {reinterpret_cast<const char*>(path), IntegerOf(match.get(), FC_INDEX, 0)};
}

}  // namespace gadrix::detail
