#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/bytestroom.h"
#include "core/model/rijder.h"
#include "core/records/instellingen.h"
#include "core/records/records.h"

namespace kzo {

// What a column shows; lives on the column's header cell.
class TColData {
 public:
  std::unique_ptr<TUitslagInfo> info;  // result information of a result column
  int mode = 0;                        // field number shown (-1 marker, 0 position)
  int Data = 0;                        // result number, or results used by a computed column
  TColor kleur = clWindow;
  std::uint8_t Sorted = 0;  // direction of the next header click

  void SetInfo(const TUitslagInfo& i);
  void DelInfo() { info.reset(); }
  void InfoAanpassen(int i);
};

// Tag of a list item (class list of the club settings, message list lines).
struct TDataRec {
  int Data = 0;
  std::uint8_t Sorted = 0;
};

// One data row of a class table.
struct TRij {
  std::unique_ptr<TRijder> rijder;  // none for a row without a rider
  std::string marker;               // column 0 text
  std::string positie;              // column 1 text
};

// The class table as plain data: row 0 is the header row, every column has a header
// text and a column object, every data row a rider (or none). The grid widget draws it.
class TTabel {
 public:
  TTabel();

  int ColCount() const { return static_cast<int>(kol_.size()); }
  int RowCount() const { return static_cast<int>(rij_.size()); }
  void SetColCount(int n);
  void SetRowCount(int n);

  TColData* Kolom(int c) { return kol_[c].get(); }
  const TColData* Kolom(int c) const { return kol_[c].get(); }
  std::unique_ptr<TColData>& KolomPtr(int c) { return kol_[c]; }
  std::string& Kop(int c) { return kop_[c]; }
  const std::string& Kop(int c) const { return kop_[c]; }
  TRij& Rij(int r) { return rij_[r]; }
  const TRij& Rij(int r) const { return rij_[r]; }
  TRijder* Rijder(int r) { return r >= 1 && r < RowCount() ? rij_[r].rijder.get() : nullptr; }
  const TRijder* Rijder(int r) const {
    return r >= 1 && r < RowCount() ? rij_[r].rijder.get() : nullptr;
  }

  void MoveRow(int van, int naar);
  void InsertRow(int r);
  void DeleteRow(int r);
  void SwapRows(int a, int b) { std::swap(rij_[a], rij_[b]); }

  int FixedCols = 2;
  int Col = 2;  // current cell
  int Row = 1;
  Tletter Font;
  std::vector<int> ColWidths;  // set by the view from text measurement

 private:
  std::vector<std::unique_ptr<TColData>> kol_;
  std::vector<std::string> kop_;
  std::vector<TRij> rij_;
};

class TKlasse {
 public:
  TKlasse(std::string_view naam, const TClubInfo& club);

  TTabel SG;
  TKlasseInfo InfoKlasse;
  int indexnr = 0;
  std::uint8_t BN = 0;
  int UitslPos = 4;
  std::string NettoTekst;

  std::string Naam() const { return InfoKlasse.Naam.Get(); }
  TRijder* Rijder(int r) { return SG.Rijder(r); }
  const TRijder* Rijder(int r) const { return SG.Rijder(r); }
  // Grid column of result r.
  int UitslKolom(int r) const { return UitslPos + r - 1; }

  void MakeColData(int col1, int col2, int m, int d);
  void SetupSG(const TClubInfo& club);
  // The counting results: result columns not covered by a series marked not counting.
  int AantalUitslagen() const;
  // The result columns.
  int NR_Uit() const;
  // The record's counts and UitslPos from the table, before they are written or used.
  void SetAantalUitslagen();
  int Selected() const;
  void VerwijderBN();
  void SaveKlasse(TByteSchrijver& s);
  // Throws TLeesFout on bytes that cannot be a class record.
  void LaadKlasse(TByteLezer& s, bool all99, const TClubInfo& club);
};

// Back to the plain class: computed columns removed, results restored, counts redone,
// column 1 numbered 1, 2, 3 ... again and a blank in its header.
void VerwijderEindstand(TKlasse& k);

// An empty rider row for the class: row 1 or the last row when they hold an empty
// rider, else a new row with a fresh identity; -1 when the class is full.
// The row other than skip whose name (VeldNaam) or start number (VeldStartnr) equals
// tekst as the record stores it, compared without regard to case as stored; 0 when none.
int ZoekDubbel(const TKlasse& k, const TClubInfo& club, std::string_view tekst, int kind, int skip);
int NieuweRijderRij(TKlasse& k, std::uint32_t& idCounter);
// First column of the result series that holds the column, or -1.
int ReeksBegin(const TKlasse& k, int kolom);
void ReeksKleuren(TKlasse& k, const TClubInfo& club);

}  // namespace kzo
