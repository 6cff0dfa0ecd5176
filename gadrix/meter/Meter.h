#pragma once
// TMeter: an analogue panel meter. A circular scale with ticks and numeric labels, a needle that
// points at Value (and an optional second one at ValueSec), coloured bands for the low, normal and
// high ranges, two limit lamps, a bezel with an anchor for the needles, and events when the value
// lies beyond its thresholds.
//
// Range rules. Outside loading the range stays valid: setting the minimum at or above the maximum
// moves the maximum to minimum + 1, setting the maximum at or below the minimum moves the minimum to
// maximum - 1 (on a logarithmic scale to maximum / 10 when that would not be above 0), and the
// values and thresholds follow into the range. While a form file is read the range setters only
// store; Loaded then restores a valid range and clamps the values. A logarithmic scale refuses a
// minimum, maximum or threshold below 1e-100, and the flag itself stays false while the range
// reaches that low. NaN and infinities are ignored by every setter that takes a double.
//
// Value events. Every change of Value raises one event, not only a crossing: OnOverFlow at or above
// ThresholdHigh, otherwise OnNormalRange above ThresholdLow, otherwise OnUnderFlow. They come only
// while the primary needle is Visible. ValueSec raises the same events while the secondary needle is
// visible; both needles share the two limit flags that light the lamps. Moving ThresholdLow to or
// above the value raises OnUnderFlow, moving ThresholdHigh to or below it OnOverFlow.
//
// Pictures. BackGroundImg and AnchorImage name picture files (BMP, PNG, JPEG, GIF), loaded when the
// name is set and again in Loaded; a name whose file cannot be loaded is cleared.
//
// Geometry and the mapping of values to angles and pixels are in MeterGeometry.h; painting builds
// the picture on an off-screen bitmap in this order: background (picture or ColorBakG), scale bands,
// scale arc, minor and major ticks, labels, caption, primary needle, secondary needle, bezel, anchor
// and dial window, limit lamps, OnMeterRendered, outer frame; then copies it in one step. Nothing is
// drawn while the radius is 0 or less.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gadrix/helmar/Types.h"
#include "gadrix/meter/MeterGeometry.h"
#include "gadrix/meter/NeedleLayout.h"
#include "gadrix/platform/controls/WinControl.h"
#include "gadrix/platform/graphics/Bitmap.h"

namespace gadrix {

// Before each scale label: the handler may change CurrentTickLabel or empty it (no label; the tick
// stays). ChartX, ChartY is the top-left corner the label would have.
using TmtBeforeDrawScaleLabelEvent = std::function<void(TObject* Sender, TCanvas* Canvas,
                                                        std::string& CurrentTickLabel, int ChartX, int ChartY)>;
// Before the primary needle: NeedleDrawn comes in false; a handler that drew its own needle on
// Canvas sets it true and the built-in one is left out.
using TBeforeDrawNeedleEvent = std::function<void(TObject* Sender, TCanvas* Canvas, bool& NeedleDrawn)>;
// After the dial is complete, before the outer frame.
using TMeterRenderedEvent = std::function<void(TObject* Sender, TCanvas* Canvas)>;
// On every mouse move over the meter: the value under the pointer, WithinRange false (and
// MeterValue 0) when the pointer's direction lies outside the scale.
using TMouseMoveInMeterEvent =
    std::function<void(TObject* Sender, bool WithinRange, TShiftState Shift, double MeterValue)>;

class TMeter : public TGraphicControl {
public:
  // Width 297 and height 209; every property at the default documented beside it.
  explicit TMeter(TComponent* AOwner);
  ~TMeter() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Places the control, then recomputes the dial's geometry.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // After a form file is read: a valid range, the values in it, both pictures loaded again (a file
  // that fails to load clears its name), and a repaint.
  void Loaded() override;

