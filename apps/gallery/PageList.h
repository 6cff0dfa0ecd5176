#pragma once
// The pages of the gallery's window, in the order of their tabs. A new page is a class derived
// from TGalleryPage in a file of its own and one entry in PageList().

#include <functional>
#include <string>
#include <vector>

#include "GalleryPage.h"

namespace gallery {

struct TPageEntry {
  std::string Name;   // the short name that picks the page on the command line
  std::string Title;  // the caption of its tab
  std::function<TGalleryPage*(gadrix::TComponent* Owner)> Create;
};

const std::vector<TPageEntry>& PageList();

// The index of the page that Name picks - its short name or its title, in any letter case - or
// -1 when none does.
int FindPage(const std::string& Name);

// The short names, separated by ", ", for messages.
std::string PageNames();

}  // namespace gallery
