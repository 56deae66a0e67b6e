#pragma once

// The computation of a day classification: the day range of TDagKL1, the day
// grid of TDagKL2 as plain data (row mapping, columns, position texts) with its own
// Shell sort, numbering with replacement points, row moves, Apply and the clean-up of
// the temporary "TmP" remarks. The windows live in the UI and draw this data.

#include <string>
#include <vector>

#include "core/model/competitie.h"
#include "core/model/klasse.h"

namespace kzo {

// The two spins of TDagKL1, kept ordered as the dialog keeps them.
struct TDagBereik {
  int Eerste = 1;
  int Laatste = 1;
  int Max = 0;  // class grid column count - result offset - 1

  // Raising the first above the last raises the last; values are limited to 1..Max.
  void ZetEerste(int v);
  // Lowering the last below the first lowers the first.
  void ZetLaatste(int v);
};

// The range TDagKL1 opens with: the current column's result, or the whole result series
// that holds it.
TDagBereik DagBereikVoorstel(const TKlasse& k);

// A column of the day grid.
struct TDagKolom {
  std::string Kop;
  bool HeeftColData = false;  // column 0 ("PL") has none
  int mode = 0;
  int Data = 0;
};

class TDagKlassement {
 public:
  // OK of TDagKL1 and the opening of TDagKL2 on the active class: the range is put in
  // order (u2 < u1 makes u1 = u2) and limited to 1..99, every rider gets its day total,
  // the day grid is built with row r mapped to class row r, sorted and numbered.
  // bm: BM riders get no replacement points.
  TDagKlassement(TCompetitie& comp, int u1, int u2, bool bm);
  // Runs the clean-up when Sluiten was not called.
  ~TDagKlassement();
  TDagKlassement(const TDagKlassement&) = delete;
  TDagKlassement& operator=(const TDagKlassement&) = delete;

  bool Geldig() const { return klasse_ != nullptr; }
  int Uit1() const { return uit1_; }
  int Uit2() const { return uit2_; }
  bool bt() const { return bt_; }

  int RowCount() const { return static_cast<int>(rij_.size()); }
  int ColCount() const { return static_cast<int>(kol_.size()); }
  const TDagKolom& Kolom(int c) const { return kol_[static_cast<std::size_t>(c)]; }
  // The row mapping: class grid row of day row r (r >= 1); 0 for the header row.
  int KlasseRij(int r) const { return rij_[static_cast<std::size_t>(r)]; }
  const std::string& Positie(int r) const { return positie_[static_cast<std::size_t>(r)]; }
  // The rider shown in day row r, or none.
  TRijder* Rijder(int r) const;
  // The text of a cell as the day grid shows it (header row and column 0 included).
  std::string CelTekst(int c, int r, char decimaal) const;

  // Descending on the riders' day keys with the day grid's own Shell sort.
  void Sorteer();
  // Replacement points ("Vervang", in Bruto) and position texts, top to bottom.
  void Nummer();
  // A row dragged from van to naar (both >= 1), then numbered again.
  void VerplaatsRij(int van, int naar);

  // The confirmation question of "&Toepassen".
  std::string Vraag() const;
  // Apply after Yes: the day range becomes one result column with the replacement
  // places or points; sets the modified flag.
  void Toepassen();
  // Clean-up on every close: the "TmP" remarks of every mapped rider go, and every
  // rider's key is emptied.
  void Sluiten();

 private:
  std::string Opmerking(const TRijder& r) const;

  TCompetitie& comp_;
  TKlasse* klasse_ = nullptr;
  int uit1_ = 1, uit2_ = 1;
  bool bt_ = false;
  bool gesloten_ = false;
  std::vector<TDagKolom> kol_;
  std::vector<int> rij_;
  std::vector<std::string> positie_;
};

}  // namespace kzo
