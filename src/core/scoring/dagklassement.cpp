#include "core/scoring/dagklassement.h"

#include <algorithm>

#include "core/records/punten.h"
#include "core/scoring/netto.h"
#include "core/scoring/wisuitslagen.h"

namespace kzo {

namespace {

constexpr const char* kTmP = "TmP";

// The length the behaviour compares (UTF-16 code units), from UTF-8.
std::size_t Utf16Lengte(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s) {
    if ((c & 0xC0) != 0x80) ++n;  // a character starts here
    if (c >= 0xF0) ++n;           // beyond U+FFFF: a surrogate pair
  }
  return n;
}

// The result information of the series that holds grid column kolom (ReeksBegin's walk).
const TUitslagInfo* ReeksVan(const TKlasse& k, int kolom) {
  const int offset = k.UitslPos - 1;
  for (int c = 1; c < k.SG.ColCount(); ++c) {
    const TColData* cd = k.SG.Kolom(c);
    if (cd && cd->mode == VeldUitslag && cd->info && 0LL + cd->info->Uitsl[0] + offset <= kolom &&
        kolom <= 0LL + cd->info->Uitsl[1] + offset)
      return cd->info.get();
  }
  return nullptr;
}

}  // namespace

// ---- TDagBereik ----

void TDagBereik::ZetEerste(int v) {
  Eerste = std::clamp(v, 1, std::max(Max, 1));
  if (Eerste > Laatste) Laatste = Eerste;
}

void TDagBereik::ZetLaatste(int v) {
  Laatste = std::clamp(v, 1, std::max(Max, 1));
  if (Laatste < Eerste) Eerste = Laatste;
}

TDagBereik DagBereikVoorstel(const TKlasse& k) {
  const int offset = k.UitslPos - 1;
  TDagBereik b;
  b.Max = k.SG.ColCount() - offset - 1;
  b.ZetLaatste(1);
  const int huidig = k.SG.Col - offset;
  b.ZetEerste(huidig > 0 ? huidig : 1);
  if (const TUitslagInfo* info = ReeksVan(k, b.Eerste + offset)) {
    b.ZetEerste(info->Uitsl[0]);
    b.ZetLaatste(info->Uitsl[1]);
  }
  return b;
}

// ---- TDagKlassement ----

TDagKlassement::TDagKlassement(TCompetitie& comp, int u1, int u2, bool bm) : comp_(comp), bt_(bm) {
  if (u2 < u1) u1 = u2;
  uit1_ = std::clamp(u1, 1, MaxUitslagen);
  uit2_ = std::clamp(u2, uit1_, MaxUitslagen);
  klasse_ = comp.Actief();
  if (!klasse_) {
    gesloten_ = true;
    rij_.assign(1, 0);
    positie_.assign(1, "PL");
    return;
  }
  TKlasse& k = *klasse_;
  for (int r = 1; r < k.SG.RowCount(); ++r)
    if (TRijder* rd = k.Rijder(r)) DagKlassement(*rd, comp.Club, uit1_, uit2_);

  kol_.push_back({"PL", false, 0, 0});
  for (int c = 2; c <= 3; ++c) {
    const TColData* cd = c < k.SG.ColCount() ? k.SG.Kolom(c) : nullptr;
    kol_.push_back({c < k.SG.ColCount() ? k.SG.Kop(c) : std::string(), true, cd ? cd->mode : 0, 0});
  }
  for (int u = uit1_; u <= uit2_; ++u) kol_.push_back({std::to_string(u), true, VeldUitslag, u});
  kol_.push_back({"Totaa", true, VeldNetto, 0});
  kol_.push_back({"Vervang", true, VeldBruto, 0});

  rij_.resize(static_cast<std::size_t>(k.SG.RowCount()));
  positie_.resize(rij_.size());
  positie_[0] = "PL";
  for (int r = 0; r < RowCount(); ++r) rij_[static_cast<std::size_t>(r)] = r;
  Sorteer();
  Nummer();
}

TDagKlassement::~TDagKlassement() {
  try {
    Sluiten();
  } catch (...) {
    // Only memory can fail here; the window is closing either way.
  }
}

TRijder* TDagKlassement::Rijder(int r) const {
  if (!klasse_ || r < 1 || r >= RowCount()) return nullptr;
  return klasse_->Rijder(rij_[static_cast<std::size_t>(r)]);
}

std::string TDagKlassement::CelTekst(int c, int r, char decimaal) const {
  if (c < 0 || c >= ColCount() || r < 0 || r >= RowCount()) return {};
  const TDagKolom& kol = Kolom(c);
  if (r == 0) return kol.Kop;
  if (c == 0) return Positie(r);
  const TRijder* rd = Rijder(r);
  if (kol.Kop.empty() || !rd) return {};
  return rd->VeldStr(kol.mode, kol.mode == VeldUitslag ? kol.Data : 1, comp_.Club, decimaal);
}

