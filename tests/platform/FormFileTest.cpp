// Form files: the round trip, what is left out, ReadFormInto, and every kind of bad file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "gadrix/gadrix.h"

namespace gadrix {
namespace {

enum TRecMode : std::uint8_t { rmOff, rmOn, rmAuto };
enum : std::uint8_t { roLeft = 1, roRight = 2, roBoth = 4 };
using TRecOptions = std::uint8_t;

// Every Loaded, in the order they ran, by component name.
std::vector<std::string> gLoadOrder;

bool IsLoading(const TComponent& C) { return (C.GetComponentState() & csLoading) != 0; }

// A control with one property of every kind. It logs its setters and Loaded, and notes whether
// every setter ran while loading and whether its owned components were loaded before it.
class TRecorder : public TCustomControl {
public:
  explicit TRecorder(TComponent* AOwner) : TCustomControl(AOwner) { ++Alive; }
  ~TRecorder() override { --Alive; }

  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = TClassInfo::Of<TRecorder>(
        "TRecorder", &TCustomControl::StaticClassInfo(),
        {IntegerProperty("Level", &TRecorder::GetLevel, &TRecorder::SetLevel, 0),
         FloatProperty("Ratio", &TRecorder::GetRatio, &TRecorder::SetRatio, 0.5),
         EnumProperty("Mode", &TRecorder::GetMode, &TRecorder::SetMode, {"rmOff", "rmOn", "rmAuto"}, rmOff),
         SetProperty("Options", &TRecorder::GetOptions, &TRecorder::SetOptions, {"roLeft", "roRight", "roBoth"}, 0),
         StringProperty("Label", &TRecorder::GetLabel, &TRecorder::SetLabel, std::string()),
         ColorProperty("Needle", &TRecorder::GetNeedle, &TRecorder::SetNeedle, clRed),
         ComponentProperty("Buddy", &TRecorder::GetBuddy, &TRecorder::SetBuddy)});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int GetLevel() const { return level_; }
  void SetLevel(int Value) {
    Note("Level");
    if (Value < 0) throw EConvertError("Level must not be negative");
    level_ = Value;
  }
  double GetRatio() const { return ratio_; }
  void SetRatio(double Value) { Note("Ratio"), ratio_ = Value; }
  TRecMode GetMode() const { return mode_; }
  void SetMode(TRecMode Value) { Note("Mode"), mode_ = Value; }
  TRecOptions GetOptions() const { return options_; }
  void SetOptions(TRecOptions Value) { Note("Options"), options_ = Value; }
  const std::string& GetLabel() const { return label_; }
  void SetLabel(const std::string& Value) { Note("Label"), label_ = Value; }
  TColor GetNeedle() const { return needle_; }
  void SetNeedle(TColor Value) { Note("Needle"), needle_ = Value; }
  TRecorder* GetBuddy() const { return buddy_; }
  void SetBuddy(TRecorder* Value) {
    Note("Buddy");
    if (buddy_ != nullptr) buddy_->RemoveFreeNotification(this);
    buddy_ = Value;
    if (buddy_ != nullptr) buddy_->FreeNotification(this);
  }

  void Loaded() override {
    TCustomControl::Loaded();
    Log.push_back("Loaded");
    gLoadOrder.push_back(GetName());
    for (int i = 0; i < GetComponentCount(); ++i) OwnedLoadedFirst &= !IsLoading(*GetComponents(i));
    if (label_ == "fail in Loaded") throw EConvertError("cannot finish loading");
  }

  static inline int Alive = 0;
  std::vector<std::string> Log;
  bool SetWhileLoading = true;
  bool OwnedLoadedFirst = true;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == buddy_) buddy_ = nullptr;
  }

private:
  void Note(const char* Setter) {
    Log.push_back(Setter);
    SetWhileLoading &= IsLoading(*this);
  }
  int level_ = 0;
  double ratio_ = 0.5;
  TRecMode mode_ = rmOff;
  TRecOptions options_ = 0;
  std::string label_;
  TColor needle_ = clRed;
  TRecorder* buddy_ = nullptr;
};

