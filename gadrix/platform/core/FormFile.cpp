#include "gadrix/platform/core/FormFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <new>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <span>
#include <vector>

#include "gadrix/platform/controls/WinControl.h"
#include "gadrix/platform/core/ClassRegistry.h"
#include "gadrix/platform/core/Properties.h"
#include "gadrix/platform/graphics/Color.h"
#include "gadrix/platform/graphics/ImageCodec.h"

namespace gadrix {
namespace {

// Objects keep their keys in the order written: properties are assigned in file order, and the
// order of a class's property list (Color before ParentColor) is what makes a round trip exact.
using Json = nlohmann::ordered_json;

constexpr std::int64_t kFormatVersion = 1;
// Deeper than any real form nests owners or objects; a hostile file cannot exhaust the stack.
constexpr int kMaxDepth = 64;
constexpr int kJsonIndent = 2;

namespace key {
constexpr const char* Version = "version";
constexpr const char* Class = "class";
constexpr const char* Name = "name";
constexpr const char* Parent = "parent";
constexpr const char* ZOrder = "zorder";
constexpr const char* Properties = "properties";
constexpr const char* Components = "components";
}  // namespace key

constexpr const char* kNaN = "NaN";
constexpr const char* kInfinity = "Infinity";
constexpr const char* kMinusInfinity = "-Infinity";

std::string Quoted(const std::string& Text) { return "\"" + Text + "\""; }

[[noreturn]] void Fail(const std::string& Place, const std::string& What) {
  throw EFormFileError(Place + ": " + What);
}

// Runs Step; an error other than a form file error or lack of memory (a setter refusing a value,
// a constructor failing) becomes a form file error at Place.
template <class F>
void Guarded(const std::string& Place, F&& Step) {
  try {
    Step();
  } catch (const EFormFileError&) {
    throw;
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    Fail(Place, e.what());
  }
}

// TComponent's Name: a component's name is the entry's "name", never one of its properties.
bool IsComponentName(const TPropertyInfo* P) {
  static const TPropertyInfo* name = TComponent::StaticClassInfo().FindProperty("Name");
  return P == name;
}

std::string Lower(const std::string& Text) {
  std::string lower = Text;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return lower;
}

bool IsValidUtf8(const std::string& Text) {
  try {
    (void)Json(Text).dump();
    return true;
  } catch (const Json::type_error&) {
    return false;
  }
}

std::string PropertyPlace(const std::string& Place, const std::string& Path) {
  return Place + " property " + Quoted(Path);
}

std::string ChildPath(const std::string& OwnerPath, std::size_t Index) {
  const std::string list = std::string(key::Components) + "[" + std::to_string(Index) + "]";
  return OwnerPath.empty() ? list : OwnerPath + "." + list;
}

// ================================================================================================
// Writing
// ================================================================================================

class TFormWriter {
public:
  explicit TFormWriter(const TComponent& Root) : root_(Root) {}

  Json Write() {
    Collect(root_, "", 0);
    Json document = Json::object();
    document[key::Version] = kFormatVersion;
    WriteEntry(root_, "root " + Quoted(root_.GetName()), "", document);
    return document;
  }

private:
  // Notes every component that will be written, and refuses what could not be read back.
  void Collect(const TComponent& Owner, const std::string& Path, int Depth) {
    for (int i = 0; i < Owner.GetComponentCount(); ++i) {
      const TComponent& c = *Owner.GetComponents(i);
      const std::string path = ChildPath(Path, static_cast<std::size_t>(i));
      const std::string place = path + " " + Quoted(c.GetName());
      if (Depth >= kMaxDepth) Fail(place, "owners nest deeper than " + std::to_string(kMaxDepth) + " levels");
      const TClassInfo* registered = FindClass(c.ClassInfo().Name());
      if (registered != &c.ClassInfo() || !registered->Factory())
        Fail(place, "class " + c.ClassInfo().Name() + " is not registered to be created by name");
      if (!c.GetName().empty()) {
        const bool clash = SameText(c.GetName(), root_.GetName()) || !names_.insert(Lower(c.GetName())).second;
        if (clash) Fail(place, "another component of the form has the same name");
      }
      written_.insert(&c);
      Collect(c, path, Depth + 1);
    }
  }

