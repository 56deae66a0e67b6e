#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

#include "core/records/cp1252.h"
#include "core/records/datum.h"
#include "core/records/getal.h"
#include "core/records/instellingen.h"
#include "core/records/punten.h"
#include "core/records/records.h"

namespace kzo {
namespace {

TEST(ShortStr, CutsToItsWidthAndConvertsAtTheByteBoundary) {
  auto r = NulRecord<TRijderInfo>();
  r.RijNr.Set("1234567");
  EXPECT_EQ(r.RijNr.Get(), "12345");
  r.Naam.Set(std::string(40, 'a'));
  EXPECT_EQ(r.Naam.len, 30);
  r.Extra[0].Set(std::string(50, 'b'));
  EXPECT_EQ(r.Extra[0].Get(), std::string(40, 'b'));
  auto c = NulRecord<TClubInfo>();
  c.Veldnaam[0].Set("Een veel te lange veldnaam");
  EXPECT_EQ(c.Veldnaam[0].Get(), "Een veel te lan");

  // Each 1252 character is one stored byte, whatever its UTF-8 length.
  r.Naam.Set("Jos\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD");  // José € 中
  EXPECT_EQ(r.Naam.len, 8);
  EXPECT_EQ(std::string(r.Naam.Raw()), "Jos\xE9 \x80 ?");
  EXPECT_EQ(r.Naam.Get(), "Jos\xC3\xA9 \xE2\x82\xAC ?");

  // A damaged length byte never reads beyond the field.
  r.RijNr.len = 200;
  EXPECT_EQ(r.RijNr.Raw().size(), 5u);
}

TEST(Cp1252, MalformedUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8NaarCp1252("a\xC3"), "a?");
  EXPECT_EQ(Utf8NaarCp1252("\xFF"
                           "b"),
            "?b");
  EXPECT_EQ(Cp1252NaarUtf8("\x81"), "\xC2\x81");
  EXPECT_LT(VergelijkTekst("abc", "ABD"), 0);
  EXPECT_EQ(VergelijkTekst("R0a#", "R0A#"), 0);
}

TEST(Instellingen, DefaultsOfANewCompetition) {
  auto club = NulRecord<TClubInfo>();
  auto inst = NulRecord<TInstellingen>();
  std::memset(&club, 0xAB, sizeof club);  // every byte must be set again
  StandaardInstellingen(club, inst, 0x12345678);
  EXPECT_EQ(club.IDnummer, 0x12345678);
  EXPECT_EQ(club.Created, 0x12345678);
  EXPECT_EQ(club.versie, 0);
  EXPECT_EQ(club.pad51, 0);
  const std::uint8_t punten[6] = {5, 50, 47, 45, 43, 41};
  EXPECT_EQ(std::memcmp(club.punttel, punten, 6), 0);
  EXPECT_EQ(club.AlgOptie, 0x61);
  EXPECT_EQ(club.KolKleur1, 0xFF000018u);
  EXPECT_EQ(club.KolKleur2, 0xFF000016u);
  EXPECT_EQ(club.SchrKleur, 0x00808000u);
  EXPECT_EQ(club.Veldnaam[1].Get(), "Merk/sponsor :");
  EXPECT_EQ(club.MethRek[0][0], 1);
  EXPECT_EQ(club.MethRek[1][0], 5);
  EXPECT_EQ(club.RekWarn, 2);
  EXPECT_EQ(inst.OptieA, 0x413C);
  EXPECT_EQ(inst.OptieB, 0x00F9);
  EXPECT_EQ(inst.LeegTekst.Get(), "--");
  EXPECT_EQ(inst.Marge[4], 2);
  EXPECT_EQ(inst.Kolomkop[5].Get(), "Aant. uitsl.");
  EXPECT_EQ(inst.Grijs, 5);
  // Place 6 of the default table scores 41 - 1.
  EXPECT_EQ(PlaatsNaarPunten(club, 6), 40);
}

TEST(Instellingen, MethodeVoorkeurPresets) {
  auto club = NulRecord<TClubInfo>();
  std::memset(club.MethRek, 9, sizeof club.MethRek);
  club.RekWarn = 4;
  MethodeVoorkeur(club, 3);
  EXPECT_EQ(club.MethRek[4][1], 9);
  EXPECT_EQ(club.RekWarn, 4);
  MethodeVoorkeur(club, 2);
  const std::uint8_t twee[10] = {2, 3, 4, 0, 1, 0, 5, 0, 0, 0};
  EXPECT_EQ(std::memcmp(club.MethRek, twee, 10), 0);
  EXPECT_EQ(club.RekWarn, 3);
  MethodeVoorkeur(club, 0);
  const std::uint8_t nul[10] = {1, 0, 5, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(club.MethRek, nul, 10), 0);
  EXPECT_EQ(club.RekWarn, 2);
  EXPECT_EQ(GemiddeldeTekst(2), "Gemid. van Netto uitslagen");
  EXPECT_EQ(GemiddeldeTekst(4), "");
}

TEST(Getal, StrNaarGetalDeletesOffendingCharacters) {
  struct {
    const char* in;
    int uit;
  } gevallen[] = {{"", 0},    {"12a", 12}, {"a1b2", 12}, {"abc", 0},
                  {"-7", -7}, {"-", 0},    {"1-2", 12},  {"99999999999", 999999999},
                  {" 5", 5},  {"+3", 3}};
  for (const auto& g : gevallen) EXPECT_EQ(StrNaarGetal(g.in), g.uit) << g.in;
}

TEST(Getal, VulNullen) {
  struct {
    const char* in;
    const char* uit;
  } gevallen[] = {{"42", "00042"}, {"12,5", "00012,5"},  {"-1", "-00001"},  {"DQ", "DQ"},
                  {"", ""},        {"123456", "123456"}, {"nr 7", "00007"}, {"7 ", ""}};
  for (const auto& g : gevallen) EXPECT_EQ(VulNullen(g.in, 5), g.uit) << g.in;
}

TEST(Datum, StampPacksLikeDos) {
  TDatumTijd t{2024, 3, 15, 13, 45, 31};
  std::int32_t s = NaarStempel(t);
  EXPECT_EQ(static_cast<std::uint32_t>(s),
            (44u << 25 | 3u << 21 | 15u << 16 | 13u << 11 | 45u << 5 | 15u));
  TDatumTijd u = UitStempel(s);
  EXPECT_EQ(u.jaar, 2024);
  EXPECT_EQ(u.seconde, 30);
  TVasteKlok klok(t);
  EXPECT_EQ(DatumNu(klok), s);
  EXPECT_EQ(BestandsDatumTekst(s, 0, true), "15-03-2024  13:45");
  EXPECT_EQ(BestandsDatumTekst(s, 2, false), "2024-03-15");
  EXPECT_EQ(BestandsDatumTekst(0, 0, true), "");
}

// The system clock is the local time of std::localtime, on every platform.
TEST(Datum, SysteemKlokIsTheLocalTime) {
  auto lokaal = [](std::time_t t) {
    const std::tm tm = *std::localtime(&t);
    return TDatumTijd{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                      tm.tm_hour,        tm.tm_min,     tm.tm_sec};
  };
  auto gelijk = [](const TDatumTijd& a, const TDatumTijd& b) {
    return a.jaar == b.jaar && a.maand == b.maand && a.dag == b.dag && a.uur == b.uur &&
           a.minuut == b.minuut && a.seconde == b.seconde;
  };
  const std::time_t voor = std::time(nullptr);
  const TDatumTijd nu = TSysteemKlok().Nu();
  const std::time_t na = std::time(nullptr);
  EXPECT_TRUE(gelijk(nu, lokaal(voor)) || gelijk(nu, lokaal(na)))
      << nu.jaar << "-" << nu.maand << "-" << nu.dag << " " << nu.uur << ":" << nu.minuut << ":"
      << nu.seconde;
}

TEST(Datum, DatumTekst) {
  EXPECT_EQ(DatumTekst("20240315", 0, false, true), "15- 3-2024");
  EXPECT_EQ(DatumTekst("20240315", 0, true, true), "15 mrt 2024");
  EXPECT_EQ(DatumTekst("20240315", 0, false, false), "15- 3");
  EXPECT_EQ(DatumTekst("20240315", 2, false, true), "2024- 3-15");
  EXPECT_EQ(DatumTekst("240315", 0, false, true), "15- 3-1924");
  EXPECT_EQ(DatumTekst("20241315", 0, true, true), "15 13 2024");
  EXPECT_EQ(DatumTekst("", 0, true, true), "");
  // Only a part that reads as 0 or not at all is left out; a negative one is shown.
  EXPECT_EQ(DatumTekst("2024-1-5", 0, false, true), "-5--1-2024");
  EXPECT_EQ(DatumTekst("2024-1-5", 0, true, true), "-5 -1 2024");
  EXPECT_EQ(DatumTekst("2024xx00", 0, false, true), "--2024");
}

TEST(Datum, LeesEnVulDatumAan) {
  TVasteKlok klok({2026, 12, 10, 12, 0, 0});
  TDatum d = LeesDatum("5-3", 0);
  EXPECT_EQ(d.dag, 5);
  EXPECT_EQ(d.maand, 3);
  EXPECT_EQ(d.jaar, 0);
  VulDatumAan(0, d, klok);
  EXPECT_EQ(d.jaar, 2026);
  EXPECT_EQ(DatumOpslag(d), "20260305");

  d = LeesDatum("3-5-24", 1);
  EXPECT_EQ(d.maand, 3);
  EXPECT_EQ(d.dag, 5);
  EXPECT_EQ(d.jaar, 1924);  // two-digit years from 21 are the last century
  EXPECT_EQ(LeesDatum("2024-3-5", 2).jaar, 2024);
  EXPECT_EQ(LeesDatum("1-1-00", 0).jaar, 2000);
  EXPECT_EQ(LeesDatum("1-1-", 0).jaar, 0);
  EXPECT_EQ(LeesDatum("1-1-98", 0).jaar, 1998);
  EXPECT_EQ(LeesDatum("1-1-20", 0).jaar, 20);

  // Without a day only a current month or year gets completed.
  TDatum zonderDag{0, 3, 2025};
  VulDatumAan(0, zonderDag, klok);
  EXPECT_EQ(zonderDag.dag, 0);
  TDatum dezeMaand{0, 12, 2025};
  VulDatumAan(0, dezeMaand, klok);
  EXPECT_EQ(dezeMaand.dag, 10);
  TDatum vlag{0, 0, 0};
  VulDatumAan(8, vlag, klok);
  EXPECT_EQ(vlag.jaar, 0);
  EXPECT_EQ(DatumOpslag(TDatum{0, 3, 2026}), "");
}

TEST(Punten, PlaatsenEnPunten) {
  auto club = NulRecord<TClubInfo>();
  StandaardClubInfo(club, 0);
  EXPECT_EQ(PlaatsNaarPunten(club, 1), 50);
  EXPECT_EQ(PlaatsNaarPunten(club, 7), 39);
  EXPECT_EQ(PlaatsNaarPunten(club, 60), 0);
  club.RekOptie |= 0x20;
  EXPECT_EQ(PlaatsNaarPunten(club, 60), 1);
  EXPECT_EQ(PlaatsNaarPunten(club, 0), 0);
  EXPECT_EQ(PlaatsNaarPunten(club, -4), 0);
  EXPECT_EQ(PlaatsNaarPunten(club, -5), 507);
  club.RekOptie |= 0x40;
  EXPECT_EQ(PlaatsNaarPunten(club, -5), 0);
  EXPECT_EQ(PlaatsNaarPunten(club, -2), -2);

  EXPECT_EQ(PuntenNaarPlaats(club, 47), 2);
  EXPECT_EQ(PuntenNaarPlaats(club, 49), -1);
  EXPECT_EQ(PuntenNaarPlaats(club, 39), 7);
  EXPECT_EQ(PuntenNaarPlaats(club, 0), 0);
  // A damaged header: no division by zero, no read past the table.
  club.PuntAftrek = 0;
  EXPECT_EQ(PuntenNaarPlaats(club, 39), 7);
  club.punttel[0] = 200;
  EXPECT_GE(PuntenNaarPlaats(club, 1), -1);
  club.punttel[0] = 0;
  EXPECT_EQ(PlaatsNaarPunten(club, 3), 1);
}

}  // namespace
}  // namespace kzo
