#pragma once
// Form files: a form (or any root component) with everything it owns, as JSON.
//
// Layout (version 1). Keys are case-sensitive; property and class names are not.
//
//   {
//     "version": 1,
//     "class": "TForm",                    the root's class
//     "name": "Form1",                     the root's name ("" when it has none)
//     "properties": { "Caption": "Gauges", "Font": { "Size": 10 }, ... },
//     "components": [                      what the root owns, in its owner list's order
//       { "class": "TWinControl", "name": "Panel1", "parent": "Form1", "zorder": 0,
//         "properties": { "Color": "$00FFEEDD", "Left": 8, ... } },
//       { "class": "TTimer", "name": "Timer1", "properties": { "Interval": 250 },
//         "components": [ ... ] }          what this component owns in turn
//     ]
//   }
//
// "properties" and "components" may be left out when empty. A control's "parent" names its
// container: the root by the root's name (even an empty one), any other component by its
// non-empty name; names are unique in the whole file, ignoring case. "zorder" is the control's
// place among its parent's children (0 at the bottom); siblings are stacked by it, and in file
// order without it.
//
// Property values:
//   Integer       a JSON integer                 "Left": 8
//   Float         a JSON number, or "NaN", "Infinity", "-Infinity"
//   Boolean       true or false
//   String        a JSON string (UTF-8)
//   Color         the colour's name or "$00BBGGRR"    "Color": "clBtnFace"
//   Enumeration   the value's name              "Quality": "fqNonAntialiased"
//   Set           the names of the bits that are set  "Style": ["fsBold", "fsItalic"]
//   Object        an object of the nested object's properties   "Font": { "Size": 12 }
//   Component     the referenced component's name, or null for none
// A property is written when its value is the object's own (see TPropertyInfo::Stored) and
// differs from its default; one without a default is always written, a component reference when
// it is set. A nested object holds the properties that differ from its class's defaults, and is
// written when any does or when storing it is conditional (a control's Font with ParentFont
// off), since an empty one then still says "not the parent's". Reading a nested object first
// sets every property it leaves out back to that default.
//
// Reading, in this order:
//   1. every component is created by class name from the class registry, with its owner, in file
//      order, gets BeginLoading() and its name;
//   2. the controls are put on their parents;
//   3. the properties are assigned, each component's in file order, root first;
//   4. component references are resolved, now that every component exists;
//   5. the children of each container are stacked by "zorder";
//   6. Loaded() runs on every component, each one's owned components before it, the root last.
//
// A bad file raises one EFormFileError whose message says where: `components[3] "Meter1"
// property "Font.Size": expected an integer`, `root "Form1": unknown key "colour"`. Nothing is
// left behind: every component created so far is freed (ReadFormFromJson frees the root it made).
// ReadFormInto first builds the whole description into a fresh object of the root's class (all
// but the root's own property values, which are checked but not assigned there), and touches the
// existing root only once that has succeeded; should the root itself then refuse a value, what
// was created is freed and the root's published properties are set back to what they were.
//
// Writing raises EFormFileError as well for a form that could not be read back: a reference to a
// component outside the form or without a name, two components of the same name, a class that
// is not registered, a value that has no name (an ordinal or a set bit beyond the names), text
// that is not UTF-8.

#include <string>

#include "gadrix/platform/core/Component.h"
#include "gadrix/platform/core/Exception.h"

namespace gadrix {

// A form file that cannot be read (or a form that cannot be written); the message names the place.
class EFormFileError : public Exception {
public:
  using Exception::Exception;
};

// The form file of Root and everything it owns, as indented JSON text.
std::string WriteFormToJson(const TComponent* Root);
// Writes WriteFormToJson(Root) to a file; EFileError when the file cannot be written.
void SaveFormToFile(const TComponent* Root, const std::string& FileName);

// Creates the root of the stored class with Owner (which may be null), and everything under it.
// The caller (or Owner) deletes what is returned.
TComponent* ReadFormFromJson(const std::string& Json, TComponent* Owner);
// ReadFormFromJson on the contents of a file; EFileError when it cannot be read.
TComponent* LoadFormFromFile(const std::string& FileName, TComponent* Owner);

// Reads a description into Root, an existing object whose class is the stored one (by name,
// ignoring case), which owns no components yet and whose class can be created from an owner (for
// the rehearsal): the form that was created first and is now given its stored contents. Root gets
// the stored name and properties, and owns what is created.
void ReadFormInto(TComponent* Root, const std::string& Json);
// ReadFormInto on the contents of a file; EFileError when it cannot be read.
void LoadFormInto(TComponent* Root, const std::string& FileName);

}  // namespace gadrix