// A form with a property that refuses negative values, which counts its Loaded calls.
class TRecForm : public TForm {
public:
  explicit TRecForm(TComponent* AOwner) : TForm(AOwner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = TClassInfo::Of<TRecForm>(
        "TRecForm", &TForm::StaticClassInfo(), {IntegerProperty("Limit", &TRecForm::GetLimit, &TRecForm::SetLimit, 0)});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int GetLimit() const { return limit_; }
  void SetLimit(int Value) {
    ++LimitCalls;
    if (Value < 0) throw EConvertError("Limit must not be negative");
    limit_ = Value;
  }
  void Loaded() override {
    TForm::Loaded();
    ++LoadedCalls;
    gLoadOrder.push_back(GetName());
    for (int i = 0; i < GetComponentCount(); ++i) OwnedLoadedFirst &= !IsLoading(*GetComponents(i));
  }

  int LimitCalls = 0;
  int LoadedCalls = 0;
  bool OwnedLoadedFirst = true;

private:
  int limit_ = 0;
};

// A control without a window: the tab order does not place it, only the stacking does.
class TDot : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = TClassInfo::Of<TDot>("TDot", &TGraphicControl::StaticClassInfo(), {});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// A component class nobody registered.
class TUnregistered : public TComponent {
public:
  using TComponent::TComponent;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = TClassInfo::Of<TUnregistered>("TUnregistered", &TComponent::StaticClassInfo(), {});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

class FormFile : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterClass(TRecorder::StaticClassInfo());
    RegisterClass(TRecForm::StaticClassInfo());
    RegisterClass(TDot::StaticClassInfo());
    gLoadOrder.clear();
  }
  void TearDown() override { EXPECT_EQ(TRecorder::Alive, 0) << "a recorder was left behind"; }
};

// --- comparing two forms through their published properties ---------------------------------

std::string NameOrNull(const TComponent* C) { return C == nullptr ? "(none)" : C->GetName(); }

void ExpectSameProperties(const TPersistent& A, const TPersistent& B, const std::string& Where) {
  ASSERT_EQ(A.ClassName(), B.ClassName()) << Where;
  for (const TPropertyInfo* p : A.ClassInfo().Properties()) {
    const std::string where = Where + "." + p->Name;
    if (p->Kind == TPropertyKind::Object)
      ExpectSameProperties(*p->GetObject(A), *p->GetObject(B), where);
    else if (p->Kind == TPropertyKind::Component)
      EXPECT_EQ(NameOrNull(p->GetComponent(A)), NameOrNull(p->GetComponent(B))) << where;
    else
      EXPECT_TRUE(p->Get(A) == p->Get(B)) << where;
  }
}

int ZIndex(const TControl* C) {
  const TWinControl* parent = C->GetParent();
  for (int i = 0; parent != nullptr && i < parent->GetControlCount(); ++i)
    if (parent->GetControls(i) == C) return i;
  return -1;
}

// Same classes, names, owners (by position in the owner's list), parents, z-order and values.
void ExpectSameTree(const TComponent& A, const TComponent& B, const std::string& Where) {
  ExpectSameProperties(A, B, Where);
  if (const auto* a = dynamic_cast<const TControl*>(&A)) {
    const auto* b = dynamic_cast<const TControl*>(&B);
    ASSERT_NE(b, nullptr) << Where;
    EXPECT_EQ(NameOrNull(a->GetParent()), NameOrNull(b->GetParent())) << Where;
    EXPECT_EQ(ZIndex(a), ZIndex(b)) << Where;
  }
  ASSERT_EQ(A.GetComponentCount(), B.GetComponentCount()) << Where;
  for (int i = 0; i < A.GetComponentCount(); ++i)
    ExpectSameTree(*A.GetComponents(i), *B.GetComponents(i), Where + "/" + A.GetComponents(i)->GetName());
}

