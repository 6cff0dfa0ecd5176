#include <gtest/gtest.h>

#include <vector>

#include "gadrix/platform/controls/Controls.h"

namespace gadrix {
namespace {

// A component that reports its end and the removals it hears of.
class TWatched : public TComponent {
public:
  TWatched(TComponent* Owner, std::vector<std::string>* Log) : TComponent(Owner), log_(Log) {}
  ~TWatched() override { log_->push_back("delete " + GetName()); }
  TComponent* Buddy = nullptr;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Buddy) {
      log_->push_back(GetName() + " lets go of " + AComponent->GetName());
      Buddy = nullptr;
    }
  }

private:
  std::vector<std::string>* log_;
};

TEST(Component, OwnerDeletesWhatItOwnsLastFirstAndAUserDeletedComponentLeavesItsOwner) {
  std::vector<std::string> log;
  auto* owner = new TWatched(nullptr, &log);
  owner->SetName("Owner");
  auto* a = new TWatched(owner, &log);
  a->SetName("A");
  auto* b = new TWatched(owner, &log);
  b->SetName("B");
  auto* c = new TWatched(owner, &log);
  c->SetName("C");
  EXPECT_EQ(owner->GetComponentCount(), 3);
  EXPECT_EQ(b->GetComponentIndex(), 1);
  EXPECT_EQ(owner->FindComponent("b"), b);  // names compare without case
  EXPECT_EQ(owner->GetComponents(7), nullptr);

  delete b;
  EXPECT_EQ(owner->GetComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B"), nullptr);
  delete owner;
  EXPECT_EQ(log, (std::vector<std::string>{"delete B", "delete Owner", "delete C", "delete A"}));
}

TEST(Component, NamesMustBeIdentifiersAndUniqueAmongSiblings) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Meter1");
  EXPECT_THROW(b->SetName("meter1"), EComponentError);
  EXPECT_THROW(b->SetName("1Meter"), EComponentError);
  EXPECT_THROW(b->SetName("Me ter"), EComponentError);
  try {
    b->SetName("Meter1");
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named Meter1 already exists");
  }
  b->SetName("_Meter2");
  EXPECT_EQ(b->GetName(), "_Meter2");
  b->SetName("");  // an empty name is always allowed
  a->SetTag(42);
  EXPECT_EQ(a->GetTag(), 42);
}

TEST(Component, FreeNotificationTellsTheOtherSideWhenAComponentGoes) {
  std::vector<std::string> log;
  TWatched holder(nullptr, &log);
  holder.SetName("Holder");
  auto* menu = new TWatched(nullptr, &log);
  menu->SetName("Menu");
  holder.Buddy = menu;
  menu->FreeNotification(&holder);
  delete menu;
  EXPECT_EQ(holder.Buddy, nullptr);
  // The component's own destructor body runs first; the notification comes from its base part.
  EXPECT_EQ(log, (std::vector<std::string>{"delete Menu", "Holder lets go of Menu"}));
}

TEST(Component, LoadingStateRunsFromBeginLoadingToLoaded) {
  TComponent c(nullptr);
  EXPECT_EQ(c.GetComponentState() & csLoading, 0);
  c.BeginLoading();
  EXPECT_NE(c.GetComponentState() & csLoading, 0);
  c.Loaded();
  EXPECT_EQ(c.GetComponentState() & csLoading, 0);
  c.SetDesigning(true);
  EXPECT_NE(c.GetComponentState() & csDesigning, 0);
}

TEST(Persistent, AssigningUnrelatedClassesRaisesTheToolkitError) {
  TFont font;
  TPen pen;
  try {
    font.Assign(&pen);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TPen to a TFont");
  }
}

TEST(Properties, ClassesInheritTheirBasesListAndFindByNameWithoutCase) {
  const TClassInfo& form = TForm::StaticClassInfo();
  EXPECT_EQ(form.Name(), "TForm");
  EXPECT_TRUE(form.InheritsFrom(TControl::StaticClassInfo()));
  ASSERT_NE(form.FindProperty("caption"), nullptr);
  ASSERT_NE(form.FindProperty("Left"), nullptr);  // from TControl
  ASSERT_NE(form.FindProperty("Name"), nullptr);  // from TComponent
  EXPECT_EQ(form.FindProperty("NoSuchProperty"), nullptr);
  // TForm redefines Visible with another default; the list holds it once.
  int visible = 0;
  for (const TPropertyInfo* p : form.Properties()) visible += SameText(p->Name, "Visible");
  EXPECT_EQ(visible, 1);
  EXPECT_EQ(std::get<bool>(*form.FindProperty("Visible")->Default), false);

  TForm f(nullptr);
  const TPropertyInfo* left = form.FindProperty("Left");
  left->Set(f, std::int64_t{17});
  EXPECT_EQ(f.GetLeft(), 17);
  EXPECT_EQ(std::get<std::int64_t>(left->Get(f)), 17);
  TFont* font = static_cast<TFont*>(form.FindProperty("Font")->GetObject(f));
  EXPECT_EQ(font, f.GetFont());
  EXPECT_EQ(font->ClassInfo().FindProperty("Style")->ValueNames.at(0), "fsBold");
}

TEST(ClassRegistry, CreatesRegisteredClassesByName) {
  TComponent owner(nullptr);
  TComponent* timer = CreateComponent("ttimer", &owner);
  EXPECT_EQ(timer->ClassName(), "TTimer");
  EXPECT_EQ(timer->GetOwner(), &owner);
  EXPECT_THROW(CreateComponent("TNoSuchThing", &owner), EClassNotFound);
  const std::vector<std::string> names = RegisteredClassNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "TForm"), names.end());
}

}  // namespace
}  // namespace gadrix
