#include "core/scoring/netto.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/records/punten.h"
#include "core/scoring/getaltekst.h"

namespace kzo {

namespace {

bool Plaatsen(const TClubInfo& club) { return SlaatPlaatsenOp(club); }

// PlaatsNaarPunten with the table lookup inline: it runs once per result of every rider.
inline int Punten(const TClubInfo& club, int p) {
  const int n = club.punttel[0] > 10 ? 10 : club.punttel[0];
  return p >= 1 && p <= n ? club.punttel[p] : PlaatsNaarPunten(club, p);
}

// A sort key under construction. The longest key (five steps of 99 three-character
// values after the 6-character total) is well below the capacity.
class TSleutel {
 public:
  void Teken(char c) { b_[n_++] = c; }
  void Twee(const char* t) {
    b_[n_++] = t[0];
    b_[n_++] = t[1];
  }
  // VulNullen(v, 3), three digits for 0..999 without a detour.
  void Drie(int v) {
    if (v >= 0 && v <= 999) {
      b_[n_++] = static_cast<char>('0' + v / 100);
      b_[n_++] = static_cast<char>('0' + v / 10 % 10);
      b_[n_++] = static_cast<char>('0' + v % 10);
    } else {
      Getal(v, 3);
    }
  }
  void Getal(long long v, int w) {
    std::string t;
    VoegVulNullenToe(t, v, w);
    Tekst(t);
  }
  void Tekst(std::string_view t) {
    for (char c : t) b_[n_++] = c;
  }
  // SortValue: one value of a result list.
  void Waarde(int aSort, int minvalue) {
    if (aSort == Sentinel507 || aSort == UitDQ)
      Twee("++");
    else if (minvalue < aSort && aSort < 501)
      Drie(aSort);
    else if (aSort == UitDnf)
      Twee("..");
    else if (aSort == UitDns)
      Twee("**");
    else if (aSort == UitX)
      Twee("--");
    else if (aSort == UitGeen)
      Twee("##");
    else
      Twee("//");
  }
  // SortStrLaatsteUitslag: the points of result n, "//" for a negative value. lastNr
  // stays 0 when no counting result was taken: there is no result to read then.
  void LaatsteUitslag(const TRijder& r, const TClubInfo& club, int n) {
    const int w = n >= 1 && n <= MaxUitslagen ? r.Uitslag(n) : -1;
    if (w < 0)
      Twee("//");
    else
      Drie(Plaatsen(club) ? Punten(club, w) : w);
  }
  void Zet(char c, int i) { b_[i] = c; }
  void NaarTekst(std::string& s) const { s.assign(b_, static_cast<std::size_t>(n_)); }

