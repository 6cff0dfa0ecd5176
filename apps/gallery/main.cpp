// The gallery. In a window (SDL2), the controls live, with a property inspector; without a
// display, or when asked, every sheet rendered to PNG files with an index page that shows them.
//
//   gallery                  a window when a display is there, else the snapshots in gallery-out
//   gallery --page NAME      the window opens on that page (canvas, numeric, displays, grids, meter,
//                            calendar, replist)
//   gallery --snapshot DIR   the snapshots in DIR

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "GalleryForm.h"
#include "PageList.h"
#include "Sheets.h"

#if GALLERY_WITH_SDL2
#include "gadrix/platform/backends/sdl2/Sdl2Backend.h"
#endif

namespace gallery {

std::vector<TSheet> AllSheets() {
  return {
      {"canvas", "Canvas", "Lines, shapes, text, copy modes and stretching of the GDI-style canvas.",
       RenderCanvasShowcase},
      {"markers", "Markers", "The 52 marker symbols, enlarged, at their real size and in selector cells.",
       RenderMarkerSheet},
      {"frames", "Frames", "Frame styles 0 to 5 with the usual five colours.", RenderFrameSheet},
      {"numio2", "TNumIO2", "Numeric input: formats, buttons, gauge, warning colours, disabled.", RenderNumIO2Sheet},
      {"numlab", "Numeric label", "TNumLab in each of its fifteen formats, and its looks.", RenderNumLabSheet},
      {"grid", "Grid and edit", "Draw grids with headings, selections and a pick list; edit boxes.", RenderGridSheet},
      {"sevenseg", "Seven-segment display", "Clock, temperature, hex counters, signs, sizes, frames, a timer.", RenderSevenSegSheet},
      {"meter", "Meter", "TMeter in every layout, logarithmic, with bands and two needles, animated.", RenderMeterSheet},
      {"minical", "Month calendar", "TMiniCal in four languages, week starts, a host holiday, flat buttons.", RenderMiniCalSheet},
      {"replist", "Report list", "TReportListView: two headers, check, radio and password columns, banding, an empty list.", RenderReportListSheet},
  };
}

namespace {

std::string HtmlEscape(const std::string& Text) {
  std::string out;
  for (char c : Text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      default: out += c;
    }
  }
  return out;
}

int WriteSnapshots(const std::filesystem::path& Dir) {
  std::filesystem::create_directories(Dir);
  std::ofstream index(Dir / "index.html");
  index << "<!doctype html>\n<html><head><meta charset=\"utf-8\"><title>Gadrix gallery</title>\n"
           "<style>body{font-family:sans-serif;margin:2em;background:#f4f4f4}"
           "figure{background:#fff;padding:1em;margin:0 0 2em 0;display:inline-block}"
           "img{image-rendering:pixelated}</style></head><body>\n<h1>Gadrix gallery</h1>\n";
  for (const TSheet& sheet : AllSheets()) {
    gadrix::TBitmap bitmap;
    sheet.Render(bitmap);
    const std::string file = sheet.Name + ".png";
    bitmap.SaveToFile((Dir / file).string());
    index << "<figure><img src=\"" << file << "\" alt=\"" << HtmlEscape(sheet.Title) << "\"><figcaption><b>"
          << HtmlEscape(sheet.Title) << "</b>: " << HtmlEscape(sheet.Description) << "</figcaption></figure>\n";
    std::printf("  %s\n", (Dir / file).string().c_str());
  }
  index << "</body></html>\n";
  std::printf("Gallery written to %s\n", std::filesystem::absolute(Dir / "index.html").string().c_str());
  return 0;
}

// Opens the gallery's window on page Page and runs until it is closed; false when no window can
// be had.
bool RunWindow(int Page) {
#if GALLERY_WITH_SDL2
  if (!gadrix::sdl2::UseSdl2Backend()) {
    std::printf("No display found: writing the gallery's snapshots instead.\n");
    return false;
  }
  gadrix::Application->SetTitle("Gadrix gallery");
  TGalleryForm* form = gadrix::Application->CreateForm<TGalleryForm>();
  form->SetPageIndex(Page);
  gadrix::Application->Run();
  delete form;
  return true;
#else
  (void)Page;
  std::printf("This gallery was built without SDL2: writing its snapshots instead.\n");
  return false;
#endif
}

}  // namespace
}  // namespace gallery

int main(int argc, char** argv) {
  std::optional<std::filesystem::path> snapshotDir;
  int page = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--snapshot" && i + 1 < argc) {
      snapshotDir = argv[++i];
    } else if (arg == "--page" && i + 1 < argc) {
      page = gallery::FindPage(argv[++i]);
      if (page < 0) {
        std::fprintf(stderr, "gallery: no page \"%s\"; the pages are %s\n", argv[i], gallery::PageNames().c_str());
        return 2;
      }
    } else {
      std::fprintf(stderr, "usage: gallery [--page NAME] [--snapshot DIR]\n  the pages are %s\n",
                   gallery::PageNames().c_str());
      return 2;
    }
  }
  try {
    if (!snapshotDir && gallery::RunWindow(page)) return 0;
    return gallery::WriteSnapshots(snapshotDir.value_or("gallery-out"));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gallery: %s\n", e.what());
    return 1;
  }
}
