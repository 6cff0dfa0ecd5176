// The sort of TStringArray: sort keys, their comparison, and a merge sort over them.
//
// Each row becomes a small record that carries, for the primary and the secondary column, the
// key's class and a 64-bit "major" value in which most comparisons are decided without touching
// the texts: the order-preserving bit pattern of a number, or the first 8 bytes of a text with a
// to z folded to capitals, packed big-endian. Only texts that share those 8 bytes are compared
// further. The records are merge-sorted; a merge sort never reads outside its runs, whatever a
// comparison handler answers, and keeps rows that tie in their physical order.

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <limits>
#include <string_view>

#include "gadrix/helmar/StringArray.h"

namespace gadrix {

namespace {

// Classes of keys, in the order in which they sort.
enum TKeyClass : std::uint8_t { kcEmpty, kcNumber, kcText };

struct TCellKey {
  std::uint64_t Major = 0;
  TKeyClass Class = kcEmpty;
};

constexpr std::size_t kPrefixBytes = sizeof(std::uint64_t);

std::string_view TrimBlanks(std::string_view S) {
  const std::size_t first = S.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return S.substr(first, S.find_last_not_of(' ') - first + 1);
}

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

unsigned char Fold(char C) {
  const auto b = static_cast<unsigned char>(C);
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}

// --- numbers

// The parts of a key that reads as a number.
struct TNumberSyntax {
  bool Negative = false;
  std::string_view IntDigits;
  std::string_view FracDigits;
  long Exponent = 0;  // saturated at kExponentLimit
};

// Beyond this, an exponent changes nothing: every double is reached long before.
constexpr long kExponentLimit = 100000;

std::size_t SkipDigits(std::string_view S, std::size_t Pos) {
  while (Pos < S.size() && IsDigit(S[Pos])) ++Pos;
  return Pos;
}

// Reads "e", an optional sign and at least one digit from S at Pos; returns the position after
// them, or Pos when there is no well-formed exponent.
std::size_t ReadExponent(std::string_view S, std::size_t Pos, long& Exponent) {
  if (Pos >= S.size() || (S[Pos] != 'e' && S[Pos] != 'E')) return Pos;
  std::size_t at = Pos + 1;
  const bool negative = at < S.size() && S[at] == '-';
  if (at < S.size() && (S[at] == '+' || S[at] == '-')) ++at;
  const std::size_t end = SkipDigits(S, at);
  if (end == at) return Pos;
  long value = 0;
  for (std::size_t k = at; k < end; ++k)
    value = std::min(value * 10 + (S[k] - '0'), kExponentLimit);
  Exponent = negative ? -value : value;
  return end;
}

// Splits Key into the parts of a number: [sign] digits [("." | ",") digits] [exponent], with
// at least one mantissa digit. False when Key is anything else.
bool ParseNumberSyntax(std::string_view Key, TNumberSyntax& N) {
  std::size_t pos = 0;
  if (pos < Key.size() && (Key[pos] == '+' || Key[pos] == '-')) N.Negative = Key[pos++] == '-';
  const std::size_t intEnd = SkipDigits(Key, pos);
  N.IntDigits = Key.substr(pos, intEnd - pos);
  pos = intEnd;
  if (pos < Key.size() && (Key[pos] == '.' || Key[pos] == ',')) {
    const std::size_t fracEnd = SkipDigits(Key, pos + 1);
    N.FracDigits = Key.substr(pos + 1, fracEnd - pos - 1);
    pos = fracEnd;
  }
  if (N.IntDigits.empty() && N.FracDigits.empty()) return false;
  pos = ReadExponent(Key, pos, N.Exponent);
  return pos == Key.size();
}

// Digits a double holds exactly, and the powers of ten it holds exactly: within these, one
// multiplication or division gives the correctly rounded value.
constexpr std::size_t kExactDigits = 15;
constexpr long kExactPow10 = 22;

constexpr std::array<double, kExactPow10 + 1> kPow10{
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double Pow10(long E) { return kPow10[static_cast<std::size_t>(E)]; }

bool FastValue(const TNumberSyntax& N, double& Value) {
  if (N.IntDigits.size() + N.FracDigits.size() > kExactDigits) return false;
  const long scale = N.Exponent - static_cast<long>(N.FracDigits.size());
  if (scale < -kExactPow10 || scale > kExactPow10) return false;
  std::uint64_t mantissa = 0;
  for (const char c : N.IntDigits) mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
  for (const char c : N.FracDigits) mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
  const auto m = static_cast<double>(mantissa);
  Value = scale < 0 ? m / Pow10(-scale) : m * Pow10(scale);
  return true;
}

// Decimal order of magnitude of the number's first significant digit (1 for 1..9.99, 0 for
// 0.1..0.99); decides between infinity and zero when the value is out of a double's range.
long DecimalMagnitude(const TNumberSyntax& N) {
  const std::size_t firstInt = N.IntDigits.find_first_not_of('0');
  if (firstInt != std::string_view::npos)
    return static_cast<long>(N.IntDigits.size() - firstInt) + N.Exponent;
  const std::size_t firstFrac = N.FracDigits.find_first_not_of('0');
  return -static_cast<long>(firstFrac) + N.Exponent;
}

double SlowValue(const TNumberSyntax& N) {
  std::string text(N.IntDigits.empty() ? "0" : N.IntDigits);
  text += '.';
  text += N.FracDigits;
  text += 'e';
  text += std::to_string(N.Exponent);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range)
    value = DecimalMagnitude(N) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return value;
}

bool ReadNumber(std::string_view Key, double& Value) {
  TNumberSyntax syntax;
  if (!ParseNumberSyntax(Key, syntax)) return false;
  if (!FastValue(syntax, Value)) Value = SlowValue(syntax);
  if (syntax.Negative) Value = -Value;
  return true;
}

// Bits of X that compare as unsigned integers in the order of the values; -0 and +0 are one.
std::uint64_t OrderedBits(double X) {
  constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
  const auto bits = std::bit_cast<std::uint64_t>(X + 0.0);
  return (bits & kSign) ? ~bits : (bits | kSign);
}

// --- texts

std::uint64_t FoldedPrefix(std::string_view S) {
  std::uint64_t prefix = 0;
  for (std::size_t k = 0; k < kPrefixBytes; ++k)
    prefix = (prefix << 8) | (k < S.size() ? Fold(S[k]) : 0u);
  return prefix;
}

TCellKey MakeKey(std::string_view Trimmed) {
  if (Trimmed.empty()) return {0, kcEmpty};
  double value = 0.0;
  if (ReadNumber(Trimmed, value)) return {OrderedBits(value), kcNumber};
  return {FoldedPrefix(Trimmed), kcText};
}

// Compares two texts that agree in their folded prefix.
int CompareFoldedTails(std::string_view A, std::string_view B) {
  const std::size_t common = std::min(A.size(), B.size());
  for (std::size_t k = std::min(common, kPrefixBytes); k < common; ++k) {
    const unsigned char a = Fold(A[k]);
    const unsigned char b = Fold(B[k]);
    if (a != b) return a < b ? -1 : 1;
  }
  return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}

int CompareKeys(const TCellKey& A, std::string_view TextA, const TCellKey& B,
                std::string_view TextB) {
  if (A.Class != B.Class) return A.Class < B.Class ? -1 : 1;
  if (A.Major != B.Major) return A.Major < B.Major ? -1 : 1;
  return A.Class == kcText ? CompareFoldedTails(TextA, TextB) : 0;
}

// --- records and their order

// Both keys of a row, packed into 24 bytes.
struct TSortRecord {
  std::uint64_t PrimaryMajor = 0;
  std::uint64_t SecondaryMajor = 0;
  std::uint32_t Row = 0;  // physical index
  TKeyClass PrimaryClass = kcEmpty;
  TKeyClass SecondaryClass = kcEmpty;