 private:
  char b_[4096];
  int n_ = 0;
};

}  // namespace

// v[1..n] in descending order. The behaviour names a Shell sort for this, but v holds
// plain numbers: equal values are indistinguishable, so every correct sort leaves the
// very same sequence (a test checks it against the Shell sort). Counting takes a fraction
// of the Shell sort's time, which was most of a standing's. Only where rows with equal
// keys are ordered is the procedure itself part of the behaviour (Sorteren, the day grid).
void SorteerAflopend(int* v, int n) {
  constexpr int kLaag = UitDQ, kHoog = Sentinel507;
  int lo = kHoog, hi = kLaag;
  for (int i = 1; i <= n; ++i) {
    if (v[i] < kLaag || v[i] > kHoog) {
      // Values only a damaged file holds: the general way.
      std::sort(v + 1, v + n + 1, [](int a, int b) { return a > b; });
      return;
    }
    lo = std::min(lo, v[i]);
    hi = std::max(hi, v[i]);
  }
  if (n < 2) return;
  std::uint8_t aantal[kHoog - kLaag + 1];  // at most 99 of a value
  std::memset(aantal + (lo - kLaag), 0, static_cast<std::size_t>(hi - lo + 1));
  for (int i = 1; i <= n; ++i) ++aantal[v[i] - kLaag];
  int k = 1;
  for (int w = hi; w >= lo; --w)
    for (int c = aantal[w - kLaag]; c > 0; --c) v[k++] = w;
}

int Werkwaarde(int opgeslagen, const TClubInfo& club) {
  if (Plaatsen(club) && opgeslagen >= 1) return Punten(club, opgeslagen);
  if (opgeslagen == UitX) return Sentinel507;
  if (opgeslagen == UitDQ && !DQSchrapbaar(club)) return Sentinel507;
  return opgeslagen;
}

void SortValue(std::string& s, int aSort, int minvalue) {
  TSleutel k;
  k.Waarde(aSort, minvalue);
  std::string t;
  k.NaarTekst(t);
  s += t;
}

void SortValue(TRijder& r, int aSort, int minvalue) { SortValue(r.SortStr, aSort, minvalue); }

void SortStrLaatsteUitslag(TRijder& r, const TClubInfo& club, int n) {
  TSleutel k;
  k.LaatsteUitslag(r, club, n);
  std::string t;
  k.NaarTekst(t);
  r.SortStr += t;
}

std::string GemiddeldeStr(int a, int b, char decimaal) {
  std::string t = a < 0 ? GemiddeldeTekst1(0, 0, decimaal) : GemiddeldeTekst1(a, b, decimaal);
  if (t.size() < 6) t.insert(0, std::string_view("0000.0").substr(0, 6 - t.size()));
  return t;
}

void NettoPunten(TRijder& r, const TRekenContext& ctx, int aNet, int aUitsl, int net) {
  const TClubInfo& club = ctx.club;

  // 1. Collect. The walk always looks at result 1 first, so 0 (or less) takes every
  // counting result.
  int v[MaxUitslagen + 1];
  int genomen = 0, j = 0, c = 0, last = -1, lastNr = 0;
  int u = 1;
  do {
    if (ctx.Tellend[u] == 1) {
      const int w = Werkwaarde(r.Uitslag(u), club);
      v[++genomen] = w;
      if (w >= 0) {
        ++j;
        last = w == Sentinel507 ? 0 : w;
      }
      if (w >= 1 && w <= 500) ++c;
      lastNr = u;
    }
    ++u;
  } while (genomen != aUitsl && u <= MaxUitslagen);
  aUitsl = genomen;

  // 2. Descending.
  if (net == NetBruto || net == NetNetto) SorteerAflopend(v, aUitsl);

  // 3. Totals.
  int bruto = -1, netto = -1;
  for (int i = 1; i <= aUitsl; ++i) {
    if (v[i] >= 0 && v[i] <= 500) bruto = bruto < 0 ? v[i] : bruto + v[i];
    if (i == aNet) netto = bruto;
  }
  // 4. BM riders under "Geen bruto / netto punten".
  if (r.BM() && BMKeuze(ctx.EindOptie) == 2) netto = bruto = -1;
  r.Netto = netto;
  r.Bruto = bruto;

  // 5. Key: a place for the validity digit (step 9), then the total.
  TSleutel s;
  s.Teken('1');
  s.Getal(net == NetNetto ? netto : bruto, 5);

  if (net == NetDag) {
    // 6. Day classification in the class: the last result of the walk.
    s.LaatsteUitslag(r, club, lastNr);
  } else {
    // 7. Tie-break steps.
    for (int stap = 0; stap < 5 && club.MethRek[stap][0] != 0; ++stap) {
      switch (club.MethRek[stap][0]) {
        case 1:
          for (int k = 1; k <= aUitsl; ++k) s.Waarde(v[k], -1);
          break;
        case 2: {
          const int min = PlaatsNaarPunten(club, club.MethRek[stap][1] + 1);
          for (int k = 1; k <= aUitsl; ++k) s.Waarde(v[k], min);
          break;
        }
        case 3:
          if (net == NetNetto)
            for (int k = std::max(aNet + 1, 1); k <= aUitsl; ++k) s.Waarde(v[k], -1);
          break;
        case 4:
          s.LaatsteUitslag(r, club, lastNr);
          break;
        case 5:
          s.Getal(last, 3);
          break;
        case 6:
          if (net == NetNetto) s.Getal(bruto, 5);
          break;
        case 7:
          switch (club.GemidOptie) {
            case 0:
              s.Tekst(GemiddeldeStr(bruto, c, ctx.decimaal));
              break;
            case 1:
              s.Tekst(GemiddeldeStr(bruto, j, ctx.decimaal));
              break;
            case 2:
              s.Tekst(GemiddeldeStr(netto, aNet, ctx.decimaal));
              break;
            case 3:
              s.Tekst(GemiddeldeStr(bruto, aUitsl, ctx.decimaal));
              break;
            default:
              break;
          }
          break;
        case 8:
          s.Getal(j, 3);
          break;
        case 9:
          s.Getal(500 - j, 3);
          break;
        default:
          break;
      }
    }

    // 8. Mark the discarded results for the grid.
    if (Heeft(club.DisplayInfo, ToonGeschrapt) && net == NetNetto && j >= aNet) {
      for (int k = std::max(aNet + 1, 1); k <= aUitsl; ++k) {
        const int w = v[k];
        if (!(w > 0 || (w == 0 && !NulLeeg(club)) || w == UitDnf || w == UitDQ)) continue;
        int merk = w;
        if (Plaatsen(club) && w >= 1) {
          merk = PuntenNaarPlaats(club, w);
          // No place scores these points (a 507): the literal call would mark an empty
          // result of the rider as discarded.
          if (merk < 1) continue;
        }
        if (merk < -32768 || merk > 32767) continue;
        r.SetUnused(static_cast<std::int16_t>(merk), ctx.Tellend);
      }
    }
  }

  // 9. Validity digit.
  s.Zet(r.GeldigeRijder() ? '1' : '0', 0);
  s.NaarTekst(r.SortStr);
}

void Gemiddelde(TRijder& r, const TRekenContext& ctx, int aNet, int aUitsl) {
  const TClubInfo& club = ctx.club;
  if (club.GemidOptie == 2) {
    NettoPunten(r, ctx, aNet, aUitsl, NetNetto);
    r.Bruto = r.Netto;
    r.Netto = aNet;
  } else {
    const int drempel = club.GemidOptie == 1 ? -1 : 0;
    int bruto = -1, aantal = 0, genomen = 0;
    for (int u = 1; u <= MaxUitslagen; ++u) {
      const int s = r.Uitslag(u);
      if (ctx.Tellend[u] != 1 || s < 0) continue;
      const int w = Plaatsen(club) ? Punten(club, s) : s;
      if (w > drempel) {
        bruto = bruto < 0 ? w : bruto + w;
        ++aantal;
      }
      // As in NettoPunten, a count of 0 (or less) takes every result.
      if (++genomen == aUitsl) break;
    }
    r.Bruto = bruto;
    r.Netto = club.GemidOptie == 3 ? aUitsl : aantal;
  }
  r.SortStr = GemiddeldeStr(r.Bruto, r.Netto, ctx.decimaal);
  VoegVulNullenToe(r.SortStr, r.Netto, 3);
}

void DagKlassement(TRijder& r, const TClubInfo& club, int uitsl1, int uitsl2) {
  int netto = -1, last = -1;
  for (int u = std::max(uitsl1, 1); u <= std::min(uitsl2, MaxUitslagen); ++u) {
    last = r.Uitslag(u);
    if (Plaatsen(club) && last >= 1) last = PlaatsNaarPunten(club, last);
    if (last >= 0) netto = netto < 0 ? last : netto + last;
  }
  r.Netto = netto;
  r.Bruto = -1;
  r.SortStr = VulNullenGetal(netto, 5);
  VoegVulNullenToe(r.SortStr, last, 3);
}

void BMPlaatsenAanpassen(TTabel& sg, int row, const TClubInfo& club, int eindOptie) {
  TRijder* bm = sg.Rijder(row);
  if (!bm) return;
  // Computed and extra-field columns make the column count exceed 99 + 3.
  const int laatste = std::min(sg.ColCount() - 3, MaxUitslagen);
  for (int rij = 1; rij < sg.RowCount(); ++rij) {
    TRijder* ander = sg.Rijder(rij);
    if (rij == row || !ander || !ander->GeldigeRijder()) continue;
    for (int u = 1; u <= laatste; ++u) {
      const int a = ander->Uitslag(u), b = bm->Uitslag(u);
      if (a <= 0 || b <= 0) continue;
      if (Plaatsen(club)) {
        if (a > b) ander->Uitslag(u) = static_cast<std::int16_t>(a - 1);
      } else if (a < b) {
        // Points no place scores would become the "x" of PlaatsNaarPunten(-2), and the
        // points of place 1 the 0 of place 0: both stay as they are.
        const int p = PuntenNaarPlaats(club, a);
        if (p >= 2) ander->Uitslag(u) = static_cast<std::int16_t>(PlaatsNaarPunten(club, p - 1));
      }
    }
  }
  bm->SetOnGeldigeRijder(true, eindOptie);
}

}  // namespace kzo
