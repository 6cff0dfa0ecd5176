#pragma once
// TCustomEdit and TEdit: a single-line text box.
//
// Positions (SelStart, SelLength, MaxLength) count characters, never bytes; a byte sequence that is
// not well-formed UTF-8 counts as one character per maximal ill-formed run, as the text engine
// draws it (one replacement mark).
//
// The user types, deletes, selects with the mouse (press and drag, Shift-click, a double click
// selects a word) and with the keys below, and exchanges text with the clipboard:
//
//   Left, Right          one character; with Ctrl one word         } Shift extends the selection
//   Home, End            the start or the end of the text          }
//   Backspace, Delete    the character before or after the caret, or the selection
//   Ctrl+A               select all          Ctrl+Z, Alt+Backspace   undo the last change
//   Ctrl+C, Ctrl+Insert  copy                Ctrl+X, Shift+Delete    cut
//   Ctrl+V, Shift+Insert paste (up to the first line break)
//
// The clipboard shortcuts arrive as the control characters the keys type (Ctrl+C types 3), as on
// the classic desktop, so a key press handler sees and may swallow them.
//
// Every change of the text raises OnChange, whether the user or the program made it. Text set by
// the program puts the caret at the start, clears the undo step and the Modified flag; text changed
// by the user sets Modified. The caret blinks (every 500 ms) only while the control has the focus;
// when no timer can be had it stays on without blinking. A text wider than the box scrolls
// horizontally so that the caret stays in view.

#include <cstdint>
#include <string>
#include <vector>

#include "gadrix/platform/controls/NonClient.h"
#include "gadrix/platform/controls/Timers.h"
#include "gadrix/platform/controls/WinControl.h"

namespace gadrix {

class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The most characters the user may enter; 0 (default) means no limit. Negative values count as
  // 0. Text set by the program is not cut.
  int GetMaxLength() const { return maxLength_; }
  void SetMaxLength(int Value);
  // Default false: the user may select and copy but not change the text.
  bool GetReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value) { readOnly_ = Value; }
  // Default true: the whole text is selected when the control takes the focus.
  bool GetAutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool Value) { autoSelect_ = Value; }
  // Default true: the selection is shown only while the control has the focus.
  bool GetHideSelection() const { return hideSelection_; }
  void SetHideSelection(bool Value);
  // Default bsSingle: a frame around the text (sunken with Ctl3D, else a flat line).
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  // Default true: a sunken 3-D frame rather than a flat one.
  bool GetCtl3D() const { return ctl3D_; }
  void SetCtl3D(bool Value);
  // Default true: the height follows the font (text height + 8 with Ctl3D, + 6 without).
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  // Whether the user changed the text since the program last set it; writable.
  bool GetModified() const { return modified_; }
  void SetModified(bool Value) { modified_ = Value; }

  // The selection: its first character (0-based) and its length in characters. Setting SelStart
  // places the caret there and empties the selection; setting SelLength selects from SelStart,
  // leaving the caret at the end. Both clamp to the text.
  int GetSelStart() const;
  void SetSelStart(int Value);
  int GetSelLength() const;
  void SetSelLength(int Value);
  // The selected text; setting it replaces the selection as typing would (the limit and the
  // read-only state do not apply to the program).
  std::string GetSelText() const;
  void SetSelText(const std::string& Value);
  void SelectAll();
  // Deletes the selected text.
  void ClearSelection();
  void Clear() { SetText(""); }
  // The length of the text in characters.
  int GetTextLen() const { return CharCount(); }

  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  // Takes the last change back (a second Undo restores it); CanUndo tells whether there is one.
  void Undo();
  bool CanUndo() const { return undo_.Valid; }
  void ClearUndo() { undo_.Valid = false; }

  TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Value) { onChange_ = std::move(Value); }

  // The caret is drawn now (it blinks while the control has the focus).
  bool CaretShowing() const { return Focused() && caretOn_; }

  TRect GetClientBounds() const override;

protected:
  // Raises OnChange; runs after every change of the text.
  virtual void Change();
  void TextChanged() override;
  void FontChanged() override;
  void EnabledChanged() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void DoEnter() override;
  void DoExit() override;
  void Resize() override;
  void PaintWindow(TCanvas*) override {}
  void Paint() override;
  void PaintNonClient(TCanvas* Canvas) override;

  // Types one character as the user would (inserting or replacing the selection), or deletes for
  // Backspace; control characters other than Backspace are ignored.
  void TypeChar(char32_t Ch);
  // The selection without scrolling or repainting; positions are clamped.
  void SetSelection(int Anchor, int Caret);
  // Where the text starts inside the client area: the left margin and the top of the text line.
  // The defaults centre the line vertically with a margin of 1 pixel.
  virtual int TextLeft() const { return kMargin; }
  virtual int TextTop() const;
  // The height of a line of text in the control's font.
  int LineHeight() const;

private:
  static constexpr int kMargin = 1;
  static constexpr unsigned kCaretTimer = 1;
  static constexpr unsigned kBlinkTime = 500;

  struct TUndoStep {
    bool Valid = false;
    std::string Text;
    int Anchor = 0;
    int Caret = 0;
  };

  // Character positions: Bounds()[i] is the byte offset of character i; the last entry is the
  // text's size.
  const std::vector<std::size_t>& Bounds() const;
  int CharCount() const { return static_cast<int>(Bounds().size()) - 1; }
  int ClampPos(int Pos) const;
  std::string Substring(int From, int To) const;
  int TextWidthTo(int Pos) const;
  int PosAtX(int X) const;
  int ClassAt(int Pos) const;
  int WordStart(int Pos) const;
  int WordEnd(int Pos) const;
  int PreviousWord(int Pos) const;
  int NextWord(int Pos) const;

  // Replaces the selection with Text as a user edit: records the undo step, moves the caret
  // behind the insertion, sets Modified and announces the change.
  void ReplaceSelection(const std::string& Text);
  void DeleteRange(int From, int To);
  void ApplyUserText(std::string Text, int Caret);
  void MoveCaret(int Pos, bool Extend);
  void CaretMoved();
  void ScrollToCaret();
  void RestartBlink();
  void StopBlink();
  void Blink(TMessage& Message);
  void AdjustHeight();
  void HandleClipboardChar(char32_t Ch);

  int maxLength_ = 0;
  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  bool ctl3D_ = true;
  bool autoSize_ = true;
  bool modified_ = false;

  int anchor_ = 0;  // the fixed end of the selection
  int caret_ = 0;   // the moving end, where the caret is
  int scrollX_ = 0;
  bool selecting_ = false;  // the left button is down and drags a selection
  int lastPressX_ = 0;
  bool userChange_ = false;  // the next text change comes from the user
  int pendingCaret_ = 0;     // where a user change leaves the caret
  TUndoStep undo_;

  mutable std::vector<std::size_t> bounds_;
  mutable bool boundsValid_ = false;

  TTimerWindow* caretTimer_ = nullptr;
  bool caretOn_ = false;

  TNotifyEvent onChange_;
};

// The edit box as a form places it: TCustomEdit with its properties published. Default size 121 x 21.
class TEdit : public TCustomEdit {
public:
  explicit TEdit(TComponent* AOwner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace gadrix