  void WriteEntry(const TComponent& C, const std::string& Place, const std::string& Path, Json& Entry) {
    Entry[key::Class] = C.ClassInfo().Name();
    Entry[key::Name] = C.GetName();
    if (&C != &root_) WriteParent(C, Place, Entry);
    Json properties = WriteProperties(C, Place, "", 0);
    if (!properties.empty()) Entry[key::Properties] = std::move(properties);
    Json components = Json::array();
    for (int i = 0; i < C.GetComponentCount(); ++i) {
      const TComponent& owned = *C.GetComponents(i);
      const std::string path = ChildPath(Path, static_cast<std::size_t>(i));
      Json entry = Json::object();
      WriteEntry(owned, path + " " + Quoted(owned.GetName()), path, entry);
      components.push_back(std::move(entry));
    }
    if (!components.empty()) Entry[key::Components] = std::move(components);
  }

  void WriteParent(const TComponent& C, const std::string& Place, Json& Entry) {
    const auto* control = dynamic_cast<const TControl*>(&C);
    const TWinControl* parent = control != nullptr ? control->GetParent() : nullptr;
    if (parent == nullptr) return;
    Entry[key::Parent] = NameOf(parent, Place + " parent");
    for (int i = 0; i < parent->GetControlCount(); ++i)
      if (parent->GetControls(i) == control) Entry[key::ZOrder] = i;
  }

  // How Target is named in the file: the root by its name, any other by its own unique name.
  std::string NameOf(const TComponent* Target, const std::string& Place) const {
    if (Target == &root_) return root_.GetName();
    if (written_.count(Target) == 0) Fail(Place, "refers to a component outside the form");
    if (Target->GetName().empty()) Fail(Place, "refers to a component without a name");
    return Target->GetName();
  }

  Json WriteProperties(const TPersistent& Object, const std::string& Place, const std::string& Prefix, int Depth) const {
    if (Depth >= kMaxDepth) Fail(Place, "objects nest deeper than " + std::to_string(kMaxDepth) + " levels");
    Json properties = Json::object();
    for (const TPropertyInfo* p : Object.ClassInfo().Properties()) {
      if (IsComponentName(p) || (p->Stored && !p->Stored(Object))) continue;
      const std::string where = PropertyPlace(Place, Prefix + p->Name);
      if (p->Kind == TPropertyKind::Object) {
        const TPersistent* nested = p->GetObject ? p->GetObject(Object) : nullptr;
        if (nested == nullptr) continue;
        Json inner = WriteProperties(*nested, Place, Prefix + p->Name + ".", Depth + 1);
        // A conditionally stored object is written even at its defaults: it is then the object's
        // own, which an absent entry would not say.
        if (!inner.empty() || p->Stored) properties[p->Name] = std::move(inner);
      } else if (p->Kind == TPropertyKind::Component) {
        const TComponent* target = p->GetComponent ? p->GetComponent(Object) : nullptr;
        if (target != nullptr) properties[p->Name] = NameOf(target, where);
      } else if (p->Get && p->Set) {
        const TPropertyValue value = p->Get(Object);
        if (!p->Default || !(*p->Default == value)) properties[p->Name] = Encode(*p, value, where);
      }
    }
    return properties;
  }

  static Json Encode(const TPropertyInfo& P, const TPropertyValue& Value, const std::string& Where) {
    switch (P.Kind) {
      case TPropertyKind::Integer: return std::get<std::int64_t>(Value);
      case TPropertyKind::Float: return EncodeFloat(std::get<double>(Value));
      case TPropertyKind::Boolean: return std::get<bool>(Value);
      case TPropertyKind::String: {
        const std::string& text = std::get<std::string>(Value);
        if (!IsValidUtf8(text)) Fail(Where, "the text is not valid UTF-8");
        return text;
      }
      case TPropertyKind::Color: return ColorToString(static_cast<TColor>(std::get<std::int64_t>(Value)));
      case TPropertyKind::Enumeration: return EncodeEnumeration(P, std::get<std::int64_t>(Value), Where);
      case TPropertyKind::Set: return EncodeSet(P, std::get<std::int64_t>(Value), Where);
      case TPropertyKind::Object:
      case TPropertyKind::Component: break;
    }
    Fail(Where, "has a kind that holds no plain value");
  }

  static Json EncodeFloat(double Value) {
    if (std::isnan(Value)) return kNaN;
    if (std::isinf(Value)) return Value > 0 ? kInfinity : kMinusInfinity;
    return Value;
  }

  static Json EncodeEnumeration(const TPropertyInfo& P, std::int64_t Ordinal, const std::string& Where) {
    if (Ordinal < 0 || Ordinal >= static_cast<std::int64_t>(P.ValueNames.size()))
      Fail(Where, "the value " + std::to_string(Ordinal) + " has no name");
    return P.ValueNames[static_cast<std::size_t>(Ordinal)];
  }

