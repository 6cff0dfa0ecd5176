#include "gadrix/platform/stdctrls/Edit.h"

#include <algorithm>

#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/core/Properties.h"
#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/graphics/Utf8Decoder.h"

namespace gadrix {
namespace {

// The control characters the clipboard and selection shortcuts type.
constexpr char32_t kCtrlA = 1, kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kCtrlZ = 26;
constexpr char32_t kBackspace = 8, kDelete = 127;

// The extra height an auto-sized edit adds to its text line: frame and margins.
constexpr int kAutoSizeExtra3D = 8;
constexpr int kAutoSizeExtraFlat = 6;

bool IsWordChar(char32_t Ch) {
  if (Ch >= 0x80) return true;  // letters of other scripts; punctuation there is rare in a field
  return (Ch >= '0' && Ch <= '9') || (Ch >= 'a' && Ch <= 'z') || (Ch >= 'A' && Ch <= 'Z') || Ch == '_';
}

bool IsSpace(char32_t Ch) { return Ch == ' ' || Ch == '\t'; }

char32_t CharAt(const std::string& Text, std::size_t Offset) {
  std::size_t pos = Offset;
  return Offset < Text.size() ? detail::DecodeUtf8(Text, pos) : 0;
}

// Pasted text: up to the first line break, with ill-formed UTF-8 made well-formed (each ill-formed
// part becomes U+FFFD), so that the text the user builds is always valid.
std::string PastableText(const std::string& Clip) {
  std::string out;
  for (std::size_t pos = 0; pos < Clip.size();) {
    const std::size_t start = pos;
    const char32_t ch = detail::DecodeUtf8(Clip, pos);
    if (ch == '\r' || ch == '\n') break;
    if (ch == detail::kReplacementCharacter && Clip.compare(start, 3, "\xEF\xBF\xBD") != 0)
      out += "\xEF\xBF\xBD";
    else
      out.append(Clip, start, pos - start);
  }
  return out;
}

std::string EncodeChar(char32_t Ch) {
  std::string out;
  if (Ch < 0x80) {
    out += static_cast<char>(Ch);
  } else if (Ch < 0x800) {
    out += static_cast<char>(0xC0 | (Ch >> 6));
    out += static_cast<char>(0x80 | (Ch & 0x3F));
  } else if (Ch < 0x10000) {
    if (Ch >= 0xD800 && Ch <= 0xDFFF) return {};
    out += static_cast<char>(0xE0 | (Ch >> 12));
    out += static_cast<char>(0x80 | ((Ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (Ch & 0x3F));
  } else if (Ch <= 0x10FFFF) {
    out += static_cast<char>(0xF0 | (Ch >> 18));
    out += static_cast<char>(0x80 | ((Ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((Ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (Ch & 0x3F));
  }
  return out;
}

}  // namespace

const TClassInfo& TCustomEdit::StaticClassInfo() {
  static const TClassInfo info("TCustomEdit", &TWinControl::StaticClassInfo(), {});
  return info;
}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle((GetControlStyle() | csOpaque) & ~csAcceptsControls);
  SetTabStop(true);
  SetColor(clWindow);
  SetCursor(crIBeam);
  SetBounds(0, 0, 121, 21);
  caretTimer_ = AllocateHWnd([this](TMessage& Message) { Blink(Message); });
  AdjustHeight();
}

TCustomEdit::~TCustomEdit() { DeallocateHWnd(caretTimer_); }

// --- properties ------------------------------------------------------------------------------------

void TCustomEdit::SetMaxLength(int Value) { maxLength_ = std::max(Value, 0); }

void TCustomEdit::SetHideSelection(bool Value) {
  if (Value == hideSelection_) return;
  hideSelection_ = Value;
  Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone) Value = bsSingle;
  if (Value == borderStyle_) return;
  Invalidate();
  borderStyle_ = Value;
  AdjustHeight();
  ScrollToCaret();
  Invalidate();
}

void TCustomEdit::SetCtl3D(bool Value) {
  if (Value == ctl3D_) return;
  Invalidate();
  ctl3D_ = Value;
  AdjustHeight();
  ScrollToCaret();
  Invalidate();
}

void TCustomEdit::SetAutoSize(bool Value) {
  if (Value == autoSize_) return;
  autoSize_ = Value;
  AdjustHeight();
}

TRect TCustomEdit::GetClientBounds() const {
  const int b = BorderWidth(borderStyle_, ctl3D_);
  const int w = std::max(GetWidth() - 2 * b, 0), h = std::max(GetHeight() - 2 * b, 0);
  return {b, b, b + w, b + h};
}

int TCustomEdit::LineHeight() const { return TTextEngine::Instance().Metrics(GetFont()->FontSpec()).Height; }

int TCustomEdit::TextTop() const { return std::max((GetClientHeight() - LineHeight()) / 2, 0); }

void TCustomEdit::AdjustHeight() {
  if (!autoSize_) return;
  SetHeight(LineHeight() + (ctl3D_ ? kAutoSizeExtra3D : kAutoSizeExtraFlat));
}

// --- characters ------------------------------------------------------------------------------------

const std::vector<std::size_t>& TCustomEdit::Bounds() const {
  if (!boundsValid_) {
    const std::string& text = GetText();
    bounds_.clear();
    for (std::size_t pos = 0; pos < text.size();) {
      bounds_.push_back(pos);
      detail::DecodeUtf8(text, pos);
    }
    bounds_.push_back(text.size());
    boundsValid_ = true;
  }
  return bounds_;
}

int TCustomEdit::ClampPos(int Pos) const { return std::clamp(Pos, 0, CharCount()); }

std::string TCustomEdit::Substring(int From, int To) const {
  const std::vector<std::size_t>& b = Bounds();
  From = ClampPos(From);
  To = ClampPos(To);
  if (To <= From) return {};
  return GetText().substr(b[From], b[To] - b[From]);
}

int TCustomEdit::TextWidthTo(int Pos) const {
  return TTextEngine::Instance().TextWidth(GetFont()->FontSpec(), Substring(0, Pos));
}

// The character boundary nearest to X (client coordinates).
int TCustomEdit::PosAtX(int X) const {
  const int target = X - TextLeft() + scrollX_;
  int previous = 0;
  for (int pos = 1; pos <= CharCount(); ++pos) {
    const int right = TextWidthTo(pos);
    if (target < right) return target - previous < right - target ? pos - 1 : pos;
    previous = right;
  }
  return CharCount();
}

namespace {
// Words, runs of blanks and runs of punctuation are the units a double click and Ctrl+arrows see.
int CharClass(char32_t Ch) { return IsSpace(Ch) ? 0 : IsWordChar(Ch) ? 1 : 2; }
}  // namespace

int TCustomEdit::ClassAt(int Pos) const { return CharClass(CharAt(GetText(), Bounds()[Pos])); }

// The start of the run that holds the character at Pos.
int TCustomEdit::WordStart(int Pos) const {
  Pos = std::min(ClampPos(Pos), CharCount() - 1);
  if (Pos < 0) return 0;
  const int kind = ClassAt(Pos);
  while (Pos > 0 && ClassAt(Pos - 1) == kind) --Pos;
  return Pos;
}

// The end of the run that holds the character at Pos.
int TCustomEdit::WordEnd(int Pos) const {
  Pos = ClampPos(Pos);
  if (Pos >= CharCount()) return CharCount();
  const int kind = ClassAt(Pos);
  while (Pos < CharCount() && ClassAt(Pos) == kind) ++Pos;
  return Pos;
}

int TCustomEdit::NextWord(int Pos) const {
  Pos = WordEnd(Pos);
  while (Pos < CharCount() && ClassAt(Pos) == 0) ++Pos;
  return Pos;
}

int TCustomEdit::PreviousWord(int Pos) const {
  Pos = ClampPos(Pos);
  while (Pos > 0 && ClassAt(Pos - 1) == 0) --Pos;
  return Pos > 0 ? WordStart(Pos - 1) : 0;
}

// --- selection -------------------------------------------------------------------------------------

int TCustomEdit::GetSelStart() const { return std::min(anchor_, caret_); }
int TCustomEdit::GetSelLength() const { return std::abs(caret_ - anchor_); }

void TCustomEdit::SetSelection(int Anchor, int Caret) {
  anchor_ = ClampPos(Anchor);
  caret_ = ClampPos(Caret);
}

void TCustomEdit::SetSelStart(int Value) {
  SetSelection(Value, Value);
  CaretMoved();
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = GetSelStart();
  SetSelection(start, start + std::max(Value, 0));
  CaretMoved();
}

std::string TCustomEdit::GetSelText() const { return Substring(GetSelStart(), GetSelStart() + GetSelLength()); }

void TCustomEdit::SetSelText(const std::string& Value) { ReplaceSelection(Value); }

void TCustomEdit::SelectAll() {
  SetSelection(0, CharCount());
  CaretMoved();
}

void TCustomEdit::ClearSelection() {
  if (GetSelLength() > 0) ReplaceSelection("");
}

void TCustomEdit::MoveCaret(int Pos, bool Extend) {
  SetSelection(Extend ? anchor_ : Pos, Pos);
  CaretMoved();
}

void TCustomEdit::CaretMoved() {
  ScrollToCaret();
  RestartBlink();
  Invalidate();
}

void TCustomEdit::ScrollToCaret() {
  const int visible = std::max(GetClientWidth() - TextLeft() - kMargin, 1);
  const int caretX = TextWidthTo(caret_);
  const int textWidth = TextWidthTo(CharCount());
  if (caretX - scrollX_ > visible) scrollX_ = caretX - visible;
  if (caretX < scrollX_) scrollX_ = caretX;
  // Deleting at the end pulls the text back rather than leave empty room on the right.
  if (textWidth - scrollX_ < visible) scrollX_ = std::max(textWidth - visible, 0);
}

// --- changing the text -----------------------------------------------------------------------------

void TCustomEdit::ApplyUserText(std::string Text, int Caret) {
  pendingCaret_ = Caret;
  if (Text == GetText()) {
    SetSelection(Caret, Caret);
    CaretMoved();
    return;
  }
  undo_ = {true, GetText(), anchor_, caret_};
  modified_ = true;
  boundsValid_ = false;
  // The caret goes into place before the change is announced (TextChanged), so that a change
  // handler that moves it or sets the text back has the last word.
  userChange_ = true;
  TControl::SetText(Text);
}

void TCustomEdit::ReplaceSelection(const std::string& Text) {
  const std::vector<std::size_t>& b = Bounds();
  const int start = GetSelStart(), end = start + GetSelLength();
  std::string text = GetText();
  text.replace(b[start], b[end] - b[start], Text);
  int inserted = 0;
  for (std::size_t pos = 0; pos < Text.size(); ++inserted) detail::DecodeUtf8(Text, pos);
  ApplyUserText(std::move(text), start + inserted);
}

void TCustomEdit::DeleteRange(int From, int To) {
  SetSelection(From, To);
  ReplaceSelection("");
}

void TCustomEdit::TextChanged() {
  boundsValid_ = false;
  if (userChange_) {
    userChange_ = false;
    SetSelection(pendingCaret_, pendingCaret_);
  } else {
    // Text set by the program: caret at the start, nothing to undo, not modified by the user.
    SetSelection(0, 0);
    undo_.Valid = false;
    modified_ = false;
    scrollX_ = 0;
  }
  CaretMoved();
  Change();
}

void TCustomEdit::Change() {
  if (onChange_) onChange_(this);
}

void TCustomEdit::TypeChar(char32_t Ch) {
  if (readOnly_) return;
  if (Ch == kBackspace) {
    if (GetSelLength() > 0) ClearSelection();
    else if (caret_ > 0) DeleteRange(caret_ - 1, caret_);
    return;
  }
  if (Ch < ' ' || Ch == kDelete) return;
  const std::string encoded = EncodeChar(Ch);
  if (encoded.empty()) return;
  if (maxLength_ > 0 && CharCount() - GetSelLength() + 1 > maxLength_) return;
  ReplaceSelection(encoded);
}

void TCustomEdit::Undo() {
  if (!undo_.Valid || readOnly_) return;
  const TUndoStep step = undo_;
  ApplyUserText(step.Text, step.Caret);
  SetSelection(step.Anchor, step.Caret);
  CaretMoved();
}

// --- clipboard -------------------------------------------------------------------------------------

void TCustomEdit::CopyToClipboard() {
  if (GetSelLength() > 0) Clipboard()->SetAsText(GetSelText());
}

void TCustomEdit::CutToClipboard() {
  if (readOnly_ || GetSelLength() == 0) return;
  CopyToClipboard();
  ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
  if (readOnly_ || !Clipboard()->HasText()) return;
  std::string text = PastableText(Clipboard()->GetAsText());
  if (maxLength_ > 0) {
    const int room = std::max(maxLength_ - (CharCount() - GetSelLength()), 0);
    std::size_t cut = 0;
    for (int n = 0; n < room && cut < text.size(); ++n) detail::DecodeUtf8(text, cut);
    text.resize(cut);
  }
  if (text.empty() && GetSelLength() == 0) return;
  ReplaceSelection(text);
}

void TCustomEdit::HandleClipboardChar(char32_t Ch) {
  switch (Ch) {
    case kCtrlA: SelectAll(); break;
    case kCtrlC: CopyToClipboard(); break;
    case kCtrlV: PasteFromClipboard(); break;
    case kCtrlX: CutToClipboard(); break;
    case kCtrlZ: Undo(); break;
    default: break;
  }
}

// --- keys ------------------------------------------------------------------------------------------

void TCustomEdit::KeyDown(Word& Key, TShiftState Shift) {
  TWinControl::KeyDown(Key, Shift);
  const bool extend = Shift & ssShift, ctrl = Shift & ssCtrl;
  switch (Key) {
    case VK_LEFT: MoveCaret(ctrl ? PreviousWord(caret_) : (!extend && GetSelLength() > 0 ? GetSelStart() : caret_ - 1), extend); break;
    case VK_RIGHT:
      MoveCaret(ctrl ? NextWord(caret_) : (!extend && GetSelLength() > 0 ? GetSelStart() + GetSelLength() : caret_ + 1), extend);
      break;
    case VK_HOME: MoveCaret(0, extend); break;
    case VK_END: MoveCaret(CharCount(), extend); break;
    case VK_DELETE:
      if (extend) CutToClipboard();
      else if (readOnly_) break;
      else if (GetSelLength() > 0) ClearSelection();
      else if (caret_ < CharCount()) DeleteRange(caret_, caret_ + 1);
      break;
    case VK_INSERT:
      if (ctrl) CopyToClipboard();
      else if (extend) PasteFromClipboard();
      break;
    case VK_BACK:
      if (Shift & ssAlt) Undo();
      break;
    default: break;
  }
}

void TCustomEdit::KeyPress(char32_t& Key) {
  TWinControl::KeyPress(Key);
  if (Key == 0) return;
  if (Key == kCtrlA || Key == kCtrlC || Key == kCtrlV || Key == kCtrlX || Key == kCtrlZ) HandleClipboardChar(Key);
  else TypeChar(Key);
}

// --- mouse -----------------------------------------------------------------------------------------

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && !(Shift & ssDouble)) {
    lastPressX_ = X;
    selecting_ = true;
    MoveCaret(PosAtX(X), Shift & ssShift);
  }
  TWinControl::MouseDown(Button, Shift, X, Y);
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
  if (selecting_ && (Shift & ssLeft)) MoveCaret(PosAtX(X), true);
  TWinControl::MouseMove(Shift, X, Y);
}

void TCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) selecting_ = false;
  TWinControl::MouseUp(Button, Shift, X, Y);
}

void TCustomEdit::DblClick() {
  selecting_ = false;
  const int pos = PosAtX(lastPressX_);
  // The double click lands between characters: it selects the run of the character it touches.
  const int at = std::min(pos, std::max(CharCount() - 1, 0));
  const int start = WordStart(at);
  SetSelection(start, WordEnd(start));
  CaretMoved();
  TWinControl::DblClick();
}

// --- focus and the caret ---------------------------------------------------------------------------

void TCustomEdit::DoEnter() {
  if (autoSelect_) SetSelection(0, CharCount());
  CaretMoved();
  TWinControl::DoEnter();
}

void TCustomEdit::DoExit() {
  selecting_ = false;
  StopBlink();
  Invalidate();
  TWinControl::DoExit();
}

void TCustomEdit::RestartBlink() {
  if (!Focused()) return;
  caretOn_ = true;
  // Without a timer the caret simply stays on.
  caretTimer_->SetTimer(kCaretTimer, kBlinkTime);
}

void TCustomEdit::StopBlink() {
  caretOn_ = false;
  caretTimer_->KillTimer(kCaretTimer);
}

void TCustomEdit::Blink(TMessage& Message) {
  if (Message.Msg != WM_TIMER) return;
  if (!Focused()) {
    StopBlink();
    return;
  }
  caretOn_ = !caretOn_;
  const int x = TextLeft() + TextWidthTo(caret_) - scrollX_;
  InvalidateArea({x - 1, 0, x + 2, GetClientHeight()});
}

void TCustomEdit::FontChanged() {
  boundsValid_ = false;
  AdjustHeight();
  ScrollToCaret();
  TWinControl::FontChanged();
}

void TCustomEdit::EnabledChanged() {
  if (!GetEnabled()) selecting_ = false;
  TWinControl::EnabledChanged();
}

void TCustomEdit::Resize() {
  ScrollToCaret();
  TWinControl::Resize();
}

// --- painting --------------------------------------------------------------------------------------

void TCustomEdit::PaintNonClient(TCanvas* Canvas) {
  DrawBorder(Canvas, {0, 0, GetWidth(), GetHeight()}, borderStyle_, ctl3D_);
}

void TCustomEdit::Paint() {
  TCanvas* canvas = ControlCanvas();
  const TRect client = GetClientRect();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(client);
  const int left = TextLeft() - scrollX_, top = TextTop();
  canvas->GetFont()->Assign(GetFont());
  if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->TextOut(left, top, GetText());
  const bool showSelection = GetSelLength() > 0 && (Focused() || !hideSelection_);
  if (showSelection) {
    const int x1 = left + TextWidthTo(GetSelStart()), x2 = left + TextWidthTo(GetSelStart() + GetSelLength());
    canvas->GetBrush()->SetColor(clHighlight);
    canvas->GetFont()->SetColor(clHighlightText);
    canvas->TextRect({x1, top, x2, top + LineHeight()}, left, top, GetText());
  }
  if (CaretShowing()) {
    const int x = left + TextWidthTo(caret_);
    TPen* pen = canvas->GetPen();
    pen->SetMode(pmNot);
    canvas->MoveTo(x, top);
    canvas->LineTo(x, top + LineHeight());
    pen->SetMode(pmCopy);
  }
}

// --- TEdit -----------------------------------------------------------------------------------------

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

const TClassInfo& TEdit::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TEdit>(
      "TEdit", &TCustomEdit::StaticClassInfo(),
      {ColorProperty("Color", &TEdit::GetColor, &TEdit::SetColor, clWindow),
       IntegerProperty("Cursor", &TEdit::GetCursor, &TEdit::SetCursor, crIBeam),
       BooleanProperty("TabStop", &TEdit::GetTabStop, &TEdit::SetTabStop, true),
       BooleanProperty("AutoSelect", &TEdit::GetAutoSelect, &TEdit::SetAutoSelect, true),
       BooleanProperty("AutoSize", &TEdit::GetAutoSize, &TEdit::SetAutoSize, true),
       EnumProperty("BorderStyle", &TEdit::GetBorderStyle, &TEdit::SetBorderStyle, {"bsNone", "bsSingle"}, bsSingle),
       BooleanProperty("Ctl3D", &TEdit::GetCtl3D, &TEdit::SetCtl3D, true),
       BooleanProperty("HideSelection", &TEdit::GetHideSelection, &TEdit::SetHideSelection, true),
       IntegerProperty("MaxLength", &TEdit::GetMaxLength, &TEdit::SetMaxLength, 0),
       BooleanProperty("ReadOnly", &TEdit::GetReadOnly, &TEdit::SetReadOnly, false),
       StringProperty("Text", &TEdit::GetText, &TEdit::SetText, std::string())});
  return info;
}

}  // namespace gadrix
