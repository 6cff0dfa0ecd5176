#include "gadrix/quantis/CellGrid.h"

#include <cstdint>
#include <limits>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace gadrix::detail {

namespace {

// The machine's installed memory in bytes, or 0 when the system does not tell.
double PhysicalMemoryBytes() {
#if defined(_WIN32)
  MEMORYSTATUSEX Status{};
  Status.dwLength = sizeof(Status);
  return GlobalMemoryStatusEx(&Status) ? static_cast<double>(Status.ullTotalPhys) : 0.0;
#else
  const long Pages = sysconf(_SC_PHYS_PAGES);
  const long PageSize = sysconf(_SC_PAGESIZE);
  return Pages > 0 && PageSize > 0 ? static_cast<double>(Pages) * static_cast<double>(PageSize)
                                   : 0.0;
#endif
}

// No container may be larger than the installed memory (it would only thrash or be killed) nor
// than one object may be in this address space.
double StorageLimitBytes() {
  const double AddressLimit = static_cast<double>(std::numeric_limits<std::ptrdiff_t>::max());
  const double Physical = PhysicalMemoryBytes();
  return Physical > 0.0 ? std::min(Physical, AddressLimit) : AddressLimit;
}

std::string ShapeText(int Cols, int Rows) {
  return std::to_string(Cols) + " x " + std::to_string(Rows);
}

}  // namespace

std::string OutOfMemoryText(const char* Owner, int Cols, int Rows) {
  return std::string(Owner) + ": cannot hold " + ShapeText(Cols, Rows) +
         " cells (not enough memory)";
}

void RequireGridStorage(const char* Owner, int Cols, int Rows, std::size_t CellBytes,
                        std::size_t ColBytes, std::size_t RowBytes) {
  if (Cols < 0 || Rows < 0)
    throw EZorvDStructError(std::string(Owner) + ": invalid size " + ShapeText(Cols, Rows));
  // Doubles hold every product of two ints times a small factor without overflow; the check
  // only has to be right far from the limit, where precision does not matter.
  const double Bytes = static_cast<double>(Cols) * static_cast<double>(Rows) *
                           static_cast<double>(CellBytes) +
                       static_cast<double>(Cols) * static_cast<double>(ColBytes) +
                       static_cast<double>(Rows) * static_cast<double>(RowBytes);
  if (Bytes > StorageLimitBytes()) throw EZorvDStructError(OutOfMemoryText(Owner, Cols, Rows));
}

}  // namespace gadrix::detail