// A form with nested containers, a control made before its parent, a forward reference, an owned
// timer inside a control, an unnamed control, inherited and own fonts and a changed z-order.
std::unique_ptr<TRecForm> MakeSampleForm() {
  auto form = std::make_unique<TRecForm>(nullptr);
  form->SetName("Form1");
  form->SetCaption("Gauges");
  form->SetBounds(10, 20, 640, 480);
  form->SetColor(clWindow);
  form->GetFont()->SetSize(10);
  form->GetFont()->SetStyle(fsBold);
  form->SetLimit(3);
  auto* menu = new TPopupMenu(form.get());
  menu->SetName("PopupMenu1");
  auto* early = new TRecorder(form.get());  // its parent comes later in the owner list
  early->SetName("Early");
  auto* panel1 = new TWinControl(form.get());
  panel1->SetName("Panel1");
  panel1->SetParent(form.get());
  panel1->SetBounds(8, 8, 300, 200);
  panel1->SetColor(RGB(0xDD, 0xEE, 0xFF));
  auto* panel2 = new TWinControl(form.get());
  panel2->SetName("Panel2");
  panel2->SetParent(panel1);
  panel2->SetBounds(4, 4, 100, 80);
  panel2->SetParentColor(true);
  early->SetParent(panel2);
  early->SetBounds(1, 2, 30, 40);
  auto* rec1 = new TRecorder(form.get());
  rec1->SetName("Rec1");
  rec1->SetParent(form.get());
  rec1->SetBounds(320, 8, 120, 90);
  rec1->SetLevel(7);
  rec1->SetRatio(0.1);
  rec1->SetMode(rmAuto);
  rec1->SetOptions(roLeft | roBoth);
  rec1->SetLabel("na\xC3\xAFve \xE2\x9C\x93 \"quoted\"");
  rec1->SetNeedle(RGB(0x56, 0x34, 0x12));
  rec1->GetFont()->SetName("Arial");  // its own font from now on
  rec1->SetPopupMenu(menu);
  rec1->SetHint("the first");
  rec1->SetShowHint(true);
  auto* timer = new TTimer(rec1);
  timer->SetName("Timer1");
  timer->SetInterval(250);
  auto* rec2 = new TRecorder(form.get());
  rec2->SetName("Rec2");
  rec2->SetParent(form.get());
  rec2->SetBounds(320, 120, 60, 60);
  rec2->SetEnabled(false);
  rec2->SetCursor(crHourGlass);
  rec2->SetRatio(-1e-300);
  rec1->SetBuddy(rec2);  // a reference to a component further down the file
  rec2->SetBuddy(rec1);
  auto* unnamed = new TRecorder(form.get());
  unnamed->SetParent(panel1);
  unnamed->SetVisible(false);
  auto* dot = new TDot(form.get());
  dot->SetName("Dot1");
  dot->SetParent(form.get());
  form->BringToFront(panel1);
  form->SendToBack(dot);  // z-order: Dot1, Rec1, Rec2, Panel1
  return form;
}

