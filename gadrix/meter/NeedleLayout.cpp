#include "gadrix/meter/NeedleLayout.h"

#include <algorithm>

#include "gadrix/platform/core/Properties.h"

namespace gadrix {

namespace {
constexpr int kMaxHeadAngle = 180;
constexpr int kMaxPercentLength = 100;
}  // namespace

const TClassInfo& TNeedleLayout::StaticClassInfo() {
  static const TClassInfo info(
      "TNeedleLayout", &TPersistent::StaticClassInfo(),
      {IntegerProperty("HeadSize", &TNeedleLayout::GetHeadSize, &TNeedleLayout::SetHeadSize, 20),
       IntegerProperty("HeadAngle", &TNeedleLayout::GetHeadAngle, &TNeedleLayout::SetHeadAngle, 30),
       IntegerProperty("HeadMidLeng", &TNeedleLayout::GetHeadMidLeng, &TNeedleLayout::SetHeadMidLeng, 20),
       IntegerProperty("Thickness", &TNeedleLayout::GetThickness, &TNeedleLayout::SetThickness, 0),
       ColorProperty("ColorBody", &TNeedleLayout::GetColorBody, &TNeedleLayout::SetColorBody, clSilver),
       ColorProperty("ColorOutline", &TNeedleLayout::GetColorOutline, &TNeedleLayout::SetColorOutline, clBlack),
       IntegerProperty("PercentNeedleLength", &TNeedleLayout::GetPercentNeedleLength,
                       &TNeedleLayout::SetPercentNeedleLength, 100),
       IntegerProperty("ShadowDx", &TNeedleLayout::GetShadowDx, &TNeedleLayout::SetShadowDx, 0),
       IntegerProperty("ShadowDy", &TNeedleLayout::GetShadowDy, &TNeedleLayout::SetShadowDy, 0),
       ColorProperty("ShadowColor", &TNeedleLayout::GetShadowColor, &TNeedleLayout::SetShadowColor, clGray),
       // Written for both needles: the secondary one's default differs.
       BooleanProperty("Visible", &TNeedleLayout::GetVisible, &TNeedleLayout::SetVisible)});
  return info;
}

TNeedleLayout::TNeedleLayout(bool Visible) : visible_(Visible) {}

void TNeedleLayout::Assign(const TPersistent* Source) {
  const auto* other = dynamic_cast<const TNeedleLayout*>(Source);
  if (other == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  headSize_ = other->headSize_;
  headAngle_ = other->headAngle_;
  headMidLeng_ = other->headMidLeng_;
  thickness_ = other->thickness_;
  colorBody_ = other->colorBody_;
  colorOutline_ = other->colorOutline_;
  percentNeedleLength_ = other->percentNeedleLength_;
  shadowDx_ = other->shadowDx_;
  shadowDy_ = other->shadowDy_;
  shadowColor_ = other->shadowColor_;
  visible_ = other->visible_;
  Changed();
}

void TNeedleLayout::SetHeadAngle(int Value) { Update(headAngle_, std::clamp(Value, 0, kMaxHeadAngle)); }

void TNeedleLayout::SetPercentNeedleLength(int Value) {
  Update(percentNeedleLength_, std::clamp(Value, 0, kMaxPercentLength));
}

}  // namespace gadrix