void TDagKlassement::Sorteer() {
  static const std::string geen;
  auto key = [&](int r) -> const std::string& {
    const TRijder* rd = Rijder(r);
    return rd ? rd->SortStr : geen;
  };
  // The day grid's own Shell sort, not a library sort: the gaps start at the row count
  // (one more than the riders) and are halved, descending, equal keys never exchanged.
  // With an odd number of riders its gaps differ from the class sort's, and so does the
  // order of equal keys.
  const int rc = RowCount();
  for (int g = rc; g > 0; g /= 2)
    for (int i = g + 1; i < rc; ++i)
      for (int j = i - g; j > 0 && key(j) < key(j + g); j -= g)
        std::swap(rij_[static_cast<std::size_t>(j)], rij_[static_cast<std::size_t>(j + g)]);
}

std::string TDagKlassement::Opmerking(const TRijder& r) const {
  TMynData& md = comp_.MynData;
  const std::string key = r.Sleutel();
  std::string beste;
  std::size_t lengte = 0;
  for (int u = uit1_; u <= uit2_; ++u) {
    std::string t = md.GetData(key, u);
    const std::size_t l = Utf16Lengte(t);
    if (l > lengte) {
      lengte = l;
      beste = std::move(t);
    }
  }
  return beste;
}

void TDagKlassement::Nummer() {
  const TClubInfo& club = comp_.Club;
  const bool plaatsen = SlaatPlaatsenOp(club);
  int p = 1;
  for (int r = 1; r < RowCount(); ++r) {
    positie_[static_cast<std::size_t>(r)] = std::to_string(r);
    TRijder* rd = Rijder(r);
    if (!rd) continue;
    rd->Bruto = -1;
    const bool zonderPunten = bt_ && rd->BM();
    if (rd->Netto >= 0 && !zonderPunten) {
      rd->Bruto = PlaatsNaarPunten(club, p);
      ++p;
    } else if (rd->Netto < 0 && !zonderPunten && plaatsen) {
      bool alleSpeciaal = true;
      for (int u = uit1_; u <= uit2_; ++u) {
        const int v = rd->Uitslag(u);
        if (v > UitDns || v < UitDQ) alleSpeciaal = false;
      }
      if (alleSpeciaal) rd->Bruto = rd->Uitslag(uit1_);
      const std::string opm = Opmerking(*rd);
      if (!opm.empty()) comp_.MynData.SetData(kTmP + rd->Sleutel(), uit1_, opm);
    }
  }
}

void TDagKlassement::VerplaatsRij(int van, int naar) {
  const int laatste = RowCount() - 1;
  if (van < 1 || naar < 1 || van > laatste || naar > laatste) return;
  if (van != naar) {
    const int m = rij_[static_cast<std::size_t>(van)];
    rij_.erase(rij_.begin() + van);
    rij_.insert(rij_.begin() + naar, m);
  }
  Nummer();
}

std::string TDagKlassement::Vraag() const {
  std::string s = uit1_ == uit2_ ? "De uitslagen van kolom " + std::to_string(uit1_)
                                 : "Uitslagen van de kolommen " + std::to_string(uit1_) + " t/m " +
                                       std::to_string(uit2_);
  return s + " vervangen met Dagklassement ?";
}

void TDagKlassement::Toepassen() {
  if (!klasse_) return;
  TKlasse& k = *klasse_;
  const TClubInfo& club = comp_.Club;
  TMynData& md = comp_.MynData;
  k.VerwijderBN();
  if (uit1_ < uit2_) WisUitslagen(k, club, md, uit1_ + 1, uit2_, false, true);
  const bool plaatsen = SlaatPlaatsenOp(club);
  for (int r = 1; r < k.SG.RowCount(); ++r) {
    TRijder* rd = k.Rijder(r);
    if (!rd) continue;
    std::int16_t& u1 = rd->Uitslag(uit1_);
    u1 = UitGeen;
    if (plaatsen) {
      u1 = static_cast<std::int16_t>(std::clamp(PuntenNaarPlaats(club, rd->Bruto), -32768, 32767));
      const std::string key = rd->Sleutel();
      if (rd->Bruto < -2 && md.VindID(kTmP + key, uit1_) >= 0) {
        md.DelData(key, uit1_);
        md.Rename(kTmP + key, key, uit1_);
      }
    } else if (rd->Bruto >= 0) {
      u1 = static_cast<std::int16_t>(std::min(rd->Bruto, 32767));
    }
  }
  ReeksKleuren(k, club);
  comp_.MarkeerGewijzigd();
}

void TDagKlassement::Sluiten() {
  if (gesloten_) return;
  gesloten_ = true;
  for (int r = 1; r < RowCount(); ++r)
    if (const TRijder* rd = Rijder(r)) comp_.MynData.DelData(kTmP + rd->Sleutel(), -1);
  for (int r = 1; r < klasse_->SG.RowCount(); ++r)
    if (TRijder* rd = klasse_->Rijder(r)) rd->DelSortStr();
}

}  // namespace kzo
