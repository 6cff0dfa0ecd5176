#pragma once
// TGalleryPage: one page of the gallery's window - a surface holding a few exhibits, each under a
// caption, and a few blocks of notes. A press on an exhibit selects it; the page marks the
// selected exhibit with a frame. Each page of the window derives from it, builds its exhibits in
// its constructor and reports (ExhibitChanged) when one of them changes itself, so that whoever
// shows the selected exhibit's values can read them again.

#include <string>
#include <vector>

#include "gadrix/platform/controls/Controls.h"

namespace gallery {

class TGalleryPage : public gadrix::TCustomControl {
public:
  explicit TGalleryPage(gadrix::TComponent* AOwner);
  static const gadrix::TClassInfo& StaticClassInfo();
  const gadrix::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The caption of the page's tab. Default empty.
  const std::string& GetTitle() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }

  // The exhibits, in the order they were added.
  const std::vector<gadrix::TControl*>& Exhibits() const { return exhibits_; }
  // The exhibit with this component name, null when none.
  gadrix::TControl* FindExhibit(const std::string& Name) const;
  bool HasExhibit(const gadrix::TControl* Control) const;
  // The selected exhibit: default the first one added; null selects none, and a control that
  // is no exhibit of this page is ignored.
  gadrix::TControl* GetSelected() const { return selected_; }
  void SetSelected(gadrix::TControl* Value);
  // Raised after the selection changed.
  gadrix::TNotifyEvent GetOnSelectionChange() const { return onSelectionChange_; }
  void SetOnSelectionChange(gadrix::TNotifyEvent Value) { onSelectionChange_ = std::move(Value); }
  // Raised with the exhibit as Sender when an exhibit changed itself (a tick, a key, a click).
  gadrix::TNotifyEvent GetOnExhibitChange() const { return onExhibitChange_; }
  void SetOnExhibitChange(gadrix::TNotifyEvent Value) { onExhibitChange_ = std::move(Value); }

  // The area of the selection frame around a control, in the page's coordinates.
  static gadrix::TRect FrameAround(const gadrix::TControl* Control);

  // Where the pages' contents start: the left edge and the first caption's top.
  static constexpr int Margin = 16;
  static constexpr int CaptionGap = 20;  // a caption's height above its exhibit
  static constexpr int FrameGap = 3;     // between a selected control and its frame
  static constexpr int FrameWidth = 2;

protected:
  // Creates an exhibit: named, placed, on this page, selected by a press; Caption (when not
  // empty) stands above it and follows it when it moves.
  template <class T>
  T* AddExhibit(const char* Name, const gadrix::TRect& Bounds, const std::string& Caption = {}) {
    T* control = new T(this);
    control->SetName(Name);
    control->SetBoundsRect(Bounds);
    control->SetParent(this);
    Adopt(control, Caption);
    return control;
  }
  // A block of text at a place: a bold heading (none when empty) over plain lines. Returns its
  // number for SetNoteLines.
  int AddNote(gadrix::TPoint At, const std::string& Heading, std::vector<std::string> Lines);
  // Replaces a note's lines and repaints it.
  void SetNoteLines(int Note, std::vector<std::string> Lines);
  // Derived pages call this from their exhibits' change events.
  void ExhibitChanged(gadrix::TObject* Sender);

  void Paint() override;

private:
  struct TNote {
    gadrix::TPoint At;
    std::string Heading;
    std::vector<std::string> Lines;
  };

  void Adopt(gadrix::TControl* Control, const std::string& Caption);
  int LineHeight() const;
  // The area a note takes, from its place to the page's right edge.
  gadrix::TRect NoteArea(const TNote& Note) const;
  void PaintNote(gadrix::TCanvas* C, const TNote& Note);

  std::string title_;
  std::vector<gadrix::TControl*> exhibits_;
  std::vector<std::string> captions_;  // one per exhibit
  std::vector<TNote> notes_;
  gadrix::TControl* selected_ = nullptr;
  gadrix::TNotifyEvent onSelectionChange_;
  gadrix::TNotifyEvent onExhibitChange_;
};

}  // namespace gallery
