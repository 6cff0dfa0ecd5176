#pragma once
// A TNumIO2 on a shown form, with helpers to type, to record events and to take pictures.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gadrix/numeric/NumIO.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/graphics/Graphics.h"

namespace gadrix::testing {

// Makes every request for a timer fail while it lives.
struct NoTimers {
  NoTimers() { sim::SetTimersAvailable(false); }
  ~NoTimers() { sim::SetTimersAvailable(true); }
};

struct NumIO2Test : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TNumIO2* n = nullptr;
  std::vector<std::string> events;

  void SetUp() override {
    form->SetBounds(0, 0, 400, 200);
    n = new TNumIO2(form.get());
    n->SetName("Num");
    n->SetParent(form.get());
    n->SetOnChange([this](TObject*) { events.push_back("change " + n->GetText()); });
    n->SetOnGaugeChange(
        [this](TObject*, TShiftState, double V) { events.push_back("gauge " + std::to_string(int(V))); });
    form->Show();
  }

  // Types Text with the keys that type each character: "$", "%" and "&" with Shift held.
  void Type(const std::string& Text) {
    for (char c : Text) {
      switch (c) {
        case '.': sim::Key(n, VK_OEM_PERIOD); break;
        case ',': sim::Key(n, VK_OEM_COMMA); break;
        case '-': sim::Key(n, VK_OEM_MINUS); break;
        case '+': sim::Key(n, VK_ADD); break;
        case '$': sim::Key(n, '4', ssShift); break;
        case '%': sim::Key(n, '5', ssShift); break;
        case '&': sim::Key(n, '6', ssShift); break;
        default: sim::Key(n, static_cast<Word>(c)); break;
      }
    }
  }

  void Keys(std::initializer_list<Word> Keys) {
    for (Word k : Keys) sim::Key(n, k);
  }

  // The control painted on its own.
  std::unique_ptr<TBitmap> Picture() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(n->GetWidth(), n->GetHeight());
    n->PaintTo(bitmap->GetCanvas(), 0, 0);
    return bitmap;
  }
};

}  // namespace gadrix::testing
