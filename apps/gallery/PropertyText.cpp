#include "PropertyText.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "gadrix/platform/core/Component.h"
#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/graphics/Color.h"

namespace gallery {

using namespace gadrix;

namespace {

std::string Trimmed(const std::string& Text) {
  const auto first = Text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = Text.find_last_not_of(" \t");
  return Text.substr(first, last - first + 1);
}

// Raises "'12x' is not a valid integer value".
[[noreturn]] void Refuse(const std::string& Text, const char* What) {
  std::string message = "'";
  message += Text;
  message += "' is not a valid ";
  message += What;
  message += " value";
  throw EConvertError(message);
}

std::int64_t ParseInteger(const std::string& Text) {
  const std::string t = Trimmed(Text);
  // from_chars takes no '+': skip one, but not before a '-'.
  const std::size_t start = !t.empty() && t[0] == '+' && t.size() > 1 && t[1] != '-' ? 1 : 0;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(t.data() + start, t.data() + t.size(), value);
  if (t.empty() || error != std::errc() || end != t.data() + t.size())
    Refuse(Text, "integer");
  return value;
}

double ParseFloat(const std::string& Text) {
  const std::string t = Trimmed(Text);
  const std::size_t start = !t.empty() && t[0] == '+' && t.size() > 1 && t[1] != '-' ? 1 : 0;
  double value = 0;
  const auto [end, error] = std::from_chars(t.data() + start, t.data() + t.size(), value);
  if (t.empty() || error != std::errc() || end != t.data() + t.size())
    Refuse(Text, "floating point");
  return value;
}

std::string FloatText(double Value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, Value);
  return error == std::errc() ? std::string(buffer, end) : std::string("?");
}

std::string NameOf(const TPropertyInfo& Info, std::int64_t Ordinal) {
  if (Ordinal >= 0 && Ordinal < static_cast<std::int64_t>(Info.ValueNames.size())) return Info.ValueNames[Ordinal];
  return std::to_string(Ordinal);
}

std::string SetText(const TPropertyInfo& Info, std::int64_t Bits) {
  std::string text = "[";
  for (std::size_t bit = 0; bit < Info.ValueNames.size(); ++bit) {
    if (!(Bits & (std::int64_t{1} << bit))) continue;
    if (text.size() > 1) text += ',';
    text += Info.ValueNames[bit];
  }
  return text + "]";
}

}  // namespace

std::string PropertyValueText(const TPropertyInfo& Info, const TPersistent& Object) {
  switch (Info.Kind) {
    case TPropertyKind::Object: {
      const TPersistent* nested = Info.GetObject ? Info.GetObject(Object) : nullptr;
      if (nested == nullptr) return "(none)";
      // Appended, not added up: GCC 12 warns falsely about a literal + string chain here.
      std::string text = "(";
      text += nested->ClassName();
      return text += ")";
    }
    case TPropertyKind::Component: {
      const TComponent* target = Info.GetComponent ? Info.GetComponent(Object) : nullptr;
      return target != nullptr ? target->GetName() : "(none)";
    }
    default: break;
  }
  if (!Info.Get) return {};
  const TPropertyValue value = Info.Get(Object);
  switch (Info.Kind) {
    case TPropertyKind::Float: return FloatText(std::get<double>(value));
    case TPropertyKind::Boolean: return std::get<bool>(value) ? "True" : "False";
    case TPropertyKind::String: return std::get<std::string>(value);
    case TPropertyKind::Color: return ColorToString(static_cast<TColor>(std::get<std::int64_t>(value)));
    case TPropertyKind::Enumeration: return NameOf(Info, std::get<std::int64_t>(value));
    case TPropertyKind::Set: return SetText(Info, std::get<std::int64_t>(value));
    default: return std::to_string(std::get<std::int64_t>(value));
  }
}

bool IsTyped(const TPropertyInfo& Info) {
  switch (Info.Kind) {
    case TPropertyKind::Integer:
    case TPropertyKind::Float:
    case TPropertyKind::String:
    case TPropertyKind::Color: return static_cast<bool>(Info.Set);
    default: return false;
  }
}

bool IsCycled(const TPropertyInfo& Info) {
  const bool kind = Info.Kind == TPropertyKind::Boolean ||
                    (Info.Kind == TPropertyKind::Enumeration && !Info.ValueNames.empty());
  return kind && Info.Set && Info.Get;
}

TPropertyValue ParsePropertyValue(const TPropertyInfo& Info, const std::string& Text) {
  switch (Info.Kind) {
    case TPropertyKind::Integer: return ParseInteger(Text);
    case TPropertyKind::Float: return ParseFloat(Text);
    case TPropertyKind::String: return Text;
    case TPropertyKind::Color: return static_cast<std::int64_t>(StringToColor(Trimmed(Text)));
    default: throw EConvertError("The property " + Info.Name + " is not typed as text");
  }
}

void SetPropertyText(const TPropertyInfo& Info, TPersistent& Object, const std::string& Text) {
  if (!IsTyped(Info)) throw EConvertError("The property " + Info.Name + " is not typed as text");
  Info.Set(Object, ParsePropertyValue(Info, Text));
}

void CyclePropertyValue(const TPropertyInfo& Info, TPersistent& Object) {
  if (!IsCycled(Info)) return;
  const TPropertyValue value = Info.Get(Object);
  if (Info.Kind == TPropertyKind::Boolean) {
    Info.Set(Object, !std::get<bool>(value));
    return;
  }
  const auto count = static_cast<std::int64_t>(Info.ValueNames.size());
  const std::int64_t ordinal = std::get<std::int64_t>(value);
  Info.Set(Object, ordinal >= 0 && ordinal + 1 < count ? ordinal + 1 : std::int64_t{0});
}

bool SetBitOf(const TPropertyInfo& Info, const TPersistent& Object, int Bit) {
  if (Info.Kind != TPropertyKind::Set || !Info.Get) return false;
  return (std::get<std::int64_t>(Info.Get(Object)) >> Bit) & 1;
}

void ToggleSetBit(const TPropertyInfo& Info, TPersistent& Object, int Bit) {
  if (Info.Kind != TPropertyKind::Set || !Info.Get || !Info.Set) return;
  Info.Set(Object, std::get<std::int64_t>(Info.Get(Object)) ^ (std::int64_t{1} << Bit));
}

}  // namespace gallery
