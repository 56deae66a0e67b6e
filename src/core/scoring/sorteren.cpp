#include "core/scoring/sorteren.h"

#include <algorithm>
#include <optional>

#include "core/records/cp1252.h"
#include "core/records/getal.h"
#include "core/scoring/getaltekst.h"
#include "core/scoring/meldlijst.h"
#include "core/scoring/netto.h"

namespace kzo {

namespace {

// Copy(s, 1, n) of the behaviour: empty for n <= 0, the whole text for n beyond it.
std::string_view Kop(std::string_view s, long long n) {
  if (n <= 0) return {};
  return s.substr(0, static_cast<std::size_t>(std::min<long long>(n, s.size())));
}

// StrToIntDef(s, -1).
int AlsGetal(std::string_view s) {
  TLeesGetal g = LeesGeheelGetal(s);
  return g.ok ? g.waarde : -1;
}

// Sorteren step 3: Un limited, Tellend filled, the BM treatment that changes results.
void BereidBerekeningVoor(TKlasse& k, const TRekenContext& ctx) {
  TTabel& sg = k.SG;
  ctx.Tellend.fill(1);
  ctx.Tellend[0] = 0;
  if (BMKeuze(ctx.EindOptie) == BMMetAangepastePlaatsen) {
    for (int r = 1; r < sg.RowCount(); ++r)
      if (TRijder* rd = sg.Rijder(r)) rd->SaveUitslagen();
    for (int r = 1; r < sg.RowCount(); ++r)
      if (TRijder* rd = sg.Rijder(r); rd && rd->BM())
        BMPlaatsenAanpassen(sg, r, ctx.club, ctx.EindOptie);
  }
  for (int c = 0; c < sg.ColCount(); ++c) {
    const TColData* cd = sg.Kolom(c);
    if (!cd || cd->mode != VeldUitslag || !cd->info || !(cd->info->Optie & ReeksNietTellend))
      continue;
    // A damaged series may run backwards or beyond 99: only 1..99 is touched.
    const long long van = std::max<long long>(cd->info->Uitsl[0], 1);
    const long long tot = std::min<long long>(cd->info->Uitsl[1], MaxUitslagen);
    for (long long u = van; u <= tot; ++u) ctx.Tellend[static_cast<std::size_t>(u)] = 0;
  }
}

// Sorteren step 5, the finishing-place sort of the quick entry: the stored place of
// the keyed text store, twice, or the normal key marked with "???".
void PlaatsSleutel(TRijder& r, const TRekenContext& ctx, int un, bool oplopend) {
  int p = -1;
  if (ctx.MynData) p = AlsGetal(DeelTekst(ctx.MynData->GetData(r.Sleutel(), un), 1));
  if (p >= 0) {
    r.SortStr = VulNullenGetal(p, 3);
    r.SortStr += r.SortStr;
  } else {
    SetSortString(r, ctx, VeldUitslag, un, 999, oplopend);
    r.SortStr += "???";
  }
}

}  // namespace

std::string UitslagSleutel(const TRijder& r, const TClubInfo& club, int un, int max) {
  std::string key = VulNullen(r.VeldStr(VeldUitslag, un, club, '.'), 3);
  if (key.empty()) return key;
  const bool alsPunten = ToontPunten(club);
  if (key == "000" && !(alsPunten && max != 999)) return "501";
  const int s = StrNaarUitslag(key);
  if (s >= 0 || s < -5) return key;
  return alsPunten ? std::to_string(-9 - s) : std::to_string(900 - s);
}

void SetSortString(TRijder& r, const TRekenContext& ctx, int nr, int un, int max, bool oplopend) {
  const TClubInfo& club = ctx.club;
  if (nr > 6) r.ResetUitslagen();
  std::string& s = r.SortStr;
  switch (nr) {
    case 0:
      s = VulNullen(std::to_string(r.Rijder.IDnum), 10);
      break;
    case VeldNaam:
    case VeldExtra1:
    case VeldExtra2:
    case VeldExtra3:
      s = HoofdLetters(r.VeldStr(nr, 0, club, ctx.decimaal));
      break;
    case VeldStartnr:
      s = VulNullen(r.VeldStr(VeldStartnr, 0, club, ctx.decimaal), 5);
      break;
    case VeldUitslag:
      s = UitslagSleutel(r, club, un, max);
      break;
    case VeldNetto:
      NettoPunten(r, ctx, un, max, NetNetto);
      break;
    case VeldBruto:
      NettoPunten(r, ctx, un, max, NetBruto);
      break;
    case VeldGemiddelde:
      Gemiddelde(r, ctx, un, max);
      break;
    case VeldDag:
      NettoPunten(r, ctx, un, max, NetDag);
      break;
    case SortNettoGemiddelde:
      s = VulNullen(r.VeldStr(VeldNetto, 0, club, ctx.decimaal), 5) +
          VulNullen(r.VeldStr(VeldGemiddelde, 0, club, ctx.decimaal), 5);
      break;
    case SortBrutoWaarde:
      s = VulNullen(r.VeldStr(VeldBruto, 0, club, ctx.decimaal), 5);
      break;
    case SortGemiddeldeWaarde:
      s = VulNullen(r.VeldStr(VeldGemiddelde, 0, club, ctx.decimaal), 5);
      break;
    default:
      s.clear();
      break;
  }
  if (s.empty()) s = oplopend ? LeegOplopend : LeegAflopend;
}

int SortWarning(const TClubInfo& club, int mode, int un, int max) {
  if (mode == VeldDag) return 2;
  if (club.RekWarn == 0) return 0;
  long long w = 0;
  for (int i = club.RekWarn; i <= 5; ++i) {
    const int kind = club.MethRek[i - 1][0];
    if (kind == 0) break;
    switch (kind) {
      case 1:
      case 2:
        w += 2LL * max;
        break;
      case 3:
        if (mode == VeldNetto) w += 2LL * (max - un - 1);
        break;
      case 4:
      case 8:
      case 9:
        w += 2;
        break;
      case 5:
        w += 3;
        break;
      case 6:
        if (mode == VeldNetto) w += 5;
        break;
      case 7:
        w += 6;
        break;
      default:
        break;
    }
  }
  return static_cast<int>(std::clamp<long long>(w, -1000000, 1000000));
}

std::string NettoTekstVoor(const TClubInfo& club, int mode, int un, int max) {
  if (mode == VeldDag) return "Berekend als dagklassement.";
  if (!(mode == VeldNetto || (mode == VeldGemiddelde && club.GemidOptie == 2))) return {};
  if (Schrappen(club))
    return "Netto totaal berekend " +
           (un == max ? std::string("zonder uitslagen te schrappen.")
                      : "met " + std::to_string(max - un) + " schrapresultaten.");
  return "Netto totaal berekend over " + (un == max
                                              ? std::string("alle uitslagen.")
                                              : "de " + std::to_string(un) + " beste uitslagen.");
}

void Sorteren(TKlasse& k, const TRekenContext& ctx, int mode, int un, int max, int op) {
  const TClubInfo& club = ctx.club;
  TTabel& sg = k.SG;
  const int n = sg.RowCount() - 1;

  if (op == -1) op = (mode >= 3 && ToontPunten(club)) ? 1 : 0;
  const bool aflopend = op != 0;

  if (mode > 6) {
    if (un > max) un = max;
    BereidBerekeningVoor(k, ctx);
  }
  k.NettoTekst = NettoTekstVoor(club, mode, un, max);

  // Keys: one per rider, built before ordering.
  const bool plaatsSort = mode == VeldUitslag && max == 999 && !SlaatPlaatsenOp(club);
  for (int r = 1; r <= n; ++r) {
    TRijder* rd = sg.Rijder(r);
    if (!rd) continue;
    if (plaatsSort)
      PlaatsSleutel(*rd, ctx, un, !aflopend);
    else
      SetSortString(*rd, ctx, mode, un, max, !aflopend);
  }
  // A row without a rider (a new class) has no key: it goes last either way.
  const std::string geenRijder(aflopend ? LeegAflopend : LeegOplopend);
  auto sleutel = [&](int r) -> const std::string& {
    const TRijder* rd = sg.Rijder(r);
    return rd ? rd->SortStr : geenRijder;
  };

  // The Shell sort of the behaviour, deliberately not std::sort / std::stable_sort: the
  // order in which it leaves riders with equal keys decides their positions. Only the
  // riders move; the position texts stay with their rows.
  for (int gap = n / 2; gap > 0; gap /= 2) {
    for (int i = gap + 1; i <= n; ++i) {
      for (int j = i - gap; j > 0; j -= gap) {
        const int cmp = sleutel(j).compare(sleutel(j + gap));
        if (!((aflopend && cmp < 0) || (!aflopend && cmp > 0))) break;
        std::swap(sg.Rij(j).rijder, sg.Rij(j + gap).rijder);
      }
    }
  }

  if (k.BN == 0 || n < 1) return;

  // Positions and tie groups.
  const bool lijnen = ctx.Meldingen && (mode == VeldNetto || mode == VeldBruto || mode == VeldDag);
  const int w = SortWarning(club, mode, un, max);
  bool open = false, vol = false;
  int start = 0;
  std::string groep;
  auto meld = [&](int tot) {
    std::string t = k.Naam() + "\tPlaats " + std::to_string(start) + " t/m " + std::to_string(tot);
    if (vol) t += " <!>";
    ctx.Meldingen->Toevoegen(t, k.indexnr);
  };
  const bool bmGeenPlaats = BMKeuze(ctx.EindOptie) != 0;
  int pos = 1;
  for (int r = 1; r <= n; ++r) {
    TRijder* rd = sg.Rijder(r);
    const std::string& key = sleutel(r);
    if (lijnen) {
      // Both keys over the group key's compared length: a dnf takes 2 characters where a
      // value takes 3, so the length of row 1's key says nothing about the other rows.
      const long long lg = static_cast<long long>(groep.size()) - w;
      if (open && Kop(groep, lg) != Kop(key, lg)) {
        if (start + 1 < r && (mode != VeldDag || vol)) meld(r - 1);
        open = false;
      }
      // A group opens without being a full tie; a later row with the same whole key
      // makes it one.
      if (!open) {
        if (rd && rd->Netto > 0) {
          open = true;
          start = r;
          groep = key;
          vol = false;
        }
      } else if (key == groep) {
        vol = true;
      }
    }
    if (rd) rd->DelSortStr();
    if (rd && rd->BM() && bmGeenPlaats)
      sg.Rij(r).positie = "BM";
    else
      sg.Rij(r).positie = std::to_string(pos++);
  }
  if (lijnen && mode != VeldDag && open && start < n) meld(n);
}

std::string NettoMethodeTekst(const TCompetitie& comp, int index) {
  if (index < 0 || index >= static_cast<int>(comp.Tabs.size())) return {};
  const TKlasse* k = comp.Tabs[static_cast<std::size_t>(index)].get();
  if (!k) return {};
  const TClubInfo& club = comp.Club;
  int c = 0;
  switch (k->BN) {
    case 1: {
      const int laatste = k->SG.ColCount() - 1;
      const TColData* cd = laatste >= 0 ? k->SG.Kolom(laatste) : nullptr;
      c = cd && cd->mode == VeldNetto ? 1 : 2;
      break;
    }
    case 2:
      c = 1;
      break;
    case 3:
      c = club.GemidOptie + 5;
      break;
    default:
      break;
  }
  if (Schrappen(club)) {
    if (c == 1) c = 3;
    if (c == 7) c = 9;
  }
  switch (c) {
    case 1:
      return "Er zijn #T uitslagen. Hiervan zijn de #N beste uitslagen tellend voor de eindstand";
    case 2:
      return "Er zijn #T uitslagen. Er zijn geen uitslagen geschrapt.";
    case 3:
      return "Er zijn #T uitslagen. De eindstand is berekend met #G schrapresultaten.";
    case 5:
      return "Gemiddelde berekend van uitslagen met meer dan nul punten.";
    case 6:
      return "Gemiddelde berekend van uitslagen met nul of meer punten.";
    case 7:
      return "Gemiddelde berekend van de #N beste uitslagen.";
    case 8:
      return "Gemiddelde berekend van #T uitslagen (incl. nul en geen punten).";
    case 9:
      return "Gemiddelde berekend waarbij #G uitslagen zijn geschrapt.";
    default:
      return {};
  }
}

std::string VulTekstIn(std::string_view tekst, TCompetitie& comp, int index) {
  std::string s(tekst);
  TKlasse* k = index >= 0 && index < static_cast<int>(comp.Tabs.size())
                   ? comp.Tabs[static_cast<std::size_t>(index)].get()
                   : nullptr;
  auto vervang = [&s](std::string_view ph, const std::string& waarde) {
    const std::size_t p = s.find(ph);
    if (p != std::string::npos) s.replace(p, ph.size(), waarde);
  };
  int tellend = 0;
  std::optional<int> netKolom;
  if (k) {
    tellend = k->AantalUitslagen();
    for (int c = k->SG.ColCount() - 1; c >= k->UitslPos && c >= 0; --c) {
      const TColData* cd = k->SG.Kolom(c);
      if (cd && cd->mode == VeldNetto) {
        netKolom = cd->Data;
        break;
      }
    }
  }
  vervang("#K", k ? k->Naam() : std::string());
  vervang("#C", comp.Club.Clubnaam.Get());
  vervang("#A", k ? std::to_string(k->NR_Uit()) : std::string());
  vervang("#T", k ? std::to_string(tellend) : std::string());
  vervang("#N", netKolom ? std::to_string(*netKolom) : std::string());
  vervang("#G", netKolom ? std::to_string(tellend - *netKolom) : std::string());
  return s;
}

}  // namespace kzo