TEST_F(FormFile, RoundTripRebuildsOwnersParentsZOrderAndEveryProperty) {
  const auto original = MakeSampleForm();
  const std::string json = WriteFormToJson(original.get());
  std::unique_ptr<TComponent> copy(ReadFormFromJson(json, nullptr));
  ASSERT_NE(dynamic_cast<TRecForm*>(copy.get()), nullptr);
  ExpectSameTree(*original, *copy, "Form1");

  auto* form = static_cast<TRecForm*>(copy.get());
  auto* rec1 = static_cast<TRecorder*>(form->FindComponent("Rec1"));
  auto* rec2 = static_cast<TRecorder*>(form->FindComponent("Rec2"));
  EXPECT_EQ(rec1->GetBuddy(), rec2);
  EXPECT_EQ(rec2->GetBuddy(), rec1);
  EXPECT_EQ(rec1->GetPopupMenu(), form->FindComponent("PopupMenu1"));
  EXPECT_EQ(rec1->FindComponent("Timer1")->GetOwner(), rec1);
  EXPECT_EQ(form->FindComponent("Early")->GetOwner(), form);
  EXPECT_EQ(static_cast<TControl*>(form->FindComponent("Early"))->GetParent(), form->FindComponent("Panel2"));
  EXPECT_EQ(form->GetControls(0), form->FindComponent("Dot1"));
  EXPECT_EQ(form->GetControls(3), form->FindComponent("Panel1"));
  // The inherited font and colour came through the parents, not through the file.
  const TControl* early = static_cast<TControl*>(form->FindComponent("Early"));
  EXPECT_TRUE(early->GetParentFont());
  EXPECT_EQ(early->GetFont()->GetStyle(), fsBold);
  EXPECT_EQ(static_cast<TControl*>(form->FindComponent("Panel2"))->GetColor(), RGB(0xDD, 0xEE, 0xFF));

  // Loaded ran once per component, after every one of its properties, owned components first,
  // the form last; nothing is loading any more.
  for (TRecorder* r : {rec1, rec2}) {
    EXPECT_EQ(std::count(r->Log.begin(), r->Log.end(), "Loaded"), 1);
    EXPECT_EQ(r->Log.back(), "Loaded");
    EXPECT_TRUE(r->SetWhileLoading);
    EXPECT_TRUE(r->OwnedLoadedFirst);
    EXPECT_FALSE(IsLoading(*r));
  }
  EXPECT_EQ(rec1->Log, (std::vector<std::string>{"Level", "Ratio", "Mode", "Options", "Label", "Needle", "Buddy", "Loaded"}));
  EXPECT_FALSE(IsLoading(*rec1->FindComponent("Timer1")));
  EXPECT_EQ(gLoadOrder, (std::vector<std::string>{"Early", "Rec1", "Rec2", "", "Form1"}));
  EXPECT_EQ(form->LoadedCalls, 1);
  EXPECT_TRUE(form->OwnedLoadedFirst);

  // Writing the copy gives the same text again.
  EXPECT_EQ(WriteFormToJson(copy.get()), json);
}

TEST_F(FormFile, DefaultsAreLeftOutAndPropertiesWithoutDefaultsAreAlwaysWritten) {
  TForm form(nullptr);
  form.SetName("Form1");
  auto* rec = new TRecorder(&form);
  rec->SetName("Rec1");
  rec->SetParent(&form);
  rec->SetLevel(5);
  rec->SetLevel(0);  // back at its default
  rec->SetParentColor(true);  // the colour is the form's: not stored
  const auto document = nlohmann::ordered_json::parse(WriteFormToJson(&form));
  EXPECT_EQ(document["version"], 1);
  const auto keys = [](const nlohmann::ordered_json& Object) {
    std::vector<std::string> names;
    for (const auto& item : Object.items()) names.push_back(item.key());
    return names;
  };
  // Sizes and tab order have no defaults; the form's Visible default is false, a control's true.
  EXPECT_EQ(keys(document["properties"]), (std::vector<std::string>{"Width", "Height", "TabOrder"}));
  const auto& entry = document["components"][0];
  EXPECT_EQ(keys(entry), (std::vector<std::string>{"class", "name", "parent", "zorder", "properties"}));
  EXPECT_EQ(keys(entry["properties"]),
            (std::vector<std::string>{"Width", "Height", "ParentColor", "TabStop", "TabOrder"}));

  // A font of its own is written with its differences only, and even with none.
  rec->GetFont()->SetSize(12);
  auto font = nlohmann::ordered_json::parse(WriteFormToJson(&form))["components"][0]["properties"]["Font"];
  EXPECT_EQ(font, nlohmann::ordered_json::parse(R"({"Size": 12})"));
  rec->GetFont()->SetSize(8);
  font = nlohmann::ordered_json::parse(WriteFormToJson(&form))["components"][0]["properties"]["Font"];
  EXPECT_EQ(font, nlohmann::ordered_json::object());
}

