#include "GalleryForm.h"

#include <algorithm>

#include "PageList.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kMargin = 16;
constexpr int kTitleSize = 14;  // points
constexpr int kHintGap = 24;    // between the title and the hint beside it
constexpr int kStageWidth = 692;
constexpr int kStageTop = 64;   // where the pages (and the inspector) begin

const TRect kTabsBounds = Rect(kMargin, 36, kStageWidth - 8, kStageTop);
const TRect kPageBounds = Rect(0, kStageTop, kStageWidth, TGalleryForm::ClientHeight);
const TRect kInspectorBounds = Bounds(700, kStageTop, 384, 580);

}  // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("Gallery");
  SetCaption("Gadrix gallery");
  SetKeyPreview(true);  // for Ctrl+Tab, whichever control has the focus
  const int left = std::max(0, (Screen->GetWidth() - ClientWidth) / 2);
  const int top = std::max(0, (Screen->GetHeight() - ClientHeight) / 2);
  SetBounds(left, top, ClientWidth, ClientHeight);

  tabs_ = new TPageTabs(this);
  tabs_->SetName("PageTabs");
  tabs_->SetBoundsRect(kTabsBounds);
  tabs_->SetParent(this);

  inspector_ = new TPropertyEditor(this);
  inspector_->SetName("Inspector");
  inspector_->SetBoundsRect(kInspectorBounds);
  inspector_->SetParent(this);
  inspector_->SetOnEdited([this](TObject*) { StageChanged(); });

  AddPages();
  tabs_->SetOnChange([this](TObject*) { SetPageIndex(tabs_->GetTabIndex()); });
  ShowSelection();
}

void TGalleryForm::AddPages() {
  std::vector<std::string> titles;
  for (const TPageEntry& entry : PageList()) {
    TGalleryPage* page = entry.Create(this);
    page->SetTitle(entry.Title);
    page->SetBoundsRect(kPageBounds);
    page->SetVisible(pages_.empty());
    page->SetParent(this);
    page->SetOnSelectionChange([this](TObject* Sender) {
      if (Sender == ActivePage()) ShowSelection();
    });
    page->SetOnExhibitChange([this](TObject* Sender) {
      if (Sender == GetSelected()) inspector_->Reread();
    });
    pages_.push_back(page);
    titles.push_back(entry.Title);
  }
  tabs_->SetTabs(titles);
}

void TGalleryForm::SetPageIndex(int Value) {
  if (Value == pageIndex_ || Value < 0 || Value >= static_cast<int>(pages_.size())) return;
  TGalleryPage* old = ActivePage();
  pageIndex_ = Value;
  ActivePage()->Show();
  old->Hide();
  tabs_->SetTabIndex(Value);
  ShowSelection();
}

bool TGalleryForm::ShowPage(const std::string& Name) {
  const int index = FindPage(Name);
  if (index < 0) return false;
  SetPageIndex(index);
  return true;
}

void TGalleryForm::Select(TControl* Control) {
  if (Control == nullptr) {
    ActivePage()->SetSelected(nullptr);
    return;
  }
  const auto owner = std::find_if(pages_.begin(), pages_.end(),
                                  [&](const TGalleryPage* page) { return page->HasExhibit(Control); });
  if (owner == pages_.end()) return;
  SetPageIndex(static_cast<int>(owner - pages_.begin()));
  (*owner)->SetSelected(Control);
}

void TGalleryForm::ShowSelection() { inspector_->SetSubject(GetSelected()); }

void TGalleryForm::StageChanged() {
  // An edit may have moved or resized the selected control: its caption and frame follow.
  ActivePage()->Invalidate();
}

void TGalleryForm::KeyDown(Word& Key, TShiftState Shift) {
  TForm::KeyDown(Key, Shift);
  if (Key != VK_TAB || !(Shift & ssCtrl)) return;
  const int count = static_cast<int>(pages_.size());
  SetPageIndex((pageIndex_ + (Shift & ssShift ? count - 1 : 1)) % count);
  Key = 0;
}

void TGalleryForm::Paint() {
  TCanvas* c = GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->SetColor(clWindowText);
  c->GetFont()->SetSize(kTitleSize);
  c->GetFont()->SetStyle(fsBold);
  const char* const title = "Gadrix gallery";
  c->TextOut(kMargin, 6, title);
  const int hintLeft = kMargin + c->TextWidth(title) + kHintGap;
  const int titleHeight = c->TextHeight(title);
  c->GetFont()->Assign(GetFont());
  c->TextOut(hintLeft, 6 + titleHeight - c->TextHeight("Ag") - 2,
             "Choose a page; click a control to see its published properties on the right, and change them there.");
}

}  // namespace gallery
