// Arbitrary bytes as a form file. Reading either builds a form, which is then written back and
// read again, or raises EFormFileError; any other escape, a crash or a leak is a finding.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "gadrix/platform/controls/Controls.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string text(reinterpret_cast<const char*>(Data), Size);
  std::unique_ptr<gadrix::TComponent> form;
  try {
    form.reset(gadrix::ReadFormFromJson(text, nullptr));
  } catch (const gadrix::EFormFileError&) {
    return 0;
  }
  // What was read can be written and read again (one form at a time: a form may be large).
  const std::string written = gadrix::WriteFormToJson(form.get());
  form.reset();
  form.reset(gadrix::ReadFormFromJson(written, nullptr));
  return 0;
}