  // --- range and values ----------------------------------------------------------------------
  // Shape of the scale. Default mlCirc90.
  TMeterLayout GetMeterLayout() const { return meterLayout_; }
  void SetMeterLayout(TMeterLayout Value);
  // Lower end of the scale. Default 0.0.
  double GetMeterMinValue() const { return minValue_; }
  void SetMeterMinValue(double Value);
  // Upper end of the scale. Default 1.0.
  double GetMeterMaxValue() const { return maxValue_; }
  void SetMeterMaxValue(double Value);
  // Where the primary needle points, clamped to the range; raises a value event. Default 0.0.
  double GetValue() const { return value_; }
  void SetValue(double Value);
  // Where the secondary needle points, clamped to the range. Default 0.0.
  double GetValueSec() const { return valueSec_; }
  void SetValueSec(double Value);
  // Start of the normal band, clamped to the range; ThresholdHigh follows if lower. Default 0.0.
  double GetThresholdLow() const { return thresholdLow_; }
  void SetThresholdLow(double Value);
  // Start of the high band, clamped to the range; ThresholdLow follows if higher. Default 1.0.
  double GetThresholdHigh() const { return thresholdHigh_; }
  void SetThresholdHigh(double Value);
  // Logarithmic scale; refused (stays false) while the minimum or maximum is at most 1e-100.
  // Default false.
  bool GetLogarithmic() const { return logarithmic_; }
  void SetLogarithmic(bool Value);

  // --- scale ---------------------------------------------------------------------------------------
  // Decimals of the scale labels, clamped to 0..4. Default 1.
  int GetMeterDecPlaces() const { return decPlaces_; }
  void SetMeterDecPlaces(int Value);
  // Wished number of scale intervals, clamped to 2..21; the step is the largest of 1, 2 or 5 times
  // a power of ten not above range / MeterNrTicks. Default 3.
  int GetMeterNrTicks() const { return nrTicks_; }
  void SetMeterNrTicks(int Value);
  // Minor ticks between the major ones. Default true.
  bool GetMeterShortTicks() const { return shortTicks_; }
  void SetMeterShortTicks(bool Value);
  // The scale arc. Default true.
  bool GetMeterScaleLine() const { return scaleLine_; }
  void SetMeterScaleLine(bool Value);
  // Scale arc, ticks and labels. Default true.
  bool GetScaleVisible() const { return scaleVisible_; }
  void SetScaleVisible(bool Value);
  // Coloured bands along the scale. Default false.
  bool GetScaleBkVisible() const { return scaleBkVisible_; }
  void SetScaleBkVisible(bool Value);
  // Width of the bands in percent of the radius, clamped to 0..100 (at 0 a band 4 pixels wide
  // outside the arc remains). Default 0.0.
  double GetScaleBkWidth() const { return scaleBkWidth_; }
  void SetScaleBkWidth(double Value);
  // Band from the minimum to ThresholdLow. Default 0x00FF00 (lime).
  TColor GetColorSclBkLow() const { return colorSclBkLow_; }
  void SetColorSclBkLow(TColor Value) { Store(colorSclBkLow_, Value); }
  // Band from ThresholdLow to ThresholdHigh. Default 0x0080FF (orange).
  TColor GetColorSclBkNorm() const { return colorSclBkNorm_; }
  void SetColorSclBkNorm(TColor Value) { Store(colorSclBkNorm_, Value); }
  // Band from ThresholdHigh to the maximum. Default 0x0000FF (red).
  TColor GetColorSclBkHigh() const { return colorSclBkHigh_; }
  void SetColorSclBkHigh(TColor Value) { Store(colorSclBkHigh_, Value); }
  // Scale arc and ticks. Default 0x800000 (navy).
  TColor GetColorScale() const { return colorScale_; }
  void SetColorScale(TColor Value) { Store(colorScale_, Value); }