  static Json EncodeSet(const TPropertyInfo& P, std::int64_t Bits, const std::string& Where) {
    Json names = Json::array();
    auto bits = static_cast<std::uint64_t>(Bits);
    for (std::size_t i = 0; i < P.ValueNames.size() && i < 64; ++i)
      if (bits & (std::uint64_t{1} << i)) {
        names.push_back(P.ValueNames[i]);
        bits &= ~(std::uint64_t{1} << i);
      }
    if (bits != 0) Fail(Where, "the set holds bits that have no name");
    return names;
  }

  const TComponent& root_;
  std::set<const TComponent*> written_;
  std::set<std::string> names_;
};

// ================================================================================================
// Reading
// ================================================================================================

Json Parse(const std::string& Text) {
  Json document;
  try {
    document = Json::parse(Text);
  } catch (const Json::exception& e) {
    // "[json.exception.parse_error.101] parse error at line 1, column 9: ..." without the tag.
    std::string detail = e.what();
    if (const auto tagEnd = detail.find("] "); detail.starts_with("[json.exception") && tagEnd != std::string::npos)
      detail.erase(0, tagEnd + 2);
    throw EFormFileError("malformed JSON: " + detail);
  }
  if (!document.is_object()) Fail("document", "expected a JSON object at the top");
  const auto version = document.find(key::Version);
  if (version == document.end()) Fail("document", Quoted(key::Version) + " is missing");
  if (!version->is_number_integer()) Fail("document", Quoted(key::Version) + " must be an integer");
  if (version->get<std::int64_t>() != kFormatVersion)
    Fail("document", "unsupported version " + version->dump() + " (this library reads version " +
                         std::to_string(kFormatVersion) + ")");
  return document;
}

// The published property values of an object and of its nested objects, to put them back.
class TPropertySnapshot {
public:
  explicit TPropertySnapshot(TPersistent& Object) { Take(Object, 0); }

  // Sets back every value that has changed since, in property order; best effort, since this runs
  // while another error is on its way to the caller.
  void Restore() const {
    for (const TSaved& s : saved_) {
      try {
        if (s.Property->Kind == TPropertyKind::Component) {
          if (s.Property->GetComponent(*s.Object) != s.Component) s.Property->SetComponent(*s.Object, s.Component);
        } else if (!(s.Property->Get(*s.Object) == s.Value)) {
          s.Property->Set(*s.Object, s.Value);
        }
      } catch (const std::exception&) {
      }
    }
  }

private:
  struct TSaved {
    TPersistent* Object;
    const TPropertyInfo* Property;
    TPropertyValue Value;
    TComponent* Component;
  };

  void Take(TPersistent& Object, int Depth) {
    if (Depth >= kMaxDepth) return;
    for (const TPropertyInfo* p : Object.ClassInfo().Properties()) {
      if (p->Kind == TPropertyKind::Object) {
        if (TPersistent* nested = p->GetObject ? p->GetObject(Object) : nullptr) Take(*nested, Depth + 1);
      } else if (p->Kind == TPropertyKind::Component) {
        if (p->GetComponent && p->SetComponent) saved_.push_back({&Object, p, {}, p->GetComponent(Object)});
      } else if (p->Get && p->Set) {
        saved_.push_back({&Object, p, p->Get(Object), nullptr});
      }
    }
  }

  std::vector<TSaved> saved_;
};

// One described component: the root (entry 0) or one of the "components" entries, in file order.
struct TEntry {
  const Json* Node = nullptr;
  std::string Place;  // where the messages say it is: `components[3] "Meter1"`
  const TClassInfo* Class = nullptr;
  std::string Name;
  std::size_t Owner = 0;                // entry of the owner (the root's is itself)
  std::optional<std::size_t> Parent;    // entry of the parent control
  std::int64_t ZOrder = 0;              // stacking key among the parent's children
  std::vector<std::size_t> Owned;       // entries this one owns, in order
  TComponent* Component = nullptr;
};

// A component reference, resolved once every component exists.
struct TReference {
  TPersistent* Object;
  const TPropertyInfo* Property;
  std::optional<std::string> Target;  // none: no component
  std::string Where;
  bool Assign;
};

// Reads one document. The constructor checks everything that can be checked without creating a
// component (the shape, the classes, the names, the parents); Build then creates and fills.
class TFormReader {
public:
  // RootClass: the class of an existing root (ReadFormInto); null to take the stored class.
  TFormReader(const Json& Document, const TClassInfo* RootClass) {
    Index(Document, RootClass);
    ResolveParents();
  }