  TCellKey Primary() const { return {PrimaryMajor, PrimaryClass}; }
  TCellKey Secondary() const { return {SecondaryMajor, SecondaryClass}; }
  void SetPrimary(TCellKey Key) {
    PrimaryMajor = Key.Major;
    PrimaryClass = Key.Class;
  }
  void SetSecondary(TCellKey Key) {
    SecondaryMajor = Key.Major;
    SecondaryClass = Key.Class;
  }
};

// The sort rule over records; texts are the trimmed keys by physical index.
class TRecordOrder {
public:
  TRecordOrder(const std::vector<std::string_view>& Primary,
               const std::vector<std::string_view>& Secondary, bool Ascending)
      : FPrimary(Primary), FSecondary(Secondary), FAscending(Ascending) {}

  // Negative when A belongs before B in the requested direction, 0 for a complete tie.
  int Compare(const TSortRecord& A, const TSortRecord& B) const {
    int c = CompareKeys(A.Primary(), FPrimary[A.Row], B.Primary(), FPrimary[B.Row]);
    if (c == 0 && !FSecondary.empty())
      c = CompareKeys(A.Secondary(), FSecondary[A.Row], B.Secondary(), FSecondary[B.Row]);
    return FAscending ? c : -c;
  }

private:
  const std::vector<std::string_view>& FPrimary;
  const std::vector<std::string_view>& FSecondary;
  bool FAscending;
};

// Reports whole percentages of a known amount of work, each one once.
class TProgressMeter {
public:
  TProgressMeter(const TOnPercentDoneEvent& Handler, TObject* Sender, std::uint64_t Total)
      : FHandler(Handler), FSender(Sender), FTotal(std::max<std::uint64_t>(Total, 1)) {}

  void Advance(std::uint64_t Units) {
    FDone += Units;
    if (FHandler && FDone >= FNextReport) Report();
  }
  void Start() { Advance(0); }
  void Finish() { Advance(FTotal - std::min(FDone, FTotal)); }

private:
  void Report() {
    const int percent = static_cast<int>(std::min<std::uint64_t>(FDone * 100 / FTotal, 100));
    if (percent <= FLastPercent) return;
    FLastPercent = percent;
    // The first unit of work that completes the next percentage.
    FNextReport = (static_cast<std::uint64_t>(percent + 1) * FTotal + 99) / 100;
    FHandler(FSender, percent);
  }

