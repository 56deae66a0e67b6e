#include "core/records/instellingen.h"

#include <cstring>

namespace kzo {

void StandaardClubInfo(TClubInfo& club, std::int32_t nu) {
  club = NulRecord<TClubInfo>();
  club.RekPercentage = 50;
  club.RekPlus1 = 1;
  club.Schrap = 2;
  club.IDnummer = nu;
  club.Created = nu;
  club.Veldnaam[0].Set("Woonplaats :");
  club.Veldnaam[1].Set("Merk/sponsor :");
  club.Veldnaam[2].Set("Opmerking :");
  club.AlgOptie = 0x61;
  static constexpr std::uint8_t kPunten[6] = {5, 50, 47, 45, 43, 41};
  std::memcpy(club.punttel, kPunten, sizeof kPunten);
  club.KolKleur1 = SysteemKleur(24);
  club.KolKleur2 = SysteemKleur(22);
  club.SchrKleur = 0x00808000;
  club.GemidOptie = 1;
  club.PuntAftrek = 1;
  MethodeVoorkeur(club, 0);
}

void StandaardPrintInstellingen(TInstellingen& inst) {
  inst = NulRecord<TInstellingen>();
  inst.OptieA = 0x413C;
  inst.OptieB = 0x00F9;
  inst.LeegTekst.Set("--");
  inst.TussenTekst.Set("-");
  static constexpr std::uint16_t kMarge[6] = {15, 15, 15, 15, 2, 10};
  for (int i = 0; i < 6; ++i) inst.Marge[i] = kMarge[i];
  inst.LetterNaam.Set("Arial");
  inst.LetterGrootte = 10;
  static const char* const kKop[8] = {"PL",    "Naam",         "Nr.",    "Netto",
                                      "Bruto", "Aant. uitsl.", "Totaal", "Gemiddelde"};
  for (int i = 0; i < 8; ++i) inst.Kolomkop[i].Set(kKop[i]);
  inst.Grijs = 5;
}

void StandaardInstellingen(TClubInfo& club, TInstellingen& inst, std::int32_t nu) {
  StandaardClubInfo(club, nu);
  StandaardPrintInstellingen(inst);
}

void MethodeVoorkeur(TClubInfo& club, int preset) {
  if (preset < 0 || preset > 2) return;
  std::memset(club.MethRek, 0, sizeof club.MethRek);
  static constexpr std::uint8_t kStappen[3][5][2] = {
      {{1, 0}, {5, 0}},
      {{3, 0}, {1, 0}, {5, 0}},
      {{2, 3}, {4, 0}, {1, 0}, {5, 0}},
  };
  std::memcpy(club.MethRek, kStappen[preset], sizeof club.MethRek);
  club.RekWarn = preset == 0 ? 2 : 3;
}

std::string GemiddeldeTekst(int gemidOptie) {
  switch (gemidOptie) {
    case 0:
      return "Gemid. van uitslagen met > 0 punten";
    case 1:
      return "Gemid. van uitslagen met >= 0 punten";
    case 2:
      return "Gemid. van Netto uitslagen";
    case 3:
      return "Gemid. van alle uitslagen";
    default:
      return {};
  }
}

}  // namespace kzo