  const std::string& RootName() const { return entries_[0].Name; }
  const std::string& RootPlace() const { return entries_[0].Place; }

  TComponent* CreateRoot(TComponent* Owner) {
    TComponent* root = nullptr;
    Guarded(RootPlace(), [&] { root = entries_[0].Class->Factory()(Owner); });
    return root;
  }

  // Creates every component under Root and assigns everything; the root's own property values
  // are only checked unless AssignRootProperties. Whatever is created is owned by Root.
  void Build(TComponent& Root, bool AssignRootProperties) {
    assignRoot_ = AssignRootProperties;
    entries_[0].Component = &Root;
    Root.BeginLoading();
    Guarded(RootPlace(), [&] { Root.SetName(RootName()); });
    CreateComponents();
    SetParents();
    for (std::size_t i = 0; i < entries_.size(); ++i) AssignProperties(i);
    ResolveReferences();
    Stack();
  }

  // Loaded on every component, each one's owned components before it, the root last.
  void FinishLoading() { Load(0); }

  // Frees what Build created under an existing root (the root itself stays).
  void FreeCreated() {
    TComponent* root = entries_[0].Component;
    std::set<TComponent*> created;
    for (std::size_t i : entries_[0].Owned)
      if (entries_[i].Component != nullptr) created.insert(entries_[i].Component);
    // A container takes its children with it, so look again after every deletion.
    for (TComponent* next = LastOwned(*root, created); next != nullptr; next = LastOwned(*root, created)) {
      created.erase(next);
      delete next;
    }
  }

private:
  static TComponent* LastOwned(const TComponent& Root, const std::set<TComponent*>& Among) {
    for (int i = Root.GetComponentCount() - 1; i >= 0; --i)
      if (Among.count(Root.GetComponents(i)) != 0) return Root.GetComponents(i);
    return nullptr;
  }

  // --- checking the document -----------------------------------------------------------------

  void Index(const Json& Document, const TClassInfo* RootClass) {
    TEntry root;
    root.Node = &Document;
    root.Name = ReadName(Document, "root");
    root.Place = "root " + Quoted(root.Name);
    CheckKeys(Document, root.Place, {key::Version, key::Class, key::Name, key::Properties, key::Components});
    const std::string className = ReadClassName(Document, root.Place);
    if (RootClass != nullptr) {
      if (!SameText(className, RootClass->Name()))
        Fail(root.Place, "the file describes a " + className + ", not a " + RootClass->Name());
      root.Class = RootClass;
    } else {
      root.Class = CreatableClass(className, root.Place);
    }
    if (!root.Name.empty()) CheckName(root.Name, root.Place, 0);
    entries_.push_back(std::move(root));
    CheckProperties(Document, entries_[0].Place);
    IndexComponents(Document, 0, "", 1);
  }

  void IndexComponents(const Json& Node, std::size_t Owner, const std::string& Path, int Depth) {
    const auto list = Node.find(key::Components);
    if (list == Node.end()) return;
    const std::string& ownerPlace = entries_[Owner].Place;
    if (!list->is_array()) Fail(ownerPlace, Quoted(key::Components) + " must be an array");
    if (Depth > kMaxDepth) Fail(ownerPlace, "owners nest deeper than " + std::to_string(kMaxDepth) + " levels");
    for (std::size_t i = 0; i < list->size(); ++i) {
      const Json& node = (*list)[i];
      const std::string path = ChildPath(Path, i);
      if (!node.is_object()) Fail(path, "expected a JSON object");
      const std::size_t index = IndexComponent(node, Owner, path);
      IndexComponents(node, index, path, Depth + 1);
    }
  }

  std::size_t IndexComponent(const Json& Node, std::size_t Owner, const std::string& Path) {
    TEntry entry;
    entry.Node = &Node;
    entry.Owner = Owner;
    entry.Name = ReadName(Node, Path);
    entry.Place = Path + " " + Quoted(entry.Name);
    CheckKeys(Node, entry.Place, {key::Class, key::Name, key::Parent, key::ZOrder, key::Properties, key::Components});
    entry.Class = CreatableClass(ReadClassName(Node, entry.Place), entry.Place);
    const std::size_t index = entries_.size();
    if (!entry.Name.empty()) CheckName(entry.Name, entry.Place, index);
    CheckProperties(Node, entry.Place);
    entry.ZOrder = ReadZOrder(Node, entry.Place);
    entries_.push_back(std::move(entry));
    entries_[Owner].Owned.push_back(index);
    return index;
  }