TEST_F(FormFile, AFontOfItsOwnAtTheDefaultsIsNotTheParentsAfterReading) {
  TRecForm form(nullptr);
  form.SetName("Form1");
  form.GetFont()->SetStyle(fsItalic);
  auto* rec = new TRecorder(&form);
  rec->SetParent(&form);
  rec->SetParentFont(false);
  rec->GetFont()->SetStyle(0);  // back to the default style, but its own
  std::unique_ptr<TComponent> copy(ReadFormFromJson(WriteFormToJson(&form), nullptr));
  const auto* read = static_cast<TControl*>(copy->GetComponents(0));
  EXPECT_FALSE(read->GetParentFont());
  EXPECT_EQ(read->GetFont()->GetStyle(), 0);
}

TEST_F(FormFile, FloatsBeyondJsonNumbersAndFilesRoundTrip) {
  TRecForm form(nullptr);
  form.SetName("Form1");
  auto* nan = new TRecorder(&form);
  nan->SetName("NotANumber");
  nan->SetRatio(std::numeric_limits<double>::quiet_NaN());
  auto* inf = new TRecorder(&form);
  inf->SetName("Infinite");
  inf->SetRatio(-std::numeric_limits<double>::infinity());
  const std::string path = ::testing::TempDir() + "gadrix_form_file_test.json";
  SaveFormToFile(&form, path);
  std::unique_ptr<TComponent> copy(LoadFormFromFile(path, nullptr));
  std::remove(path.c_str());
  EXPECT_TRUE(std::isnan(static_cast<TRecorder*>(copy->FindComponent("NotANumber"))->GetRatio()));
  EXPECT_EQ(static_cast<TRecorder*>(copy->FindComponent("Infinite"))->GetRatio(),
            -std::numeric_limits<double>::infinity());
  EXPECT_THROW(LoadFormFromFile(path, nullptr), EFileError);
}

TEST_F(FormFile, ReadFormIntoFillsTheExistingForm) {
  const auto original = MakeSampleForm();
  const std::string json = WriteFormToJson(original.get());
  TRecForm form(nullptr);
  ReadFormInto(&form, json);
  EXPECT_EQ(form.GetName(), "Form1");
  ExpectSameTree(*original, form, "Form1");
  EXPECT_EQ(form.LoadedCalls, 1);
  EXPECT_EQ(gLoadOrder, (std::vector<std::string>{"Early", "Rec1", "Rec2", "", "Form1"}));

  // Another class, or a form that owns components already, is refused.
  TForm plain(nullptr);
  EXPECT_THROW(ReadFormInto(&plain, json), EFormFileError);
  EXPECT_THROW(ReadFormInto(&form, json), EFormFileError);
}

TEST_F(FormFile, ReadingWithAnOwnerAddsTheFormToItAndANameClashIsAnError) {
  TComponent owner(nullptr);
  TForm other(&owner);
  other.SetName("Form1");
  const std::string json = R"({"version": 1, "class": "TRecForm", "name": "Form1"})";
  try {
    ReadFormFromJson(json, &owner);
    FAIL() << "no error";
  } catch (const EFormFileError& e) {
    EXPECT_NE(std::string(e.what()).find(R"(root "Form1": )"), std::string::npos) << e.what();
  }
  EXPECT_EQ(owner.GetComponentCount(), 1);
  TComponent* form = ReadFormFromJson(R"({"version": 1, "class": "TRecForm", "name": "Form2"})", &owner);
  EXPECT_EQ(form->GetOwner(), &owner);
  EXPECT_EQ(owner.FindComponent("Form2"), form);
}

