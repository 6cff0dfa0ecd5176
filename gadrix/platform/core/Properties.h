#pragma once
// Published properties: each class lists its own once (name, kind, getter, setter, default) and
// inherits its base class's list. Form files and the gallery's property inspector read and write
// properties through these lists only.
//
//   const TClassInfo& TMeter::StaticClassInfo() {
//     static const TClassInfo info = TClassInfo::Of<TMeter>("TMeter", &TCustomControl::StaticClassInfo(), {
//         IntegerProperty("ValueMin", &TMeter::GetValueMin, &TMeter::SetValueMin, 0),
//         ColorProperty("ColorBakG", &TMeter::GetColorBakG, &TMeter::SetColorBakG, clBtnFace)});
//     return info;
//   }

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace gadrix {

class TPersistent;
class TComponent;

enum class TPropertyKind : std::uint8_t {
  Integer,
  Float,
  Boolean,
  String,
  Color,        // a TColor, stored by name ("clBtnFace") or as "$00BBGGRR"
  Enumeration,  // an ordinal, stored by the value's name
  Set,          // a bit set, stored as the names of the bits that are set
  Object,       // a nested persistent object (a font, a needle layout) with properties of its own
  Component     // a reference to another component, stored by name
};

// Integers, colours, enumerations and sets travel as integers.
using TPropertyValue = std::variant<std::int64_t, double, bool, std::string>;

struct TPropertyInfo {
  std::string Name;
  TPropertyKind Kind = TPropertyKind::Integer;
  // Enumerations: the name of each ordinal. Sets: the name of each bit, lowest first.
  std::vector<std::string> ValueNames;
  std::function<TPropertyValue(const TPersistent&)> Get;
  std::function<void(TPersistent&, const TPropertyValue&)> Set;
  // The value a new object has; a property at its default is not written to form files.
  std::optional<TPropertyValue> Default;
  // Whether the value is the object's own and so belongs in a form file; unset means always. A
  // control's Font is not stored while ParentFont holds, since it is then the parent's.
  std::function<bool(const TPersistent&)> Stored;
  // Object kind: the nested object.
  std::function<TPersistent*(const TPersistent&)> GetObject;
  // Component kind: the referenced component, and how to set it.
  std::function<TComponent*(const TPersistent&)> GetComponent;
  std::function<void(TPersistent&, TComponent*)> SetComponent;
};

class TClassInfo {
public:
  using TFactory = std::function<TComponent*(TComponent* Owner)>;

  TClassInfo(std::string Name, const TClassInfo* Parent, std::vector<TPropertyInfo> Properties,
             TFactory Create = {});

  // The class info of C; components that can be built from an owner get a factory.
  template <class C>
  static TClassInfo Of(std::string Name, const TClassInfo* Parent, std::vector<TPropertyInfo> Properties) {
    TFactory create;
    if constexpr (std::is_constructible_v<C, TComponent*> && !std::is_abstract_v<C>)
      create = [](TComponent* Owner) -> TComponent* { return new C(Owner); };
    return TClassInfo(std::move(Name), Parent, std::move(Properties), std::move(create));
  }

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  const TFactory& Factory() const { return create_; }
  // Every published property, the base classes' first; a class may redefine a base's property
  // (a new default), which then takes the base's place.
  std::vector<const TPropertyInfo*> Properties() const;
  // Case-insensitive, as the component model compares names.
  const TPropertyInfo* FindProperty(std::string_view Name) const;
  bool InheritsFrom(const TClassInfo& Other) const;

private:
  std::string name_;
  const TClassInfo* parent_;
  std::vector<TPropertyInfo> own_;
  TFactory create_;
};

bool SameText(std::string_view A, std::string_view B);

// --- builders of property entries -------------------------------------------------------------

namespace detail {
template <class C, class T>
TPropertyInfo MakeProperty(std::string Name, TPropertyKind Kind, T (C::*Get)() const) {
  TPropertyInfo p;
  p.Name = std::move(Name);
  p.Kind = Kind;
  p.Get = [Get](const TPersistent& Object) -> TPropertyValue {
    const auto value = (static_cast<const C&>(Object).*Get)();
    using V = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<V, bool>) return value;
    else if constexpr (std::is_floating_point_v<V>) return static_cast<double>(value);
    else if constexpr (std::is_convertible_v<V, std::string>) return std::string(value);
    else return static_cast<std::int64_t>(value);
  };
  return p;
}

template <class C, class A>
std::function<void(TPersistent&, const TPropertyValue&)> MakeSetter(void (C::*Set)(A)) {
  return [Set](TPersistent& Object, const TPropertyValue& Value) {
    using V = std::decay_t<A>;
    C& target = static_cast<C&>(Object);
    if constexpr (std::is_same_v<V, bool>) (target.*Set)(std::get<bool>(Value));
    else if constexpr (std::is_floating_point_v<V>) (target.*Set)(static_cast<V>(std::get<double>(Value)));
    else if constexpr (std::is_same_v<V, std::string>) (target.*Set)(std::get<std::string>(Value));
    else (target.*Set)(static_cast<V>(std::get<std::int64_t>(Value)));
  };
}
}  // namespace detail