  // --- dial ----------------------------------------------------------------------------------------
  // Dial background. Default 0xFFFFFF (white).
  TColor GetColorBakG() const { return colorBakG_; }
  void SetColorBakG(TColor Value) { Store(colorBakG_, Value); }
  // Bezel and anchor. Default clBtnFace.
  TColor GetColorCover() const { return colorCover_; }
  void SetColorCover(TColor Value) { Store(colorCover_, Value); }
  // Line colours of the outer frame: 0 grey 0x808080 and white; any other value the system's button
  // shadow and highlight. Default 0.
  TColorScheme GetColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme Value);
  // Outer frame: 0 none, 1 a line in ColorBakG, 2 sunken, 3 raised, 4 etched ridge, 5 etched
  // groove (values above 5 draw none). Default 3.
  TFrameStyle GetFrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle Value) { Store(frameStyle_, Value); }
  // Bezel widths in pixels; a change recomputes the dial. Defaults 8, 10, 10.
  int GetRimTop() const { return rimTop_; }
  void SetRimTop(int Value) { StoreRim(rimTop_, Value); }
  int GetRimBottom() const { return rimBottom_; }
  void SetRimBottom(int Value) { StoreRim(rimBottom_, Value); }
  int GetRimSide() const { return rimSide_; }
  void SetRimSide(int Value) { StoreRim(rimSide_, Value); }
  // Draw the anchor over the needles' centre. Default true.
  bool GetAnchorCovered() const { return anchorCovered_; }
  void SetAnchorCovered(bool Value) { Store(anchorCovered_, Value); }
  // Radius of the anchor in pixels. Default 24.
  int GetAnchorSize() const { return anchorSize_; }
  void SetAnchorSize(int Value) { Store(anchorSize_, Value); }
  // File of a picture (BMP, PNG, JPEG, GIF) drawn at its own size centred on the anchor instead of
  // the built-in anchor. Loaded at once; a name that cannot be loaded is cleared. Default empty.
  const std::string& GetAnchorImage() const { return anchorImage_; }
  void SetAnchorImage(const std::string& Value);
  // File of a dial background picture, placed as BkgndFillMode says. Loaded at once; a name that
  // cannot be loaded is cleared. Default empty.
  const std::string& GetBackGroundImg() const { return backGroundImg_; }
  void SetBackGroundImg(const std::string& Value);
  // 0 the picture at its own size at the top left (on white), 1 stretched over the control, 2 tiled
  // from the top left. Default 0.
  TBkgFill GetBkgndFillMode() const { return bkgndFillMode_; }
  void SetBkgndFillMode(TBkgFill Value) { Store(bkgndFillMode_, Value); }
  // The unit label on the dial is the control's Caption (GetCaption/SetCaption, default empty),
  // centred a third of the radius above the centre in FontCaption.
  // Font of the caption. Default: a copy of the control's Font when the meter is created.
  TFont* GetFontCaption() const { return fontCaption_.get(); }
  void SetFontCaption(const TFont* Value) { fontCaption_->Assign(Value); }

  // --- limit lamps -----------------------------------------------------------------------------
  // Show the lamp at the top right (high limit) and the top left (low limit). Defaults true, true.
  bool GetLimWatchHighOn() const { return limWatchHighOn_; }
  void SetLimWatchHighOn(bool Value) { Store(limWatchHighOn_, Value); }
  bool GetLimWatchLowOn() const { return limWatchLowOn_; }
  void SetLimWatchLowOn(bool Value) { Store(limWatchLowOn_, Value); }
  // Lamp colour while its limit is reached. Default 0x0000FF (red).
  TColor GetLimWatchActColor() const { return limWatchActColor_; }
  void SetLimWatchActColor(TColor Value) { Store(limWatchActColor_, Value); }
  // Lamp colour otherwise. Default 0x808080 (grey).
  TColor GetLimWatchPsvColor() const { return limWatchPsvColor_; }
  void SetLimWatchPsvColor(TColor Value) { Store(limWatchPsvColor_, Value); }
  // Whether the last value or threshold change found the value at or above ThresholdHigh (the high
  // lamp lights) or at or below ThresholdLow (the low lamp lights).
  bool GetHighLimitReached() const { return highReached_; }
  bool GetLowLimitReached() const { return lowReached_; }

  // --- needles -------------------------------------------------------------------------------------
  // The primary and the secondary needle; a change of any of their properties repaints. The Set
  // functions copy the given layout.
  TNeedleLayout* GetNeedleLayout() const { return needle_.get(); }
  void SetNeedleLayout(const TNeedleLayout* Value) { needle_->Assign(Value); }
  TNeedleLayout* GetNeedleLayoutSec() const { return needleSec_.get(); }
  void SetNeedleLayoutSec(const TNeedleLayout* Value) { needleSec_->Assign(Value); }

  // --- geometry --------------------------------------------------------------------------------------
  // The dial as the layout, the size and the rims place it: sweep, radius and centre.
  const TMeterGeometry& GetGeometry() const { return geometry_; }
  int GetMeterAngle() const { return geometry_.Angle; }
  double GetMeterRadius() const { return geometry_.Radius; }
  int GetMeterCenterX() const { return geometry_.CenterX; }
  int GetMeterCenterY() const { return geometry_.CenterY; }
  // The mapping of the current range and geometry.
  TMeterScale Scale() const;
  // The needle angle of Value held to the range: degrees clockwise from straight down (180 is up).
  double CalcNeedleAngle(double Value) const;
  // The pixel at PctRadius percent of the radius on the ray of Value held to the range.
  void ConvertToPixelCoords(double Value, double PctRadius, int& X, int& Y) const;
  // The value under pixel (XPos, YPos); false (and MeterValue 0) when its direction from the centre
  // lies outside the scale.
  bool ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const;

  // --- events ----------------------------------------------------------------------------------------
  TNotifyEvent GetOnOverFlow() const { return onOverFlow_; }
  void SetOnOverFlow(TNotifyEvent Value) { onOverFlow_ = std::move(Value); }
  TNotifyEvent GetOnUnderFlow() const { return onUnderFlow_; }
  void SetOnUnderFlow(TNotifyEvent Value) { onUnderFlow_ = std::move(Value); }
  TNotifyEvent GetOnNormalRange() const { return onNormalRange_; }
  void SetOnNormalRange(TNotifyEvent Value) { onNormalRange_ = std::move(Value); }
  TmtBeforeDrawScaleLabelEvent GetOnBeforeDrawScaleLabel() const { return onBeforeDrawScaleLabel_; }
  void SetOnBeforeDrawScaleLabel(TmtBeforeDrawScaleLabelEvent Value) {
    onBeforeDrawScaleLabel_ = std::move(Value);
    dialDirty_ = true;  // without a handler the dial is kept between paints, with one it is not
  }
  TBeforeDrawNeedleEvent GetOnBeforeDrawNeedle() const { return onBeforeDrawNeedle_; }
  void SetOnBeforeDrawNeedle(TBeforeDrawNeedleEvent Value) { onBeforeDrawNeedle_ = std::move(Value); }
  TMeterRenderedEvent GetOnMeterRendered() const { return onMeterRendered_; }
  void SetOnMeterRendered(TMeterRenderedEvent Value) { onMeterRendered_ = std::move(Value); }
  TMouseMoveInMeterEvent GetOnMouseMoveInMeter() const { return onMouseMoveInMeter_; }
  void SetOnMouseMoveInMeter(TMouseMoveInMeterEvent Value) { onMouseMoveInMeter_ = std::move(Value); }

