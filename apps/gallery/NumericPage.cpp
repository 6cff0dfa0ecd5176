#include "NumericPage.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kColumnLeft[] = {TGalleryPage::Margin, 356};
constexpr int kFirstTop = TGalleryPage::Margin + TGalleryPage::CaptionGap;
constexpr int kRowPitch = 72;
constexpr int kFieldWidth = 320;
constexpr int kLeftSpace = 80;       // room for the name left of the box
constexpr int kTextBoxWidth = 150;
constexpr int kGaugeFieldHeight = 42;
constexpr int kRows = 5;
constexpr TPoint kNotesAt = {TGalleryPage::Margin, kFirstTop + kRows * kRowPitch};

// The gauge band runs under the box.
void ShowGauge(TNumIO2* Field) {
  Field->SetHeight(kGaugeFieldHeight);
  Field->SetGaugeVisible(true);
  Field->SetGaugeLeftMargin(kLeftSpace);
  Field->SetGaugeWidth(kTextBoxWidth + 2);
}

}  // namespace

TNumericPage::TNumericPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  SetName("NumericPage");

  TNumIO2* f = AddField("Length", 0, 0, "itFloat, 2 places");
  f->SetLeftText("Length");
  f->SetRightText("mm");
  f->SetValue(123.45);

  f = AddField("Pi", 0, 1, "itFixPoint, 4 places, left aligned");
  f->SetInputFormat(itFixPoint);
  f->SetFixPointDecPlaces(4);
  f->SetAlignment(taLeftJustify);
  f->SetLeftText("Pi");
  f->SetValue(3.14159265);

  f = AddField("Avogadro", 0, 2, "itExp, 6 significant digits");
  f->SetInputFormat(itExp);
  f->SetRangeHigh(1e30);
  f->SetLeftText("N(A)");
  f->SetRightText("1/mol");
  f->SetValue(6.02214076e23);

  f = AddField("Address", 0, 3, "itHex, frame style 5");
  f->SetInputFormat(itHex);
  f->SetRangeHigh(1e6);
  f->SetFrameStyle(5);
  f->SetLeftText("Address");
  f->SetValue(48879);

  f = AddField("Mask", 0, 4, "itDynamic: $ hex, % binary, & octal");
  f->SetInputFormat(itDynamic);
  f->SetRangeHigh(1e6);
  f->SetText("%101101");
  f->SetLeftText("Mask");

  f = AddField("Volume", 1, 0, "Up/down buttons, steps of 0.5");
  f->SetButVisible(true);
  f->SetButIncrem(0.5);
  f->SetFixPointDecPlaces(1);
  f->SetRangeHigh(10);
  f->SetLeftText("Volume");
  f->SetRightText("l");
  f->SetValue(7.5);

  f = AddField("Delay", 1, 1, "Pivots 1-2-5: buttons and gauge");
  f->SetInputFormat(itInt);
  f->SetButVisible(true);
  ShowGauge(f);
  f->SetButtonPivots({1, 2, 5, 10, 20, 50, 100, 200, 500, 1000});
  f->SetRangeLow(1);
  f->SetLeftText("Delay");
  f->SetRightText("ms");
  f->SetValue(20);

  f = AddField("Level", 1, 2, "Gauge: drag it, 0 to 1000");
  ShowGauge(f);
  f->SetFixPointDecPlaces(0);
  f->SetGaugeColor(RGB(0, 120, 60));
  f->SetLeftText("Level");
  f->SetRightText("l");
  f->SetValue(650);

  f = AddField("Speed", 1, 3, "Out of range: warning colours");
  f->SetButVisible(true);
  f->SetFixPointDecPlaces(0);
  f->SetRangeHigh(100);
  f->SetLeftText("Speed");
  f->SetRightText("km/h");
  f->SetValue(150);

  f = AddField("Gain", 1, 4, "Raised frame, own colours, no 3-D buttons");
  f->SetFrameStyle(3);
  f->SetColorBoxBG(RGB(255, 244, 232));
  f->SetColorBoxText(clNavy);
  f->SetButVisible(true);
  f->SetBut3D(false);
  f->SetButColor(RGB(240, 216, 176));
  f->SetLeftText("Gain");
  f->SetRightText("dB");
  f->SetValue(42);

  AddNote(kNotesAt, "Try it",
          {"Click a field and type: a key that would make the text invalid for the field's format is",
           "refused. The buttons step by ButIncrem, or from pivot to pivot; a button brings Speed",
           "back into its range. Drag a gauge to set its value."});
  eventNote_ = AddNote({kNotesAt.X, kNotesAt.Y + 80}, "Last event", {"(none yet)"});
}

TNumIO2* TNumericPage::AddField(const char* Name, int Column, int Row, const std::string& Caption) {
  auto* field = AddExhibit<TNumIO2>(Name, Bounds(kColumnLeft[Column], kFirstTop + Row * kRowPitch, kFieldWidth,
                                                 TNumIO2::kDefaultHeight),
                                    Caption);
  field->SetLeftSpace(kLeftSpace);
  field->SetTextBoxWidth(kTextBoxWidth);
  field->SetOnChange([this, field](TObject* Sender) {
    Report("OnChange: " + field->GetLeftText() + " = " + field->GetText());
    ExhibitChanged(Sender);
  });
  field->SetOnGaugeChange([this, field](TObject* Sender, TShiftState, double) {
    Report("OnGaugeChange: " + field->GetLeftText() + " dragged to " + field->GetText());
    ExhibitChanged(Sender);
  });
  return field;
}

TNumIO2* TNumericPage::Field(const std::string& Name) const { return dynamic_cast<TNumIO2*>(FindExhibit(Name)); }

void TNumericPage::Report(const std::string& Line) {
  lastEvent_ = Line;
  SetNoteLines(eventNote_, {Line});
}

}  // namespace gallery