TEST_F(FormFile, WritingRefusesWhatCouldNotBeReadBack) {
  TRecForm form(nullptr);
  form.SetName("Form1");
  TRecForm elsewhere(nullptr);
  auto* outsider = new TRecorder(&elsewhere);
  outsider->SetName("Outsider");
  auto* rec = new TRecorder(&form);
  rec->SetName("Rec1");
  auto expectError = [&](const std::string& Fragment) {
    try {
      WriteFormToJson(&form);
      ADD_FAILURE() << "no error for " << Fragment;
    } catch (const EFormFileError& e) {
      EXPECT_NE(std::string(e.what()).find(Fragment), std::string::npos) << e.what();
    }
  };
  rec->SetBuddy(outsider);
  expectError(R"(components[0] "Rec1" property "Buddy": refers to a component outside the form)");
  auto* unnamed = new TRecorder(&form);
  rec->SetBuddy(unnamed);
  expectError("refers to a component without a name");
  rec->SetBuddy(nullptr);
  auto* twin = new TRecorder(unnamed);  // same name, another owner: one file could not tell them apart
  twin->SetName("rec1");
  expectError(R"(components[1].components[0] "rec1": another component of the form has the same name)");
  twin->SetName("Twin");
  rec->SetLabel("\xFF\xFE");
  expectError(R"(property "Label": the text is not valid UTF-8)");
  rec->SetLabel("");
  rec->SetMode(static_cast<TRecMode>(9));
  expectError(R"(property "Mode": the value 9 has no name)");
  rec->SetMode(rmOff);
  rec->SetOptions(8);
  expectError(R"(property "Options": the set holds bits that have no name)");
  rec->SetOptions(0);
  rec->SetParent(&elsewhere);
  expectError(R"(components[0] "Rec1" parent: refers to a component outside the form)");
  rec->SetParent(nullptr);
  EXPECT_NO_THROW(WriteFormToJson(&form));
  TComponent* deepest = rec;
  for (int i = 0; i < 70; ++i) deepest = new TComponent(deepest);
  expectError("owners nest deeper than 64 levels");
  delete rec->GetComponents(0);
  new TUnregistered(rec);
  expectError(R"(components[0].components[0] "": class TUnregistered is not registered to be created by name)");
}

// --- bad files ---------------------------------------------------------------------------------

// A form file whose root is a TRecForm "Form1" with the given root properties and components.
std::string Document(const std::string& Components, const std::string& RootProperties = R"({"Limit": 3})") {
  return R"({"version": 1, "class": "TRecForm", "name": "Form1", "properties": )" + RootProperties +
         R"(, "components": [)" + Components + "]}";
}

const std::string kPanel = R"({"class": "TWinControl", "name": "Panel1", "parent": "Form1"})";
const std::string kRec2 = R"({"class": "TRecorder", "name": "Rec2", "parent": "Panel1", "properties": {"Level": 2}})";

// Rec1 with one property given, after a panel and a recorder that are created and filled first.
std::string WithRec1(const std::string& Property) {
  return Document(kPanel + "," + kRec2 + R"(, {"class": "TRecorder", "name": "Rec1", "parent": "Form1", "properties": {)" +
                  Property + "}}");
}

struct TBadFile {
  std::string Json;
  std::string Message;  // what the error says, place included
};

std::string Nested(int Depth) {
  std::string json = R"({"class": "TComponent", "name": ""})";
  for (int i = 0; i < Depth; ++i) json = R"({"class": "TComponent", "name": "", "components": [)" + json + "]}";
  return json;
}

