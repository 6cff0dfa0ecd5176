#pragma once
// Published property values as the inspector shows and takes them: text for the typed kinds
// (integers, floats, strings, colours), the next value for the kinds a click cycles through
// (booleans and enumerations), and the bits of a set one by one.

#include <string>

#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/core/Properties.h"

namespace gallery {

// The value as shown: "12", "0.5", "True", "clRed" or "$00336699", "wsEllipse", "[fsBold,fsItalic]",
// a component's name or "(none)", "(TFont)" for a nested object.
std::string PropertyValueText(const gadrix::TPropertyInfo& Info, const gadrix::TPersistent& Object);

// Whether a value is typed as text (integers, floats, strings, colours).
bool IsTyped(const gadrix::TPropertyInfo& Info);
// Whether a click moves the value on (booleans, enumerations).
bool IsCycled(const gadrix::TPropertyInfo& Info);

// The value a text stands for. Integers take an optional sign and decimal digits within the range
// of a 32-bit integer; floats take the C locale's form ("-1.5e3"); colours take a name or
// "$00BBGGRR". Surrounding blanks are ignored except in strings. Raises EConvertError naming the
// text when it is none of these ("'12x' is not a valid integer value").
gadrix::TPropertyValue ParsePropertyValue(const gadrix::TPropertyInfo& Info, const std::string& Text);

// Sets the property from a text (ParsePropertyValue, then the setter).
void SetPropertyText(const gadrix::TPropertyInfo& Info, gadrix::TPersistent& Object, const std::string& Text);

// Moves a boolean or enumeration on: False to True and back; an enumeration to its next value,
// after the last to the first.
void CyclePropertyValue(const gadrix::TPropertyInfo& Info, gadrix::TPersistent& Object);

// Sets: whether bit Bit is set, and turning it over.
bool SetBitOf(const gadrix::TPropertyInfo& Info, const gadrix::TPersistent& Object, int Bit);
void ToggleSetBit(const gadrix::TPropertyInfo& Info, gadrix::TPersistent& Object, int Bit);

}  // namespace gallery