  static std::string ReadName(const Json& Node, const std::string& Path) {
    const auto name = Node.find(key::Name);
    if (name == Node.end()) Fail(Path, Quoted(key::Name) + " is missing");
    if (!name->is_string()) Fail(Path, Quoted(key::Name) + " must be a string");
    return name->get<std::string>();
  }

  static std::string ReadClassName(const Json& Node, const std::string& Place) {
    const auto name = Node.find(key::Class);
    if (name == Node.end()) Fail(Place, Quoted(key::Class) + " is missing");
    if (!name->is_string()) Fail(Place, Quoted(key::Class) + " must be a string");
    return name->get<std::string>();
  }

  static const TClassInfo* CreatableClass(const std::string& Name, const std::string& Place) {
    const TClassInfo* info = FindClass(Name);
    if (info == nullptr) Fail(Place, "unknown class " + Quoted(Name));
    if (!info->Factory()) Fail(Place, "class " + info->Name() + " cannot be created");
    return info;
  }

  static void CheckKeys(const Json& Node, const std::string& Place, std::initializer_list<const char*> Allowed) {
    for (const auto& item : Node.items())
      if (std::none_of(Allowed.begin(), Allowed.end(), [&](const char* k) { return item.key() == k; }))
        Fail(Place, "unknown key " + Quoted(item.key()));
  }

  static void CheckProperties(const Json& Node, const std::string& Place) {
    const auto properties = Node.find(key::Properties);
    if (properties != Node.end() && !properties->is_object())
      Fail(Place, Quoted(key::Properties) + " must be an object");
  }

  static std::int64_t ReadZOrder(const Json& Node, const std::string& Place) {
    const auto z = Node.find(key::ZOrder);
    if (z == Node.end()) return -1;  // not given: file order, settled in ResolveParents
    // JSON integers of 0 or more are read as unsigned.
    if (!z->is_number_unsigned() || z->get<std::uint64_t>() > std::numeric_limits<std::int64_t>::max())
      Fail(Place, Quoted(key::ZOrder) + " must be an integer of 0 or more");
    return z->get<std::int64_t>();
  }

  // Names are unique in the whole file, ignoring case, since parents and references use them.
  void CheckName(const std::string& Name, const std::string& Place, std::size_t Index) {
    if (!IsValidIdent(Name)) Fail(Place, Quoted(Name) + " is not a valid component name");
    const auto [at, fresh] = names_.emplace(Lower(Name), Index);
    if (!fresh) Fail(Place, "duplicate component name: " + entries_[at->second].Place + " has it already");
  }

  // The entry called Name: the root by its name (empty included), others by their own.
  std::optional<std::size_t> FindEntry(const std::string& Name) const {
    if (SameText(Name, RootName())) return 0;
    if (Name.empty()) return std::nullopt;
    const auto it = names_.find(Lower(Name));
    return it == names_.end() ? std::nullopt : std::optional<std::size_t>(it->second);
  }

  void ResolveParents() {
    std::map<std::size_t, std::int64_t> siblings;  // children counted so far, per parent
    for (std::size_t i = 1; i < entries_.size(); ++i) {
      TEntry& entry = entries_[i];
      const auto parent = entry.Node->find(key::Parent);
      if (parent == entry.Node->end()) {
        if (entry.ZOrder >= 0) Fail(entry.Place, Quoted(key::ZOrder) + " needs a " + Quoted(key::Parent));
        continue;
      }
      if (!parent->is_string()) Fail(entry.Place, Quoted(key::Parent) + " must be a string");
      const std::string name = parent->get<std::string>();
      entry.Parent = FindEntry(name);
      if (!entry.Parent) Fail(entry.Place, "unknown parent " + Quoted(name));
      if (!entry.Class->InheritsFrom(TControl::StaticClassInfo()))
        Fail(entry.Place, "a " + entry.Class->Name() + " is no control and cannot have a parent");
      if (!entries_[*entry.Parent].Class->InheritsFrom(TWinControl::StaticClassInfo()))
        Fail(entry.Place, "parent " + Quoted(name) + " cannot hold controls");
      const std::int64_t position = siblings[*entry.Parent]++;
      if (entry.ZOrder < 0) entry.ZOrder = position;
    }
    for (std::size_t i = 1; i < entries_.size(); ++i) CheckParentChain(i);
  }

