// Writes the seed corpus of the fuzz harnesses with the program's own writer: every
// version 2-5, riders of 368 and of 272 bytes, with and without a keyed-text section, and
// one competition of several classes larger than libFuzzer's default input length.
//
//   kzo-maak-corpus <folder>

#include <cstdio>
#include <fstream>
#include <string>

#include "testbestanden.h"

namespace kzo {
namespace {

// The competition that the writer saves as version `versie`; with tekst it carries keyed
// text (and the writer would say 5: the version word is set back afterwards).
std::vector<std::uint8_t> Zaad(int versie, bool tekst, bool oud) {
  TCompetitie c;
  test::VulCompetitie(c, tekst);
  if (versie == 3) {
    c.Club.PuntAftrek = 2;
    c.Club.DisplayInfo = 0x107;  // every extra field in a column, start number first
    c.Club.AlgOptie |= 0x100;
  }
  if (versie == 4) {
    c.Club.RekMethode = 3;
    c.Club.MethRek[2][0] = 2;
    c.Club.MethRek[2][1] = 3;
    test::VoegKlasseToe(c, "Leeg", 0, 0);
    c.Tabs.push_back(nullptr);
  }
  auto b = test::Bewaar(c);
  b = test::MetVersie(std::move(b), versie);  // a section present in an older version
  return oud ? test::NaarOudFormaat(b) : b;
}

// Five classes of riders with keyed text in each: a seed that takes the readers through
// many class records, beyond the 4096 bytes libFuzzer tries without -max_len.
std::vector<std::uint8_t> Klassenzaad() {
  TCompetitie c;
  test::VulCompetitie(c, true);
  const char* const namen[] = {"Quad", "Veteranen", "MX2"};
  for (int i = 0; i < 3; ++i) {
    TKlasse& k = test::VoegKlasseToe(c, namen[i], 2 + i, 3 + i);
    c.MynData.SetData(k.Rijder(1)->Sleutel(), 1,
                      "2\x04"
                      "1\x04"
                      "valse start");
  }
  return test::Bewaar(c);
}

}  // namespace
}  // namespace kzo

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "gebruik: kzo-maak-corpus <map>\n");
    return 2;
  }
  for (int versie = 2; versie <= 5; ++versie) {
    for (bool tekst : {false, true}) {
      for (bool oud : {false, true}) {
        const std::string naam = std::string(argv[1]) + "/v" + std::to_string(versie) +
                                 (oud ? "-272" : "-368") + (tekst ? "-tekst" : "") + ".kzo";
        const auto b = kzo::Zaad(versie, tekst, oud);
        std::ofstream f(naam, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
        if (!f) {
          std::fprintf(stderr, "kzo-maak-corpus: kan %s niet schrijven\n", naam.c_str());
          return 1;
        }
      }
    }
  }
  const std::string naam = std::string(argv[1]) + "/v5-368-klassen.kzo";
  const auto b = kzo::Klassenzaad();
  std::ofstream f(naam, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  if (!f) {
    std::fprintf(stderr, "kzo-maak-corpus: kan %s niet schrijven\n", naam.c_str());
    return 1;
  }
  return 0;
}
