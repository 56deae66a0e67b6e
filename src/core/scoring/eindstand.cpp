#include "core/scoring/eindstand.h"

#include <algorithm>

#include "core/scoring/meldlijst.h"
#include "core/scoring/sorteren.h"

namespace kzo {

namespace {

// Adds one computed column at the right end with its header text and TColData.
void VoegKolomToe(TKlasse& k, const char* kop, int mode, int data) {
  const int c = k.SG.ColCount();
  k.SG.SetColCount(c + 1);
  k.SG.Kop(c) = kop;
  k.MakeColData(c, c, mode, data);
}

}  // namespace

const char* BMKeuzeTekst(int index) {
  static const char* const kTekst[4] = {"Normaal klasseren", "Geen eindklassing",
                                        "Geen bruto / netto punten",
                                        "Geen uitslagen + rest uitslagen aanpassen"};
  return index >= 0 && index < 4 ? kTekst[index] : "";
}

int EindOptieWoord(const TEindKeuze& k) {
  int w = 0;
  if (k.BrutoNetto) w |= EindBrutoNetto;
  if (k.Netto) w |= EindNetto;
  if (k.Bruto) w |= EindBruto;
  if (k.Dag) w |= EindDag;
  w |= (k.BM << 4) & EindBMVeld;
  if (k.AlleKlassen) w |= EindAlleKlassen;
  return w;
}

TEindKeuze EindKeuzeVan(int eindOptie) {
  TEindKeuze k;
  k.BrutoNetto = Heeft(eindOptie, EindBrutoNetto);
  k.Netto = Heeft(eindOptie, EindNetto);
  k.Bruto = Heeft(eindOptie, EindBruto);
  k.Dag = Heeft(eindOptie, EindDag);
  k.BM = BMKeuze(eindOptie);
  k.AlleKlassen = Heeft(eindOptie, EindAlleKlassen);
  return k;
}

int NettoAantal(TKlasse* k, const TClubInfo& club) {
  const long long n = k ? k->AantalUitslagen() : 0;
  long long r;
  if (Schrappen(club)) {
    r = n - club.Schrap;
  } else {
    // x = n / 100 * RekPercentage, in exact integers: trunc(x), and "the fraction of x is
    // greater than 0.01" is a remainder above 1 hundredth. Floating point would decide
    // the remainder of exactly 1 (e.g. 3 results at 67 %) by rounding noise.
    const long long x100 = n * club.RekPercentage;
    r = x100 / 100;
    if (!AfrondenOmlaag(club) && x100 % 100 > 1) ++r;
    r += club.RekPlus1;
  }
  return static_cast<int>(r < 1 ? n : r);
}

void BerekenEindstand(TKlasse& k, int i, const TRekenContext& ctx, const TEindKeuze& keuze,
                      int netUn) {
  k.VerwijderBN();
  const int max = k.AantalUitslagen();
  // The columns carry the count the sort actually uses (Sorteren limits it to the counting
  // results), so that "#N" never exceeds "#T" and "#G" is never negative: the rule may ask
  // for more results than there are (1 result at 50 % + 1 asks for 2).
  int un = netUn < 1 ? max : std::min(netUn, max);
  int mode = 0;
  if (!keuze.BrutoNetto) {
    if (ctx.club.GemidOptie != 2) un = max;
    const int c = k.SG.ColCount();
    k.SG.SetColCount(c + 3);
    static const char* const kKop[3] = {"Totaal", "Uitslagen", "Gemiddeld"};
    static const int kMode[3] = {VeldBruto, VeldNetto, VeldGemiddelde};
    for (int j = 0; j < 3; ++j) {
      k.SG.Kop(c + j) = kKop[j];
      k.MakeColData(c + j, c + j, kMode[j], un);
    }
    k.BN = 3;
    mode = VeldGemiddelde;
  } else {
    if (keuze.Bruto) {
      k.BN = 1;
      mode = keuze.Dag && !keuze.Netto ? VeldDag : VeldBruto;
      VoegKolomToe(k, "Bruto", mode, un);
    }
    if (keuze.Netto) {
      ++k.BN;
      VoegKolomToe(k, "Netto", VeldNetto, un);
      mode = VeldNetto;
    }
  }
  k.indexnr = i;
  Sorteren(k, ctx, mode, un, max, 1);
  if (k.BN > 0 && k.SG.ColCount() > 1) k.SG.Kop(1) = "PL";
}

void BerekenEindstanden(TCompetitie& comp, TRekenStaat& staat, const TEindKeuze& keuze, int netSpin,
                        char decimaal, TMeldLijst* meldingen) {
  staat.EindOptie = EindOptieWoord(keuze);
  const TRekenContext ctx{comp.Club, staat.Tellend, staat.EindOptie,
                          decimaal,  &comp.MynData, meldingen};
  const int tabs = static_cast<int>(comp.Tabs.size());
  const int van = keuze.AlleKlassen ? 0 : comp.ActieveTab;
  const int tot = keuze.AlleKlassen ? tabs - 1 : comp.ActieveTab;
  for (int i = std::max(van, 0); i <= tot && i < tabs; ++i) {
    TKlasse* k = comp.Tabs[static_cast<std::size_t>(i)].get();
    if (!k) continue;
    const int netUn = keuze.AlleKlassen ? NettoAantal(k, comp.Club) : netSpin;
    BerekenEindstand(*k, i, ctx, keuze, netUn);
  }
}

}  // namespace kzo
