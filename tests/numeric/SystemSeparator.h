#pragma once
// Sets the system's decimal separator for one test and puts the old one back afterwards.

#include "gadrix/platform/core/FormatSettings.h"

class SystemSeparator {
 public:
  explicit SystemSeparator(char Separator) : old_(gadrix::GetDecimalSeparator()) {
    gadrix::SetDecimalSeparator(Separator);
  }
  ~SystemSeparator() { gadrix::SetDecimalSeparator(old_); }
  SystemSeparator(const SystemSeparator&) = delete;
  SystemSeparator& operator=(const SystemSeparator&) = delete;

 private:
  char old_;
};