protected:
  void Paint() override;
  // OnMouseMove first, then OnMouseMoveInMeter with the value under the pointer.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void TextChanged() override { DialChanged(); }
  void FontChanged() override;

private:
  // Stores a changed value and repaints.
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    DialChanged();
  }
  // Something the needles move over or under has changed: the cached layers are drawn anew.
  void DialChanged();
  void StoreRim(int& Field, int Value);
  bool Loading() const { return (GetComponentState() & csLoading) != 0; }
  // Logarithmic and below 1e-100: a value a logarithmic scale refuses.
  bool RefusedOnLogScale(double Value) const;
  void RecomputeGeometry();
  // Value held to the range.
  double InRange(double Value) const;
  // With both limit flags cleared: sets the one Value reaches, repaints, and raises the one value
  // event that applies.
  void RaiseValueEvent(double Value);
  void Raise(const TNotifyEvent& Event) {
    if (Event) Event(this);
  }
  // Loads a picture file into Picture; false (and Picture emptied) when it cannot be loaded.
  static bool LoadPicture(const std::string& FileName, std::unique_ptr<TBitmap>& Picture);
  void LoadPictures();

  // Painting, in its order (MeterPaint.cpp). The handlers of the drawing events receive the
  // off-screen canvas. What does not move with the values is kept between paints in two layers:
  // the dial under the needles (background, bands, scale, caption) and the cover over them
  // (bezel, anchor, window edge), so that a new value costs only needles, lamps and frame.
  void RenderMeter(TBitmap& Frame);
  void RebuildLayers();
  void PaintDial(TCanvas* C);
  void PaintCover(TCanvas* C) const;
  void CopyCover(TBitmap& Target) const;
  struct TSpan {
    int Y, Left, Right;  // Right exclusive
  };
  // The runs of pixels a layer drawn once on black and once on white has drawn: where both agree.
  static std::vector<TSpan> DrawnSpans(const TBitmap& OnBlack, const TBitmap& OnWhite);
  void PaintBackground(TCanvas* C) const;
  void PaintScaleBands(TCanvas* C, const TMeterScale& S) const;
  void PaintScale(TCanvas* C, const TMeterScale& S);
  void PaintCaption(TCanvas* C) const;
  void PaintNeedles(TCanvas* C, const TMeterScale& S);
  void PaintBezel(TCanvas* C) const;
  void PaintAnchor(TCanvas* C) const;
  void PaintWindowLines(TCanvas* C) const;
  void PaintLamps(TCanvas* C) const;
  void PaintFrame(TCanvas* C) const;

  TMeterLayout meterLayout_ = mlCirc90;
  double minValue_ = 0.0;
  double maxValue_ = 1.0;
  double value_ = 0.0;
  double valueSec_ = 0.0;
  double thresholdLow_ = 0.0;
  double thresholdHigh_ = 1.0;
  bool logarithmic_ = false;
  int decPlaces_ = 1;
  int nrTicks_ = 3;
  bool shortTicks_ = true;
  bool scaleLine_ = true;
  bool scaleVisible_ = true;
  bool scaleBkVisible_ = false;
  double scaleBkWidth_ = 0.0;
  TColor colorSclBkLow_ = clLime;
  TColor colorSclBkNorm_ = 0x0080FF;
  TColor colorSclBkHigh_ = clRed;
  TColor colorScale_ = clNavy;
  TColor colorBakG_ = clWhite;
  TColor colorCover_ = clBtnFace;
  TColorScheme colorScheme_ = 0;
  TFrameStyle frameStyle_ = 3;
  int rimTop_ = 8;
  int rimBottom_ = 10;
  int rimSide_ = 10;
  bool anchorCovered_ = true;
  int anchorSize_ = 24;
  std::string anchorImage_;
  std::string backGroundImg_;
  TBkgFill bkgndFillMode_ = 0;
  std::unique_ptr<TFont> fontCaption_;
  bool limWatchHighOn_ = true;
  bool limWatchLowOn_ = true;
  TColor limWatchActColor_ = clRed;
  TColor limWatchPsvColor_ = clGray;
  std::unique_ptr<TNeedleLayout> needle_;
  std::unique_ptr<TNeedleLayout> needleSec_;

  // The scheme's line colours of the outer frame.
  TColor colGrayLine_ = clGray;
  TColor colWhiteLine_ = clWhite;
  bool highReached_ = false;
  bool lowReached_ = false;
  TMeterGeometry geometry_;
  std::unique_ptr<TBitmap> background_;   // null without a background picture
  std::unique_ptr<TBitmap> anchorPicture_;  // null without an anchor picture
  TBitmap frame_;  // the off-screen picture
  TBitmap dial_;   // the layer under the needles
  TBitmap cover_;  // the layer over them
  std::vector<TSpan> coverSpans_;  // the pixels of cover_ that it draws
  bool dialDirty_ = true;

  TNotifyEvent onOverFlow_, onUnderFlow_, onNormalRange_;
  TmtBeforeDrawScaleLabelEvent onBeforeDrawScaleLabel_;
  TBeforeDrawNeedleEvent onBeforeDrawNeedle_;
  TMeterRenderedEvent onMeterRendered_;
  TMouseMoveInMeterEvent onMouseMoveInMeter_;
};

}  // namespace gadrix
