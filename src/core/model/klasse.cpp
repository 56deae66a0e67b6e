#include "core/model/klasse.h"

#include <algorithm>

#include "core/records/cp1252.h"
#include "core/records/opties.h"
#include "core/records/shortstr.h"

namespace kzo {

// ---- TColData ----

void TColData::SetInfo(const TUitslagInfo& i) {
  if (!info) info = std::make_unique<TUitslagInfo>(NulRecord<TUitslagInfo>());
  *info = i;
}

void TColData::InfoAanpassen(int i) {
  if (!info || info->Uitsl[0] <= 0) return;
  long long tot = static_cast<long long>(info->Uitsl[1]) + i - info->Uitsl[0];
  info->Uitsl[0] = i;
  info->Uitsl[1] = static_cast<int>(std::max<long long>(i, std::min<long long>(tot, MaxUitslagen)));
}

// ---- TTabel ----

TTabel::TTabel() : Font(NulRecord<Tletter>()) { Font.Size = 10; }

void TTabel::SetColCount(int n) {
  if (n < 0) n = 0;
  kol_.resize(static_cast<std::size_t>(n));
  kop_.resize(static_cast<std::size_t>(n));
  ColWidths.resize(static_cast<std::size_t>(n), 64);
  if (Col >= n) Col = n > FixedCols ? FixedCols : (n > 0 ? n - 1 : 0);
}

void TTabel::SetRowCount(int n) {
  if (n < 1) n = 1;
  rij_.resize(static_cast<std::size_t>(n));
  if (Row >= n) Row = n - 1;
}

void TTabel::MoveRow(int van, int naar) {
  if (van == naar || van < 0 || naar < 0 || van >= RowCount() || naar >= RowCount()) return;
  TRij r = std::move(rij_[van]);
  rij_.erase(rij_.begin() + van);
  rij_.insert(rij_.begin() + naar, std::move(r));
}

void TTabel::InsertRow(int r) {
  r = std::clamp(r, 1, RowCount());
  rij_.insert(rij_.begin() + r, TRij{});
}

void TTabel::DeleteRow(int r) {
  if (r < 1 || r >= RowCount()) return;
  rij_.erase(rij_.begin() + r);
  if (Row >= RowCount()) Row = RowCount() - 1;
}

// ---- TKlasse ----

TKlasse::TKlasse(std::string_view naam, const TClubInfo& club)
    : InfoKlasse(NulRecord<TKlasseInfo>()) {
  SG.SetColCount(4);
  SG.SetRowCount(2);
  SG.FixedCols = 2;
  static const char* const kKop[4] = {" ", " ", "Naam", "Startnr"};
  for (int c = 0; c < 4; ++c) {
    SG.KolomPtr(c) = std::make_unique<TColData>();
    SG.Kolom(c)->mode = c - 1;
    SG.Kop(c) = kKop[c];
  }
  if (!club.Lettertype.Name.Leeg()) {
    SG.Font = club.Lettertype;
  }
  InfoKlasse.Naam.Set(naam);
}

void TKlasse::MakeColData(int col1, int col2, int m, int d) {
  for (int c = col1; c <= col2 && c < SG.ColCount(); ++c) {
    if (c < 0) continue;
    auto cd = std::make_unique<TColData>();
    cd->mode = m;
    if (m == VeldUitslag) {
      cd->Data = c - UitslPos + 1;
      SG.Kop(c) = std::to_string(cd->Data);
    } else {
      cd->Data = d;
    }
    SG.KolomPtr(c) = std::move(cd);
  }
}

namespace {

TColData& ZorgKolom(TTabel& sg, int c) {
  if (!sg.Kolom(c)) sg.KolomPtr(c) = std::make_unique<TColData>();
  return *sg.Kolom(c);
}

// Moves the information of column van to column naar, if naar is a column of the grid.
void VerplaatsInfo(TTabel& sg, int van, int naar) {
  if (naar == van || naar < 2 || naar >= sg.ColCount()) return;
  ZorgKolom(sg, naar).info = std::move(sg.Kolom(van)->info);
}

}  // namespace

void TKlasse::SetupSG(const TClubInfo& club) {
  int n = std::clamp(InfoKlasse.aantaluitslagen, 0, MaxUitslagen);
  if (SG.ColCount() < 4) SG.SetColCount(4);
  bool nrEerst = Heeft(club.DisplayInfo, NummerVoorNaam);
  SG.Kop(2) = nrEerst ? "Startnr" : "Naam";
  SG.Kop(3) = nrEerst ? "Naam" : "Startnr";
  ZorgKolom(SG, 2).mode = nrEerst ? VeldStartnr : VeldNaam;
  ZorgKolom(SG, 3).mode = nrEerst ? VeldNaam : VeldStartnr;

  UitslPos = 4;
  for (int f = 1; f <= 3; ++f) {
    if (!ToonExtraVeld(club, f)) continue;
    if (SG.ColCount() < UitslPos + 1) SG.SetColCount(UitslPos + 1);
    SG.Kop(UitslPos) = club.Veldnaam[f - 1].Get();
    ZorgKolom(SG, UitslPos).mode = 3 + f;
    ++UitslPos;
  }

  const int a = UitslPos - 1;
  if (SG.ColCount() > UitslPos + n) {
    // Extra columns went away: result information moves left with its results.
    for (int c = SG.ColCount() - n; c < SG.ColCount(); ++c) {
      TColData* cd = SG.Kolom(c);
      if (cd && cd->info && cd->info->Uitsl[0] != c - a) {
        int naar = cd->info->Uitsl[0] + a;
        if (naar >= UitslPos && naar < UitslPos + n) VerplaatsInfo(SG, c, naar);
      }
    }
    for (int c = UitslPos; c < SG.ColCount(); ++c) {
      if (c >= UitslPos + n) {
        SG.KolomPtr(c).reset();
        continue;
      }
      TColData& cd = ZorgKolom(SG, c);
      SG.Kop(c) = std::to_string(c - a);
      cd.Data = c - a;
      cd.mode = VeldUitslag;
    }
    SG.SetColCount(UitslPos + n);
  } else {
    SG.SetColCount(UitslPos + n);
    for (int c = UitslPos; c < SG.ColCount(); ++c) {
      TColData& cd = ZorgKolom(SG, c);
      SG.Kop(c) = std::to_string(c - a);
      cd.mode = VeldUitslag;
      cd.Data = c - a;
    }
    // Right to left, so a moved record never lands on one still to be moved.
    for (int c = SG.ColCount() - 1; c >= 2; --c) {
      TColData& cd = ZorgKolom(SG, c);
      if (cd.info && cd.info->Uitsl[0] + a != c) VerplaatsInfo(SG, c, cd.info->Uitsl[0] + a);
      cd.kleur = clWindow;
    }
  }
}

namespace {

struct TTelling {
  int uitslagen = 0, infos = 0, eerste = -1, tellend = 0;
};

TTelling Tel(const TTabel& sg) {
  TTelling t;
  long long nietTellend = 0;
  bool fout = false;
  for (int c = 0; c < sg.ColCount(); ++c) {
    const TColData* cd = sg.Kolom(c);
    if (!cd) {
      fout = true;
      continue;
    }
    if (cd->mode != VeldUitslag) continue;
    if (t.eerste < 0) t.eerste = c;
    ++t.uitslagen;
    if (cd->info) {
      ++t.infos;
      if (cd->info->Optie & ReeksNietTellend)
        nietTellend += 0LL + cd->info->Uitsl[1] - cd->info->Uitsl[0] + 1;
    }
  }
  // A damaged series (last before first) must not make more results count than exist.
  if (!fout)
    t.tellend = static_cast<int>(std::clamp<long long>(t.uitslagen - nietTellend, 0, t.uitslagen));
  return t;
}

}  // namespace

int TKlasse::AantalUitslagen() const { return Tel(SG).tellend; }

int TKlasse::NR_Uit() const { return Tel(SG).uitslagen; }

void TKlasse::SetAantalUitslagen() {
  const TTelling t = Tel(SG);
  InfoKlasse.aantalrijders = SG.RowCount() - 1;
  InfoKlasse.aantaluitslagen = t.uitslagen;
  InfoKlasse.aantalUitslInfo = t.infos;
  UitslPos = t.eerste >= 0 ? t.eerste : SG.ColCount();
}

int TKlasse::Selected() const {
  int n = 0;
  for (int r = 1; r <= InfoKlasse.aantalrijders && r < SG.RowCount(); ++r) {
    const TRijder* rd = SG.Rijder(r);
    if (rd && rd->Geselecteerd()) ++n;
  }
  return n;
}

void TKlasse::VerwijderBN() {
  if (BN > 0) {
    int bn = std::min<int>(BN, SG.ColCount());
    if (SG.Col >= SG.ColCount() - bn) SG.Col = SG.FixedCols;
    for (int c = SG.ColCount() - bn; c < SG.ColCount(); ++c) SG.KolomPtr(c).reset();
    SG.SetColCount(SG.ColCount() - bn);
    BN = 0;
  }
  NettoTekst.clear();
  for (int r = 1; r < SG.RowCount(); ++r) {
    if (TRijder* rd = SG.Rijder(r)) {
      rd->RestoreUitslagen();
      rd->ResetUitslagen();
    }
  }
}

void TKlasse::SaveKlasse(TByteSchrijver& s) {
  SetAantalUitslagen();
  const std::size_t begin = s.Positie();
  s.SchrijfRecord(InfoKlasse);
  int geschreven = 0;
  for (int r = 1; r <= InfoKlasse.aantalrijders; ++r) {
    if (const TRijder* rd = SG.Rijder(r)) {
      s.SchrijfRecord(rd->Rijder);
      ++geschreven;
    }
  }
  for (int c = 2; c < SG.ColCount(); ++c) {
    const TColData* cd = SG.Kolom(c);
    if (cd && cd->mode == VeldUitslag && cd->info) s.SchrijfRecord(*cd->info);
  }
  if (geschreven != InfoKlasse.aantalrijders) {
    InfoKlasse.aantalrijders = geschreven;
    const std::size_t einde = s.Positie();
    s.Zoek(begin);
    s.SchrijfRecord(InfoKlasse);
    s.Zoek(einde);
  }
}

namespace {

TRijderInfo VanOudRecord(const TRijderInfoOud& oud) {
  TRijder nieuw;  // results 51..99 stay "none"
  TRijderInfo& r = nieuw.Rijder;
  r.Naam = oud.Naam;
  r.RijNr = oud.RijNr;
  for (int i = 0; i < MaxUitslagenOud; ++i) r.uitslag[i] = oud.uitslag[i];
  for (int i = 0; i < 3; ++i) r.Extra[i] = oud.Extra[i];
  r.IDnum = oud.IDnum;
  r.Optie = oud.Optie;
  return r;
}

}  // namespace

void TKlasse::LaadKlasse(TByteLezer& s, bool all99, const TClubInfo& club) {
  InfoKlasse = s.LeesRecord<TKlasseInfo>();
  const TKlasseInfo& ki = InfoKlasse;
  const std::size_t recGrootte = all99 ? sizeof(TRijderInfo) : sizeof(TRijderInfoOud);
  if (ki.aantaluitslagen < 0 || ki.aantaluitslagen > MaxUitslagen)
    throw TLeesFout("class record: number of results out of range");
  if (ki.aantalrijders < 0 || ki.aantalUitslInfo < 0)
    throw TLeesFout("class record: negative count");
  const std::size_t nodig = static_cast<std::size_t>(ki.aantalrijders) * recGrootte +
                            static_cast<std::size_t>(ki.aantalUitslInfo) * sizeof(TUitslagInfo);
  if (nodig > s.Rest()) throw TLeesFout("class record: counts beyond the end of the data");

  SetupSG(club);
  if (ki.aantalrijders > 0) {
    SG.SetRowCount(ki.aantalrijders + 1);
    for (int k = 1; k <= ki.aantalrijders; ++k) {
      auto rd = all99 ? std::make_unique<TRijder>(s.LeesRecord<TRijderInfo>())
                      : std::make_unique<TRijder>(VanOudRecord(s.LeesRecord<TRijderInfoOud>()));
      TRij& rij = SG.Rij(k);
      rij.rijder = std::move(rd);
      rij.marker = " ";
      rij.positie = std::to_string(k);
    }
  }
  for (int i = 0; i < ki.aantalUitslInfo; ++i) {
    TUitslagInfo info = s.LeesRecord<TUitslagInfo>();
    if (info.Uitsl[0] >= 1 && info.Uitsl[0] <= ki.aantaluitslagen)
      ZorgKolom(SG, UitslKolom(info.Uitsl[0])).SetInfo(info);
  }
}

// ---- helpers ----

void VerwijderEindstand(TKlasse& k) {
  k.VerwijderBN();
  k.SetAantalUitslagen();
  for (int r = 1; r < k.SG.RowCount(); ++r) k.SG.Rij(r).positie = std::to_string(r);
  if (k.SG.ColCount() > 1) k.SG.Kop(1) = " ";
}

int ZoekDubbel(const TKlasse& k, const TClubInfo& club, std::string_view tekst, int kind,
               int skip) {
  if (tekst.empty()) return 0;
  std::string gezocht;
  if (kind == VeldStartnr) {
    ShortStr<5> v;
    v.Set(tekst);
    gezocht = v.Get();
  } else {
    ShortStr<30> v;
    v.Set(tekst);
    gezocht = v.Get();
  }
  // Names as stored: no swapping of first and last name while comparing.
  TClubInfo alsGetypt = club;
  alsGetypt.AlgOptie = AlgNaamAlsGetypt;
  const TTabel& sg = k.SG;
  for (int r = 1; r < sg.RowCount(); ++r) {
    if (r == skip) continue;
    const TRijder* rd = sg.Rijder(r);
    if (rd && VergelijkTekst(rd->VeldStr(kind, 0, alsGetypt, ','), gezocht) == 0) return r;
  }
  return 0;
}

int NieuweRijderRij(TKlasse& k, std::uint32_t& idCounter) {
  TTabel& sg = k.SG;
  auto nieuweRijder = [&](int r) {
    auto rd = std::make_unique<TRijder>();
    rd->Rijder.IDnum = idCounter++;
    sg.Rij(r).rijder = std::move(rd);
  };
  if (sg.RowCount() < 2) sg.SetRowCount(2);
  // A row without a rider (a new class) is as good as an empty one.
  if (!sg.Rijder(1)) {
    nieuweRijder(1);
    if (sg.Rij(1).positie.empty()) sg.Rij(1).positie = "1";
    return 1;
  }
  if (sg.Rijder(1)->IsLeeg()) return 1;
  int laatste = sg.RowCount() - 1;
  if (!sg.Rijder(laatste)) {
    nieuweRijder(laatste);
    return laatste;
  }
  if (sg.Rijder(laatste)->IsLeeg()) return laatste;
  if (sg.RowCount() >= MaxRijders + 1) return -1;
  sg.SetRowCount(sg.RowCount() + 1);
  int r = sg.RowCount() - 1;
  sg.Rij(r).positie = std::to_string(r);
  nieuweRijder(r);
  sg.Row = r;
  return r;
}

int ReeksBegin(const TKlasse& k, int kolom) {
  const int offset = k.UitslPos - 1;
  for (int c = 1; c < k.SG.ColCount(); ++c) {
    const TColData* cd = k.SG.Kolom(c);
    if (cd && cd->mode == VeldUitslag && cd->info) {
      const long long van = 0LL + cd->info->Uitsl[0] + offset,
                      tot = 0LL + cd->info->Uitsl[1] + offset;
      if (van <= kolom && kolom <= tot) return static_cast<int>(van);
    }
  }
  return -1;
}

void ReeksKleuren(TKlasse& k, const TClubInfo& club) {
  TTabel& sg = k.SG;
  const int offset = k.UitslPos - 1;
  for (int c = std::max(offset, 0); c < sg.ColCount(); ++c)
    if (sg.Kolom(c)) sg.Kolom(c)->kleur = clWindow;
  if (Heeft(club.DisplayInfo, GeenReeksKleuren)) return;
  bool eerste = true;
  for (int c = std::max(k.UitslPos, 0); c < sg.ColCount();) {
    const TColData* cd = sg.Kolom(c);
    if (!cd || !cd->info) {
      ++c;
      continue;
    }
    // Wide arithmetic and a forced step: a damaged series may end before it starts.
    const long long van = 0LL + cd->info->Uitsl[0] + offset,
                    tot = 0LL + cd->info->Uitsl[1] + offset;
    const TColor kleur = eerste ? club.KolKleur1 : club.KolKleur2;
    for (long long x = std::max(van, 0LL); x <= tot && x < sg.ColCount(); ++x)
      if (sg.Kolom(static_cast<int>(x))) sg.Kolom(static_cast<int>(x))->kleur = kleur;
    eerste = !eerste;
    c = static_cast<int>(std::clamp<long long>(tot + 1, c + 1, sg.ColCount()));
  }
}

}  // namespace kzo