  void CheckParentChain(std::size_t Index) const {
    std::optional<std::size_t> at = entries_[Index].Parent;
    for (std::size_t steps = 0; at && *at != 0; ++steps) {
      if (*at == Index || steps > entries_.size())
        Fail(entries_[Index].Place, "its parent chain runs in a circle");
      at = entries_[*at].Parent;
    }
  }

  // --- building --------------------------------------------------------------------------------

  void CreateComponents() {
    for (std::size_t i = 1; i < entries_.size(); ++i) {
      TEntry& entry = entries_[i];
      TComponent* owner = entries_[entry.Owner].Component;
      Guarded(entry.Place, [&] { entry.Component = entry.Class->Factory()(owner); });
      entry.Component->BeginLoading();
      Guarded(entry.Place, [&] { entry.Component->SetName(entry.Name); });
    }
  }

  void SetParents() {
    for (std::size_t i = 1; i < entries_.size(); ++i) {
      TEntry& entry = entries_[i];
      if (!entry.Parent) continue;
      auto* control = dynamic_cast<TControl*>(entry.Component);
      auto* parent = dynamic_cast<TWinControl*>(entries_[*entry.Parent].Component);
      if (control == nullptr || parent == nullptr) Fail(entry.Place, "cannot be put on its parent");
      Guarded(entry.Place, [&] { control->SetParent(parent); });
    }
  }

  void AssignProperties(std::size_t Index) {
    const TEntry& entry = entries_[Index];
    const auto properties = entry.Node->find(key::Properties);
    if (properties == entry.Node->end()) return;
    const bool assign = Index != 0 || assignRoot_;
    ApplyProperties(*entry.Component, *properties, entry.Place, "", 0, assign);
  }

  void ApplyProperties(TPersistent& Object, const Json& Values, const std::string& Place, const std::string& Prefix,
                       int Depth, bool Assign) {
    if (Depth > kMaxDepth) Fail(Place, "objects nest deeper than " + std::to_string(kMaxDepth) + " levels");
    const TClassInfo& info = Object.ClassInfo();
    for (const auto& item : Values.items()) {
      const TPropertyInfo* p = info.FindProperty(item.key());
      if (p == nullptr) Fail(PropertyPlace(Place, Prefix + item.key()), "unknown property of " + info.Name());
      const std::string where = PropertyPlace(Place, Prefix + p->Name);
      if (IsComponentName(p)) Fail(where, "a component's name belongs in " + Quoted(key::Name));
      ApplyProperty(Object, *p, item.value(), Place, Prefix, where, Depth, Assign);
    }
  }

  void ApplyProperty(TPersistent& Object, const TPropertyInfo& P, const Json& Value, const std::string& Place,
                     const std::string& Prefix, const std::string& Where, int Depth, bool Assign) {
    switch (P.Kind) {
      case TPropertyKind::Object: {
        if (!Value.is_object()) Fail(Where, "expected an object of its properties");
        TPersistent* nested = P.GetObject ? P.GetObject(Object) : nullptr;
        if (nested == nullptr) Fail(Where, "there is no object to fill");
        if (Assign) Guarded(Where, [&] { ResetUnlisted(*nested, Value); });
        ApplyProperties(*nested, Value, Place, Prefix + P.Name + ".", Depth + 1, Assign);
        return;
      }
      case TPropertyKind::Component: {
        if (!P.SetComponent) Fail(Where, "is read-only");
        if (!Value.is_null() && !Value.is_string()) Fail(Where, "expected a component name or null");
        std::optional<std::string> target;
        if (Value.is_string()) target = Value.get<std::string>();
        references_.push_back({&Object, &P, std::move(target), Where, Assign});
        return;
      }
      default: {
        if (!P.Set) Fail(Where, "is read-only");
        const TPropertyValue decoded = Decode(P, Value, Where);
        if (Assign) Guarded(Where, [&] { P.Set(Object, decoded); });
        return;
      }
    }
  }

  // A nested object is written as its differences from its class's defaults, so what the entry
  // leaves out goes back to the default (a font inherited from the parent included).
  static void ResetUnlisted(TPersistent& Object, const Json& Listed) {
    const auto items = Listed.items();
    for (const TPropertyInfo* p : Object.ClassInfo().Properties()) {
      if (!p->Default || !p->Get || !p->Set) continue;
      const bool listed =
          std::any_of(items.begin(), items.end(), [&](const auto& item) { return SameText(item.key(), p->Name); });
      if (!listed && !(p->Get(Object) == *p->Default)) p->Set(Object, *p->Default);
    }
  }

