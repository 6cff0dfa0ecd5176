#pragma once
// Family names to font files, through Fontconfig.

#include <map>
#include <string>
#include <tuple>

// Fontconfig's configuration handle, kept opaque here.
struct _FcConfig;

namespace gadrix::detail {

// The family every unknown name falls back to.
inline constexpr const char* kFallbackFamily = "DejaVu Sans";

// A face of a font file. Whether it really is bold or italic the face itself tells: a family
// without a bold face resolves to its regular one.
struct TFontFile {
  std::string Path;
  int Index = 0;  // the face within a collection file; 0 for a plain font file
};

// Resolves family names with a Fontconfig configuration of its own ("Arial" gives Liberation
// Sans through Fontconfig's metric aliases; a name no installed family answers to gives DejaVu
// Sans). Each (name, bold, italic) is looked up once and remembered.
class TFontResolver {
public:
  TFontResolver();  // raises Exception when Fontconfig cannot load its configuration
  ~TFontResolver();
  TFontResolver(const TFontResolver&) = delete;
  TFontResolver& operator=(const TFontResolver&) = delete;

  // Raises Exception when no font at all is installed.
  const TFontFile& Resolve(const std::string& Family, bool Bold, bool Italic);

private:
  TFontFile Match(const std::string& Family, bool Bold, bool Italic) const;

  _FcConfig* config_ = nullptr;
  std::map<std::tuple<std::string, bool, bool>, TFontFile> resolved_;
};

}  // namespace gadrix::detail