const std::vector<TBadFile>& BadFiles() {
  static const std::vector<TBadFile> files = {
      {R"({"version": 1, "class": "TRecForm")", "malformed JSON: parse error at line 1, column 35"},
      {"[1, 2]", "document: expected a JSON object at the top"},
      {R"({"class": "TRecForm", "name": "Form1"})", R"(document: "version" is missing)"},
      {R"({"version": 2, "class": "TRecForm", "name": "Form1"})", "document: unsupported version 2"},
      {R"({"version": "1", "class": "TRecForm", "name": "Form1"})", R"(document: "version" must be an integer)"},
      {R"({"version": 1, "name": "Form1"})", R"(root "Form1": "class" is missing)"},
      {R"({"version": 1, "class": "TRecForm"})", R"(root: "name" is missing)"},
      {R"({"version": 1, "class": "TRecForm", "name": "Form1", "components": {}})",
       R"(root "Form1": "components" must be an array)"},
      {R"({"version": 1, "class": "TRecForm", "name": "Form1", "properties": []})",
       R"(root "Form1": "properties" must be an object)"},
      {R"({"version": 1, "class": "TRecForm", "name": "Form1", "colour": 3})", R"(root "Form1": unknown key "colour")"},
      {Document("5"), "components[0]: expected a JSON object"},
      {Document(kPanel + R"(, {"class": "TRecorder", "name": "Rec1", "colour": 1})"),
       R"(components[1] "Rec1": unknown key "colour")"},
      {Document(kPanel + R"(, {"class": "TNoSuchControl", "name": "Meter1"})"),
       R"(components[1] "Meter1": unknown class "TNoSuchControl")"},
      {Document(kPanel + R"(, {"class": "TGraphicControl", "name": "Shape1"})"),
       R"(components[1] "Shape1": class TGraphicControl cannot be created)"},
      {WithRec1(R"("Colour": 1)"), R"(components[2] "Rec1" property "Colour": unknown property of TRecorder)"},
      {WithRec1(R"("Level": "7")"), R"(components[2] "Rec1" property "Level": expected an integer)"},
      {WithRec1(R"("Level": 18446744073709551615)"), R"(property "Level": the integer is too large)"},
      {WithRec1(R"("Font": {"Size": 10.5})"), R"(components[2] "Rec1" property "Font.Size": expected an integer)"},
      {WithRec1(R"("Font": {"Weight": 700})"), R"(property "Font.Weight": unknown property of TFont)"},
      {WithRec1(R"("Font": 12)"), R"(property "Font": expected an object of its properties)"},
      {WithRec1(R"("Ratio": "half")"), R"(property "Ratio": expected a number)"},
      {WithRec1(R"("Visible": 1)"), R"(property "Visible": expected true or false)"},
      {WithRec1(R"("Label": ["a"])"), R"(property "Label": expected a string)"},
      {WithRec1(R"("Mode": "rmSideways")"), R"(property "Mode": "rmSideways" is none of rmOff, rmOn, rmAuto)"},
      {WithRec1(R"("Mode": 2)"), R"(property "Mode": expected the name of a value)"},
      {WithRec1(R"("Options": ["roLeft", "roUp"])"), R"(property "Options": "roUp" is none of roLeft, roRight, roBoth)"},
      {WithRec1(R"("Options": "roLeft")"), R"(property "Options": expected an array of names)"},
      {WithRec1(R"("Needle": "clPink")"), R"(components[2] "Rec1" property "Needle": "clPink" is not a colour)"},
      {WithRec1(R"("Needle": 255)"), R"(property "Needle": expected a colour name)"},
      {WithRec1(R"("Name": "Other")"), R"(property "Name": a component's name belongs in "name")"},
      {WithRec1(R"("Buddy": "Rec9")"), R"(components[2] "Rec1" property "Buddy": no component of the form is named "Rec9")"},
      {WithRec1(R"("Buddy": 3)"), R"(property "Buddy": expected a component name or null)"},
      {WithRec1(R"("Buddy": "Panel1")"), R"(property "Buddy": does not take "Panel1", a TWinControl)"},
      {WithRec1(R"("Level": -1)"), R"(components[2] "Rec1" property "Level": Level must not be negative)"},
      {Document(kPanel + R"(, {"class": "TRecorder", "name": "panel1"})"),
       R"(components[1] "panel1": duplicate component name: components[0] "Panel1" has it already)"},
      {Document(R"({"class": "TRecorder", "name": "FORM1"})"),
       R"(components[0] "FORM1": duplicate component name: root "Form1" has it already)"},
      {Document(R"({"class": "TRecorder", "name": "1st"})"), R"(components[0] "1st": "1st" is not a valid component name)"},
      {Document(kPanel + R"(, {"class": "TRecorder", "name": "Rec1", "parent": "Panel9"})"),
       R"(components[1] "Rec1": unknown parent "Panel9")"},
      {Document(R"({"class": "TTimer", "name": "Timer1", "parent": "Form1"})"),
       R"(components[0] "Timer1": a TTimer is no control and cannot have a parent)"},
      {Document(R"({"class": "TTimer", "name": "Timer1"}, {"class": "TRecorder", "name": "Rec1", "parent": "Timer1"})"),
       R"(components[1] "Rec1": parent "Timer1" cannot hold controls)"},
      {Document(R"({"class": "TWinControl", "name": "A", "parent": "B"}, {"class": "TWinControl", "name": "B", "parent": "A"})"),
       R"(components[0] "A": its parent chain runs in a circle)"},
      {Document(R"({"class": "TWinControl", "name": "A", "parent": "A"})"), R"(components[0] "A": its parent chain runs in a circle)"},
      {Document(R"({"class": "TRecorder", "name": "Rec1", "parent": "Form1", "zorder": -1})"),
       R"(components[0] "Rec1": "zorder" must be an integer of 0 or more)"},
      {Document(R"({"class": "TRecorder", "name": "Rec1", "zorder": 1})"), R"(components[0] "Rec1": "zorder" needs a "parent")"},
      {Document(R"({"class": "TRecorder", "name": "Rec1", "components": [{"class": "TTimer"}]})"),
       R"(components[0].components[0]: "name" is missing)"},
      {Document(Nested(70)), "owners nest deeper than 64 levels"},
      {Document(kPanel, R"({"Limit": "3"})"), R"(root "Form1" property "Limit": expected an integer)"},
      // Found only once the form itself is being filled or loaded: ReadFormInto must undo.
      {Document(kPanel + "," + kRec2, R"({"Caption": "After", "Color": "clRed", "Font": {"Size": 20}, "Limit": -5})"),
       R"(root "Form1" property "Limit": Limit must not be negative)"},
      {Document(kPanel + "," + kRec2 + R"(, {"class": "TRecorder", "name": "Rec3", "properties": {"Label": "fail in Loaded"}})",
                R"({"Caption": "After", "Color": "clRed", "Font": {"Size": 20}})"),
       R"(components[2] "Rec3" Loaded: cannot finish loading)"},
  };
  return files;
}

