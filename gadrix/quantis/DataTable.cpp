#include "gadrix/quantis/DataTable.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace gadrix {

namespace {

constexpr const char* kOwner = "TDataTable";
constexpr std::uint8_t kMarks = dcsMarkA | dcsMarkB;
constexpr std::uint8_t kNoNumber = dcsNotANumber | dcsEmpty;

// Values are compared bit for bit, so that writing NaN over NaN is no change and -0 over 0 is.
bool SameValue(double A, double B) {
  return std::bit_cast<std::uint64_t>(A) == std::bit_cast<std::uint64_t>(B);
}

bool IsContinuationByte(unsigned char Byte) { return (Byte & 0xC0) == 0x80; }

// Bytes a UTF-8 sequence starting with Lead should have. A stray continuation byte or a byte that
// cannot start a sequence counts as a character of its own.
std::size_t SequenceLength(unsigned char Lead) {
  if (Lead >= 0xC2 && Lead <= 0xDF) return 2;
  if (Lead >= 0xE0 && Lead <= 0xEF) return 3;
  if (Lead >= 0xF0 && Lead <= 0xF4) return 4;
  return 1;
}

// The first MaxDTNameLength characters of Text, never splitting a character. Invalid UTF-8 is
// kept byte for byte; a broken sequence ends where its continuation bytes end.
TDTNameStr CutName(const std::string& Text) {
  std::size_t Pos = 0;
  for (int Count = 0; Pos < Text.size() && Count < MaxDTNameLength; ++Count) {
    const std::size_t End = Pos + SequenceLength(static_cast<unsigned char>(Text[Pos]));
    ++Pos;
    while (Pos < Text.size() && Pos < End &&
           IsContinuationByte(static_cast<unsigned char>(Text[Pos])))
      ++Pos;
  }
  return Text.substr(0, Pos);
}

char UpperAZ(char Ch) { return Ch >= 'a' && Ch <= 'z' ? static_cast<char>(Ch - 'a' + 'A') : Ch; }

// Text without leading and trailing blanks and with a to z upper-cased.
std::string LooseForm(const std::string& Text) {
  const auto IsBlank = [](char Ch) { return Ch == ' ' || Ch == '\t'; };
  std::size_t First = 0, Last = Text.size();
  while (First < Last && IsBlank(Text[First])) ++First;
  while (Last > First && IsBlank(Text[Last - 1])) --Last;
  std::string Result = Text.substr(First, Last - First);
  std::transform(Result.begin(), Result.end(), Result.begin(), UpperAZ);
  return Result;
}

// Moves the headings of a reshaped table into To (reserved by the caller, so nothing allocates
// here): new index i takes old heading From(i), or a new one for 0.
template <class Head, class Map>
void MoveHeads(std::vector<Head>& Old, std::vector<Head>& To, int NewCount, Map From) {
  for (int i = 1; i <= NewCount; ++i) {
    const int Src = From(i);
    To.push_back(Src >= 1 ? std::move(Old[static_cast<std::size_t>(Src - 1)]) : Head{});
  }
}

}  // namespace

TDataTable::TDataTable(int NCols, int NRows) { Resize(NCols, NRows); }

void TDataTable::RequireShape(int NCols, int NRows) const {
  detail::RequireGridStorage(kOwner, NCols, NRows, sizeof(double) + sizeof(std::uint8_t),
                             sizeof(TColumnHead), sizeof(TRowHead));
}

template <class ColMap, class RowMap>
void TDataTable::Reshape(int NCols, int NRows, ColMap ColFrom, RowMap RowFrom,
                         bool ContentChanged) {
  RequireShape(NCols, NRows);
  detail::TCellGrid<double> Values;
  detail::TCellGrid<std::uint8_t> States;
  std::vector<TColumnHead> ColHeads;
  std::vector<TRowHead> RowHeads;
  detail::GuardAllocation(kOwner, NCols, NRows, [&] {
    Values = FValues.Remapped(NCols, NRows, ColFrom, RowFrom);
    States = FStates.Remapped(NCols, NRows, ColFrom, RowFrom);
    ColHeads.reserve(static_cast<std::size_t>(NCols));
    RowHeads.reserve(static_cast<std::size_t>(NRows));
  });
  const int OldNCols = GetNrOfColumns(), OldNRows = GetNrOfRows();
  MoveHeads(FColHeads, ColHeads, NCols, ColFrom);
  MoveHeads(FRowHeads, RowHeads, NRows, RowFrom);
  FValues = std::move(Values);
  FStates = std::move(States);
  FColHeads = std::move(ColHeads);
  FRowHeads = std::move(RowHeads);
  AnnounceShape(OldNCols, OldNRows, ContentChanged);
}

