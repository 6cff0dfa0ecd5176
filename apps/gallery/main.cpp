// The gallery: renders every sheet to PNG files and writes an index page that shows them.
//
//   gallery [--snapshot DIR]     (DIR defaults to gallery-out)

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "Sheets.h"

namespace gallery {

std::vector<TSheet> AllSheets() {
  return {
      {"canvas", "Canvas", "Lines, shapes, text, copy modes and stretching of the GDI-style canvas.",
       RenderCanvasShowcase},
      {"markers", "Markers", "The 52 marker symbols, enlarged, at their real size and in selector cells.",
       RenderMarkerSheet},
      {"frames", "Frames", "Frame styles 0 to 5 with the usual five colours.", RenderFrameSheet},
      {"meter", "Meter", "TMeter in every layout, logarithmic, with bands and two needles, animated.", RenderMeterSheet},
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

}  // namespace
}  // namespace gallery

int main(int argc, char** argv) {
  std::filesystem::path dir = "gallery-out";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--snapshot" && i + 1 < argc) {
      dir = argv[++i];
    } else {
      std::fprintf(stderr, "usage: gallery [--snapshot DIR]\n");
      return 2;
    }
  }
  try {
    return gallery::WriteSnapshots(dir);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gallery: %s\n", e.what());
    return 1;
  }
}
