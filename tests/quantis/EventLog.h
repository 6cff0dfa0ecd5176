#pragma once
// Records every notification of a TDataTable as a line of text, in the order they arrive.

#include <string>
#include <utility>
#include <vector>

#include "gadrix/quantis/DataTable.h"

namespace gadrix::test {

struct TEventLog {
  std::vector<std::string> Lines;

  explicit TEventLog(TDataTable& Table, bool WithProgress = true) {
    Table.SetOnChange([this](TObject*) { Lines.push_back("change"); });
    Table.SetOnChangeSetup([this](TObject*) { Lines.push_back("setup"); });
    Table.SetOnDataResized([this](TObject*, int OldC, int OldR, int NewC, int NewR) {
      Lines.push_back("resized " + std::to_string(OldC) + "x" + std::to_string(OldR) + "->" +
                      std::to_string(NewC) + "x" + std::to_string(NewR));
    });
    Table.SetOnSortExchange([this](TObject*, std::uint8_t What, int A, int B, int Lo, int Hi) {
      Lines.push_back("exchange " + std::to_string(What) + " " + std::to_string(A) + " " +
                      std::to_string(B) + " " + std::to_string(Lo) + " " + std::to_string(Hi));
    });
    if (WithProgress)
      Table.SetOnPercentDone([this](TObject*, int Percent) {
        Lines.push_back("progress " + std::to_string(Percent));
      });
  }

  // The lines so far, then forgets them.
  std::vector<std::string> Take() { return std::exchange(Lines, {}); }
};

}  // namespace gadrix::test