void TDataTable::AnnounceShape(int OldNCols, int OldNRows, bool ContentChanged) {
  ++FShapeStamp;
  if (OldNCols != GetNrOfColumns() || OldNRows != GetNrOfRows())
    NotifyResized(OldNCols, OldNRows);
  NotifySetup();
  if (ContentChanged) NotifyChange();
}

void TDataTable::Resize(int NCols, int NRows) {
  RequireShape(NCols, NRows);
  if (NCols == GetNrOfColumns() && NRows == GetNrOfRows()) return;
  Reshape(NCols, NRows, detail::KeepMap(GetNrOfColumns()), detail::KeepMap(GetNrOfRows()),
          false);
}

void TDataTable::Assign(const TPersistent* Source) {
  const auto* Other = dynamic_cast<const TDataTable*>(Source);
  if (Other == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (Other == this) return;
  const int NCols = Other->GetNrOfColumns(), NRows = Other->GetNrOfRows();
  detail::TCellGrid<double> Values;
  detail::TCellGrid<std::uint8_t> States;
  std::vector<TColumnHead> ColHeads;
  std::vector<TRowHead> RowHeads;
  std::string Comment;
  detail::GuardAllocation(kOwner, NCols, NRows, [&] {
    Values = Other->FValues;
    States = Other->FStates;
    ColHeads = Other->FColHeads;
    RowHeads = Other->FRowHeads;
    Comment = Other->FComment;
  });
  const int OldNCols = GetNrOfColumns(), OldNRows = GetNrOfRows();
  FValues = std::move(Values);
  FStates = std::move(States);
  FColHeads = std::move(ColHeads);
  FRowHeads = std::move(RowHeads);
  FComment = std::move(Comment);
  AnnounceShape(OldNCols, OldNRows, true);
}

bool TDataTable::HasSetup() const {
  return std::any_of(FColHeads.begin(), FColHeads.end(), [](const TColumnHead& Head) {
    return Head.ScaleType != mstUndefined || !Head.NominalIDs.empty();
  });
}

bool TDataTable::HasContent() const {
  const bool AnyValue = std::any_of(FValues.begin(), FValues.end(),
                                    [](double Value) { return !SameValue(Value, 0.0); });
  const bool AnyState =
      std::any_of(FStates.begin(), FStates.end(), [](std::uint8_t State) { return State != 0; });
  const auto Named = [](const auto& Head) { return !Head.Name.empty() || Head.Attrib != 0; };
  return AnyValue || AnyState || !FComment.empty() ||
         std::any_of(FColHeads.begin(), FColHeads.end(), Named) ||
         std::any_of(FRowHeads.begin(), FRowHeads.end(), Named);
}

void TDataTable::Clear() {
  const bool SetupWasSet = HasSetup();
  const bool ContentWasSet = HasContent();
  FValues.Fill(0.0);
  FStates.Fill(0);
  std::fill(FColHeads.begin(), FColHeads.end(), TColumnHead{});
  std::fill(FRowHeads.begin(), FRowHeads.end(), TRowHead{});
  FComment.clear();
  if (SetupWasSet) NotifySetup();
  if (ContentWasSet) NotifyChange();
}

void TDataTable::Fill(double Value) {
  bool Changed = false;
  for (double& Cell : FValues) {
    Changed = Changed || !SameValue(Cell, Value);
    Cell = Value;
  }
  if (Changed) NotifyChange();
}

// --- cells ---------------------------------------------------------------------------------

void TDataTable::SetElem(int Col, int Row, double Value) {
  if (!FValues.Contains(Col, Row) || SameValue(FValues.At(Col, Row), Value)) return;
  FValues.At(Col, Row) = Value;
  NotifyChange();
}

void TDataTable::SetCellState(int Col, int Row, std::uint8_t State) {
  if (!FStates.Contains(Col, Row) || FStates.At(Col, Row) == State) return;
  FStates.At(Col, Row) = State;
  NotifyChange();
}

bool TDataTable::GetIsNumber(int Col, int Row) const {
  return FStates.Contains(Col, Row) && (FStates.At(Col, Row) & kNoNumber) == 0;
}

// --- headings ------------------------------------------------------------------------------

TDTNameStr TDataTable::GetColName(int Col) const {
  return HasCol(Col) ? FColHeads[static_cast<std::size_t>(Col - 1)].Name : TDTNameStr();
}

void TDataTable::SetColName(int Col, const TDTNameStr& Name) {
  if (!HasCol(Col)) return;
  TDTNameStr Cut = CutName(Name);
  TDTNameStr& Stored = FColHeads[static_cast<std::size_t>(Col - 1)].Name;
  if (Stored == Cut) return;
  Stored = std::move(Cut);
  NotifyChange();
}

TDTNameStr TDataTable::GetRowName(int Row) const {
  return HasRow(Row) ? FRowHeads[static_cast<std::size_t>(Row - 1)].Name : TDTNameStr();
}

void TDataTable::SetRowName(int Row, const TDTNameStr& Name) {
  if (!HasRow(Row)) return;
  TDTNameStr Cut = CutName(Name);
  TDTNameStr& Stored = FRowHeads[static_cast<std::size_t>(Row - 1)].Name;
  if (Stored == Cut) return;
  Stored = std::move(Cut);
  NotifyChange();
}

std::uint8_t TDataTable::GetColAttrib(int Col) const {
  return HasCol(Col) ? FColHeads[static_cast<std::size_t>(Col - 1)].Attrib : 0;
}

void TDataTable::SetColAttrib(int Col, std::uint8_t Attrib) {
  if (!HasCol(Col) || FColHeads[static_cast<std::size_t>(Col - 1)].Attrib == Attrib) return;
  FColHeads[static_cast<std::size_t>(Col - 1)].Attrib = Attrib;
  NotifyChange();
}

std::uint8_t TDataTable::GetRowAttrib(int Row) const {
  return HasRow(Row) ? FRowHeads[static_cast<std::size_t>(Row - 1)].Attrib : 0;
}

void TDataTable::SetRowAttrib(int Row, std::uint8_t Attrib) {
  if (!HasRow(Row) || FRowHeads[static_cast<std::size_t>(Row - 1)].Attrib == Attrib) return;
  FRowHeads[static_cast<std::size_t>(Row - 1)].Attrib = Attrib;
  NotifyChange();
}

void TDataTable::SetComment(const std::string& Comment) {
  if (FComment == Comment) return;
  FComment = Comment;
  NotifyChange();
}

// --- scales and nominal identifiers --------------------------------------------------------

TMScaleType TDataTable::GetMScaleType(int Col) const {
  return HasCol(Col) ? FColHeads[static_cast<std::size_t>(Col - 1)].ScaleType : mstUndefined;
}

void TDataTable::SetMScaleType(int Col, TMScaleType ScaleType) {
  if (!HasCol(Col) || ScaleType > mstRatio) return;
  TMScaleType& Stored = FColHeads[static_cast<std::size_t>(Col - 1)].ScaleType;
  if (Stored == ScaleType) return;
  Stored = ScaleType;
  NotifySetup();
}

TDTNameStr TDataTable::GetNominalID(int Col, int Level) const {
  if (!HasCol(Col) || Level < 1) return {};
  const auto& IDs = FColHeads[static_cast<std::size_t>(Col - 1)].NominalIDs;
  return static_cast<std::size_t>(Level) <= IDs.size() ? IDs[static_cast<std::size_t>(Level - 1)]
                                                       : TDTNameStr();
}

void TDataTable::SetNominalID(int Col, int Level, const TDTNameStr& ID) {
  if (!HasCol(Col) || Level < 1 || Level > MaxNominalLevel) return;
  TDTNameStr Cut = CutName(ID);
  if (GetNominalID(Col, Level) == Cut) return;
  auto& IDs = FColHeads[static_cast<std::size_t>(Col - 1)].NominalIDs;
  if (IDs.size() < static_cast<std::size_t>(Level)) IDs.resize(static_cast<std::size_t>(Level));
  IDs[static_cast<std::size_t>(Level - 1)] = std::move(Cut);
  while (!IDs.empty() && IDs.back().empty()) IDs.pop_back();
  NotifySetup();
}

int TDataTable::OrdinalOfNominalID(int Col, const std::string& Text, bool Loose) const {
  if (!HasCol(Col)) return -1;
  const std::string Wanted = Loose ? LooseForm(Text) : Text;
  if (Wanted.empty()) return 0;
  const auto& IDs = FColHeads[static_cast<std::size_t>(Col - 1)].NominalIDs;
  for (std::size_t i = 0; i < IDs.size(); ++i) {
    if (!IDs[i].empty() && (Loose ? LooseForm(IDs[i]) : IDs[i]) == Wanted)
      return static_cast<int>(i) + 1;
  }
  return 0;
}

// --- rows and columns ----------------------------------------------------------------------

void TDataTable::InsertRow(int Ix) {
  const int NRows = GetNrOfRows();
  if (Ix < 1 || Ix > NRows + 1) return;
  if (NRows == std::numeric_limits<int>::max())
    throw EZorvDStructError(detail::OutOfMemoryText(kOwner, GetNrOfColumns(), NRows));
  Reshape(GetNrOfColumns(), NRows + 1, detail::IdentityMap, detail::InsertMap(Ix), true);
}

void TDataTable::InsertColumn(int Ix) {
  const int NCols = GetNrOfColumns();
  if (Ix < 1 || Ix > NCols + 1) return;
  if (NCols == std::numeric_limits<int>::max())
    throw EZorvDStructError(detail::OutOfMemoryText(kOwner, NCols, GetNrOfRows()));
  Reshape(NCols + 1, GetNrOfRows(), detail::InsertMap(Ix), detail::IdentityMap, true);
}

void TDataTable::RemoveRow(int Ix) {
  if (!HasRow(Ix)) return;
  Reshape(GetNrOfColumns(), GetNrOfRows() - 1, detail::IdentityMap, detail::RemoveMap(Ix), true);
}

void TDataTable::RemoveColumn(int Ix) {
  if (!HasCol(Ix)) return;
  Reshape(GetNrOfColumns() - 1, GetNrOfRows(), detail::RemoveMap(Ix), detail::IdentityMap, true);
}

void TDataTable::MirrorRows() {
  if (GetNrOfRows() < 2) return;
  FValues.MirrorRows();
  FStates.MirrorRows();
  std::reverse(FRowHeads.begin(), FRowHeads.end());
  NotifyChange();
}

void TDataTable::MirrorColumns() {
  if (GetNrOfColumns() < 2) return;
  FValues.MirrorColumns();
  FStates.MirrorColumns();
  std::reverse(FColHeads.begin(), FColHeads.end());
  NotifyChange();
}

// --- cell states in bulk -------------------------------------------------------------------

template <class StateOp>
bool TDataTable::ForEachState(StateOp Op) {
  bool Changed = false;
  for (std::uint8_t& State : FStates) {
    const std::uint8_t New = Op(State);
    Changed = Changed || New != State;
    State = New;
  }
  return Changed;
}

void TDataTable::UnmarkAllCells() {
  if (ForEachState([](std::uint8_t S) { return static_cast<std::uint8_t>(S & ~kMarks); }))
    NotifyChange();
}

void TDataTable::InvertCellStates(std::uint8_t Mask) {
  if (ForEachState([Mask](std::uint8_t S) { return static_cast<std::uint8_t>(S ^ Mask); }))
    NotifyChange();
}

void TDataTable::ExchangeMarkings() {
  const auto Swapped = [](std::uint8_t S) {
    const std::uint8_t A = (S & dcsMarkA) ? dcsMarkB : 0;
    const std::uint8_t B = (S & dcsMarkB) ? dcsMarkA : 0;
    return static_cast<std::uint8_t>((S & ~kMarks) | A | B);
  };
  if (ForEachState(Swapped)) NotifyChange();
}

std::int64_t TDataTable::FillMarkedCells(double Value, std::uint8_t Mask) {
  std::int64_t Count = 0;
  bool Changed = false;
  auto State = FStates.begin();
  for (double& Cell : FValues) {
    if ((*State++ & Mask) == 0) continue;
    ++Count;
    Changed = Changed || !SameValue(Cell, Value);
    Cell = Value;
  }
  if (Changed) NotifyChange();
  return Count;
}

// --- notifications -------------------------------------------------------------------------
// Each handler is copied before the call, so that a handler may replace itself safely.

void TDataTable::NotifyChange() {
  if (auto Handler = FOnChange) Handler(this);
}

void TDataTable::NotifySetup() {
  if (auto Handler = FOnChangeSetup) Handler(this);
}

void TDataTable::NotifyResized(int OldNCols, int OldNRows) {
  if (auto Handler = FOnDataResized)
    Handler(this, OldNCols, OldNRows, GetNrOfColumns(), GetNrOfRows());
}

void TDataTable::NotifyProgress(int Percent) {
  if (auto Handler = FOnPercentDone) Handler(this, Percent);
}

}  // namespace gadrix