  static TPropertyValue Decode(const TPropertyInfo& P, const Json& Value, const std::string& Where) {
    switch (P.Kind) {
      case TPropertyKind::Integer: return DecodeInteger(Value, Where);
      case TPropertyKind::Float: return DecodeFloat(Value, Where);
      case TPropertyKind::Boolean:
        if (!Value.is_boolean()) Fail(Where, "expected true or false");
        return Value.get<bool>();
      case TPropertyKind::String:
        if (!Value.is_string()) Fail(Where, "expected a string");
        return Value.get<std::string>();
      case TPropertyKind::Color: return DecodeColor(Value, Where);
      case TPropertyKind::Enumeration: return DecodeEnumeration(P, Value, Where);
      case TPropertyKind::Set: return DecodeSet(P, Value, Where);
      case TPropertyKind::Object:
      case TPropertyKind::Component: break;
    }
    Fail(Where, "has a kind that holds no plain value");
  }

  static std::int64_t DecodeInteger(const Json& Value, const std::string& Where) {
    if (!Value.is_number_integer()) Fail(Where, "expected an integer");
    if (Value.is_number_unsigned() && Value.get<std::uint64_t>() > std::numeric_limits<std::int64_t>::max())
      Fail(Where, "the integer is too large");
    return Value.get<std::int64_t>();
  }

  static double DecodeFloat(const Json& Value, const std::string& Where) {
    if (Value.is_number()) return Value.get<double>();
    if (Value.is_string()) {
      const std::string& text = Value.get_ref<const std::string&>();
      if (text == kNaN) return std::numeric_limits<double>::quiet_NaN();
      if (text == kInfinity) return std::numeric_limits<double>::infinity();
      if (text == kMinusInfinity) return -std::numeric_limits<double>::infinity();
    }
    Fail(Where, std::string("expected a number, \"") + kNaN + "\", \"" + kInfinity + "\" or \"" + kMinusInfinity + "\"");
  }

  static std::int64_t DecodeColor(const Json& Value, const std::string& Where) {
    if (!Value.is_string()) Fail(Where, "expected a colour name or \"$00BBGGRR\"");
    try {
      return StringToColor(Value.get<std::string>());
    } catch (const EConvertError&) {
      Fail(Where, Quoted(Value.get<std::string>()) + " is not a colour");
    }
  }

  static std::optional<std::size_t> FindValueName(const TPropertyInfo& P, const std::string& Name) {
    for (std::size_t i = 0; i < P.ValueNames.size(); ++i)
      if (SameText(P.ValueNames[i], Name)) return i;
    return std::nullopt;
  }

  static std::string ValueNameList(const TPropertyInfo& P) {
    std::string list;
    for (const std::string& name : P.ValueNames) list += (list.empty() ? "" : ", ") + name;
    return list;
  }

  static std::int64_t DecodeEnumeration(const TPropertyInfo& P, const Json& Value, const std::string& Where) {
    if (!Value.is_string()) Fail(Where, "expected the name of a value (" + ValueNameList(P) + ")");
    const auto ordinal = FindValueName(P, Value.get<std::string>());
    if (!ordinal) Fail(Where, Quoted(Value.get<std::string>()) + " is none of " + ValueNameList(P));
    return static_cast<std::int64_t>(*ordinal);
  }

  static std::int64_t DecodeSet(const TPropertyInfo& P, const Json& Value, const std::string& Where) {
    if (!Value.is_array()) Fail(Where, "expected an array of names (" + ValueNameList(P) + ")");
    std::uint64_t bits = 0;
    for (const Json& name : Value) {
      if (!name.is_string()) Fail(Where, "expected an array of names (" + ValueNameList(P) + ")");
      const auto bit = FindValueName(P, name.get<std::string>());
      if (!bit || *bit >= 64) Fail(Where, Quoted(name.get<std::string>()) + " is none of " + ValueNameList(P));
      bits |= std::uint64_t{1} << *bit;
    }
    return static_cast<std::int64_t>(bits);
  }

  void ResolveReferences() {
    for (const TReference& r : references_) {
      TComponent* target = nullptr;
      if (r.Target) {
        const auto entry = FindEntry(*r.Target);
        if (!entry) Fail(r.Where, "no component of the form is named " + Quoted(*r.Target));
        target = entries_[*entry].Component;
      }
      if (!r.Assign) continue;
      Guarded(r.Where, [&] { r.Property->SetComponent(*r.Object, target); });
      if (r.Property->GetComponent && r.Property->GetComponent(*r.Object) != target)
        Fail(r.Where, target == nullptr ? std::string("cannot be cleared")
                                        : "does not take " + Quoted(*r.Target) + ", a " + target->ClassInfo().Name());
    }
  }