TEST_F(FormFile, EveryBadFileRaisesOneErrorNamingThePlaceAndLeavesNothingBehind) {
  for (const TBadFile& bad : BadFiles()) {
    try {
      delete ReadFormFromJson(bad.Json, nullptr);
      ADD_FAILURE() << "no error for " << bad.Json;
    } catch (const EFormFileError& e) {
      EXPECT_NE(std::string(e.what()).find(bad.Message), std::string::npos)
          << "expected: " << bad.Message << "\n     got: " << e.what();
    }
    EXPECT_EQ(TRecorder::Alive, 0) << bad.Json;
  }
}

TEST_F(FormFile, ABadFileLeavesTheExistingFormUntouched) {
  for (const TBadFile& bad : BadFiles()) {
    TRecForm form(nullptr);
    form.SetName("Original");
    form.SetCaption("Before");
    form.SetColor(clAqua);
    form.SetLimit(1);
    form.LimitCalls = 0;
    const std::string before = WriteFormToJson(&form);
    const TComponentState state = form.GetComponentState();
    EXPECT_THROW(ReadFormInto(&form, bad.Json), EFormFileError) << bad.Json;
    EXPECT_EQ(WriteFormToJson(&form), before) << bad.Json;
    EXPECT_EQ(form.GetComponentCount(), 0) << bad.Json;
    EXPECT_EQ(form.GetControlCount(), 0) << bad.Json;
    EXPECT_EQ(form.GetComponentState(), state) << bad.Json;
    EXPECT_EQ(form.LoadedCalls, 0) << bad.Json;
    EXPECT_EQ(TRecorder::Alive, 0) << bad.Json;
    // Everything but the form's own refusals is found before the form is touched at all.
    const bool foundOnTheForm = bad.Message.find("Limit must not") != std::string::npos ||
                                bad.Message.find("Loaded:") != std::string::npos;
    if (!foundOnTheForm) {
      EXPECT_EQ(form.LimitCalls, 0) << bad.Json;
    }
  }
}

}  // namespace
}  // namespace gadrix