  const TOnPercentDoneEvent& FHandler;
  TObject* FSender;
  std::uint64_t FTotal;
  std::uint64_t FDone = 0;
  std::uint64_t FNextReport = 0;
  int FLastPercent = -1;
};

// Runs this long are sorted by insertion before merging starts.
constexpr std::size_t kInsertionRun = 24;

std::uint64_t MergePasses(std::size_t N) {
  std::uint64_t passes = 0;
  for (std::size_t width = kInsertionRun; width < N; width *= 2) ++passes;
  return passes;
}

// Less(X, Y) tells whether X belongs before Y; it is always asked about a record X that stood
// after Y in the physical order, so it decides whether the two are to be exchanged.
template <class Less>
void InsertionSortRuns(std::vector<TSortRecord>& A, Less& IsBefore) {
  for (std::size_t lo = 0; lo < A.size(); lo += kInsertionRun) {
    const std::size_t hi = std::min(lo + kInsertionRun, A.size());
    for (std::size_t i = lo + 1; i < hi; ++i) {
      const TSortRecord record = A[i];
      std::size_t j = i;
      for (; j > lo && IsBefore(record, A[j - 1]); --j) A[j] = A[j - 1];
      A[j] = record;
    }
  }
}

template <class Less>
void MergeRuns(const TSortRecord* In, TSortRecord* Out, std::size_t Lo, std::size_t Mid,
               std::size_t Hi, Less& IsBefore) {
  std::size_t i = Lo;
  std::size_t j = Mid;
  std::size_t k = Lo;
  while (i < Mid && j < Hi) Out[k++] = IsBefore(In[j], In[i]) ? In[j++] : In[i++];
  std::copy(In + i, In + Mid, Out + k);
  std::copy(In + j, In + Hi, Out + k + (Mid - i));
}

template <class Less>
void MergeSort(std::vector<TSortRecord>& A, Less IsBefore, TProgressMeter& Progress) {
  InsertionSortRuns(A, IsBefore);
  std::vector<TSortRecord> buffer(A.size());
  for (std::size_t width = kInsertionRun; width < A.size(); width *= 2) {
    for (std::size_t lo = 0; lo < A.size(); lo += 2 * width) {
      const std::size_t mid = std::min(lo + width, A.size());
      const std::size_t hi = std::min(lo + 2 * width, A.size());
      MergeRuns(A.data(), buffer.data(), lo, mid, hi, IsBefore);
      Progress.Advance(hi - lo);
    }
    A.swap(buffer);
  }
}

}  // namespace

int CompareCellTexts(const std::string& A, const std::string& B) {
  const std::string_view a = TrimBlanks(A);
  const std::string_view b = TrimBlanks(B);
  return CompareKeys(MakeKey(a), a, MakeKey(b), b);
}

std::vector<std::uint32_t> TStringArray::SortedOrder(int Col, int ColSec, bool Ascending) {
  const std::size_t rows = FRows.size();
  const bool secondary = ValidCol(ColSec) && ColSec != Col;
  // Copies, so that a handler may replace or remove itself while the sort runs.
  const TOnPercentDoneEvent onPercentDone = FOnPercentDone;
  const TBeforeSortExchgEvent onBeforeSortExchange = FOnBeforeSortExchange;
  TProgressMeter progress(onPercentDone, this, rows * (1 + MergePasses(rows)));
  progress.Start();

  std::vector<std::string_view> primaryTexts(rows);
  std::vector<std::string_view> secondaryTexts(secondary ? rows : 0);
  std::vector<TSortRecord> records(rows);
  for (std::size_t ix = 0; ix < rows; ++ix) {
    TSortRecord& record = records[ix];
    record.Row = static_cast<std::uint32_t>(ix);
    primaryTexts[ix] = TrimBlanks(CellView(Col, ix));
    record.SetPrimary(MakeKey(primaryTexts[ix]));
    if (secondary) {
      secondaryTexts[ix] = TrimBlanks(CellView(ColSec, ix));
      record.SetSecondary(MakeKey(secondaryTexts[ix]));
    }
    progress.Advance(1);
  }

  const TRecordOrder order(primaryTexts, secondaryTexts, Ascending);
  if (onBeforeSortExchange) {
    // The handler sees the stored texts of the primary column and has the last word.
    auto isBefore = [&](const TSortRecord& Later, const TSortRecord& Earlier) {
      bool exchange = order.Compare(Later, Earlier) < 0;
      onBeforeSortExchange(this, std::string(CellView(Col, Earlier.Row)),
                            std::string(CellView(Col, Later.Row)), exchange);
      return exchange;
    };
    MergeSort(records, isBefore, progress);
  } else {
    auto isBefore = [&](const TSortRecord& X, const TSortRecord& Y) {
      return order.Compare(X, Y) < 0;
    };
    MergeSort(records, isBefore, progress);
  }
  progress.Finish();

  std::vector<std::uint32_t> physical(rows);
  for (std::size_t ix = 0; ix < rows; ++ix) physical[ix] = records[ix].Row;
  return physical;
}

}  // namespace gadrix