  // Stacks every parent's children by their "zorder", ties in file order.
  void Stack() {
    std::vector<std::size_t> children;
    for (std::size_t i = 1; i < entries_.size(); ++i)
      if (entries_[i].Parent) children.push_back(i);
    std::stable_sort(children.begin(), children.end(), [&](std::size_t a, std::size_t b) {
      return std::pair(*entries_[a].Parent, entries_[a].ZOrder) < std::pair(*entries_[b].Parent, entries_[b].ZOrder);
    });
    for (std::size_t i : children) {
      const TEntry& entry = entries_[i];
      auto* parent = static_cast<TWinControl*>(entries_[*entry.Parent].Component);
      Guarded(entry.Place, [&] { parent->BringToFront(static_cast<TControl*>(entry.Component)); });
    }
  }

  void Load(std::size_t Index) {
    for (std::size_t owned : entries_[Index].Owned) Load(owned);
    const TEntry& entry = entries_[Index];
    Guarded(entry.Place + " Loaded", [&] { entry.Component->Loaded(); });
  }

  std::vector<TEntry> entries_;
  std::map<std::string, std::size_t> names_;  // lower-case name to entry
  std::vector<TReference> references_;
  bool assignRoot_ = true;
};

std::string ReadTextFile(const std::string& FileName) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(FileName);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

std::string WriteFormToJson(const TComponent* Root) {
  if (Root == nullptr) throw EFormFileError("there is no form to write");
  try {
    return TFormWriter(*Root).Write().dump(kJsonIndent);
  } catch (const Json::exception& e) {
    throw EFormFileError(std::string("the form cannot be written as JSON: ") + e.what());
  }
}

void SaveFormToFile(const TComponent* Root, const std::string& FileName) {
  const std::string text = WriteFormToJson(Root) + "\n";
  WriteFileBytes(FileName, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TComponent* ReadFormFromJson(const std::string& Json, TComponent* Owner) {
  const auto document = Parse(Json);
  TFormReader reader(document, nullptr);
  std::unique_ptr<TComponent> root(reader.CreateRoot(Owner));
  reader.Build(*root, true);
  reader.FinishLoading();
  return root.release();
}

TComponent* LoadFormFromFile(const std::string& FileName, TComponent* Owner) {
  return ReadFormFromJson(ReadTextFile(FileName), Owner);
}

void ReadFormInto(TComponent* Root, const std::string& Json) {
  if (Root == nullptr) throw EFormFileError("there is no form to read into");
  const auto document = Parse(Json);
  TFormReader reader(document, &Root->ClassInfo());
  if (Root->GetComponentCount() != 0) Fail(reader.RootPlace(), "the form to read into owns components already");
  if (!Root->ClassInfo().Factory()) Fail(reader.RootPlace(), "class " + Root->ClassInfo().Name() + " cannot be created");
  if (const TComponent* owner = Root->GetOwner()) {
    const TComponent* same = owner->FindComponent(reader.RootName());
    if (same != nullptr && same != Root) Fail(reader.RootPlace(), "the form's owner has another component of that name");
  }

  // A rehearsal on a fresh object of the same class meets every bad value, class or setter
  // before the real form is touched.
  {
    TFormReader rehearsal(document, &Root->ClassInfo());
    std::unique_ptr<TComponent> scratch;
    Guarded(reader.RootPlace(), [&] { scratch.reset(Root->ClassInfo().Factory()(nullptr)); });
    rehearsal.Build(*scratch, false);
  }

  const TPropertySnapshot before(*Root);
  const std::string oldName = Root->GetName();
  const bool wasLoading = (Root->GetComponentState() & csLoading) != 0;
  try {
    reader.Build(*Root, true);
    reader.FinishLoading();
  } catch (...) {
    reader.FreeCreated();
    before.Restore();
    try {
      Root->SetName(oldName);
    } catch (const std::exception&) {
    }
    // Only the loading state is ended here; the form's own Loaded has nothing to finish.
    if (!wasLoading) Root->TComponent::Loaded();
    throw;
  }
}

void LoadFormInto(TComponent* Root, const std::string& FileName) { ReadFormInto(Root, ReadTextFile(FileName)); }

}  // namespace gadrix