template <class C, class T, class A>
TPropertyInfo IntegerProperty(std::string Name, T (C::*Get)() const, void (C::*Set)(A),
                              std::optional<std::int64_t> Default = std::nullopt) {
  TPropertyInfo p = detail::MakeProperty(std::move(Name), TPropertyKind::Integer, Get);
  p.Set = detail::MakeSetter(Set);
  if (Default) p.Default = *Default;
  return p;
}

template <class C, class T, class A>
TPropertyInfo FloatProperty(std::string Name, T (C::*Get)() const, void (C::*Set)(A),
                            std::optional<double> Default = std::nullopt) {
  TPropertyInfo p = detail::MakeProperty(std::move(Name), TPropertyKind::Float, Get);
  p.Set = detail::MakeSetter(Set);
  if (Default) p.Default = *Default;
  return p;
}

template <class C, class T, class A>
TPropertyInfo BooleanProperty(std::string Name, T (C::*Get)() const, void (C::*Set)(A),
                              std::optional<bool> Default = std::nullopt) {
  TPropertyInfo p = detail::MakeProperty(std::move(Name), TPropertyKind::Boolean, Get);
  p.Set = detail::MakeSetter(Set);
  if (Default) p.Default = *Default;
  return p;
}

template <class C, class T, class A>
TPropertyInfo StringProperty(std::string Name, T (C::*Get)() const, void (C::*Set)(A),
                             std::optional<std::string> Default = std::nullopt) {
  TPropertyInfo p = detail::MakeProperty(std::move(Name), TPropertyKind::String, Get);
  p.Set = detail::MakeSetter(Set);
  if (Default) p.Default = *Default;
  return p;
}

template <class C, class T, class A>
TPropertyInfo ColorProperty(std::string Name, T (C::*Get)() const, void (C::*Set)(A),
                            std::optional<std::int64_t> Default = std::nullopt) {
  TPropertyInfo p = detail::MakeProperty(std::move(Name), TPropertyKind::Color, Get);
  p.Set = detail::MakeSetter(Set);
  if (Default) p.Default = *Default;
  return p;
}

template <class C, class T, class A>
TPropertyInfo EnumProperty(std::string Name, T (C::*Get)() const, void (C::*Set)(A), std::vector<std::string> Names,
                           std::optional<std::int64_t> Default = std::nullopt) {
  TPropertyInfo p = detail::MakeProperty(std::move(Name), TPropertyKind::Enumeration, Get);
  p.Set = detail::MakeSetter(Set);
  p.ValueNames = std::move(Names);
  if (Default) p.Default = *Default;
  return p;
}

template <class C, class T, class A>
TPropertyInfo SetProperty(std::string Name, T (C::*Get)() const, void (C::*Set)(A), std::vector<std::string> BitNames,
                          std::optional<std::int64_t> Default = std::nullopt) {
  TPropertyInfo p = detail::MakeProperty(std::move(Name), TPropertyKind::Set, Get);
  p.Set = detail::MakeSetter(Set);
  p.ValueNames = std::move(BitNames);
  if (Default) p.Default = *Default;
  return p;
}

template <class C, class T>
TPropertyInfo ObjectProperty(std::string Name, T* (C::*Get)() const) {
  TPropertyInfo p;
  p.Name = std::move(Name);
  p.Kind = TPropertyKind::Object;
  p.GetObject = [Get](const TPersistent& Object) -> TPersistent* { return (static_cast<const C&>(Object).*Get)(); };
  return p;
}

template <class C, class T, class A>
TPropertyInfo ComponentProperty(std::string Name, T* (C::*Get)() const, void (C::*Set)(A*)) {
  TPropertyInfo p;
  p.Name = std::move(Name);
  p.Kind = TPropertyKind::Component;
  p.GetComponent = [Get](const TPersistent& Object) -> TComponent* { return (static_cast<const C&>(Object).*Get)(); };
  p.SetComponent = [Set](TPersistent& Object, TComponent* Value) {
    (static_cast<C&>(Object).*Set)(dynamic_cast<A*>(Value));
  };
  return p;
}

// P, stored in form files only while Stored(object) holds.
template <class C>
TPropertyInfo StoredWhen(TPropertyInfo P, bool (*Stored)(const C&)) {
  P.Stored = [Stored](const TPersistent& Object) { return Stored(static_cast<const C&>(Object)); };
  return P;
}

}  // namespace gadrix
