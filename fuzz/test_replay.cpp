// Replays the seed corpus, the inputs the fuzzers found, and damaged files made from the
// seeds through the readers, so that every test run checks them with the normal compiler.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "controle.h"
#include "testbestanden.h"

namespace kzo {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::vector<fs::path> Bestanden(const char* map) {
  std::vector<fs::path> uit;
  const fs::path p = fs::path(KZO_FUZZ_MAP) / map;
  if (fs::exists(p))
    for (const auto& e : fs::directory_iterator(p))
      if (e.is_regular_file()) uit.push_back(e.path());
  std::sort(uit.begin(), uit.end());
  return uit;
}

Bytes Lees(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(f)), {});
}

void Controleer(std::span<const std::uint8_t> b, const std::string& wat) {
  EXPECT_EQ(fuzz::ControleerBestand(b), "") << wat;
  EXPECT_EQ(fuzz::ControleerAanvul(b, false), "") << wat;
  EXPECT_EQ(fuzz::ControleerAanvul(b, true), "") << wat;
}

std::vector<fs::path> Zaden() {
  auto z = Bestanden("corpus");
  EXPECT_EQ(z.size(), 17u) << "run the target fuzz-corpus";
  return z;
}

TEST(Replay, SeedsAndFoundInputs) {
  std::size_t veelKlassen = 0;  // the largest seed of four classes or more
  for (const auto& p : Zaden()) {
    Bytes b = Lees(p);
    Controleer(b, p.filename().string());
    TCompetitie c;
    EXPECT_TRUE(BestandLaden(c, b).ok) << p;
    const std::size_t klassen = kzo::Lees(b).Klassen.size();
    EXPECT_GE(klassen, 2u) << p;
    if (klassen >= 4) veelKlassen = std::max(veelKlassen, b.size());
  }
  // Beyond libFuzzer's default input length, within the -max_len of the fuzz command.
  EXPECT_GT(veelKlassen, 4096u);
  EXPECT_LE(veelKlassen, 16384u);
  for (const auto& p : Bestanden("gevonden")) Controleer(Lees(p), p.filename().string());
}

TEST(Replay, EveryPrefixOfASeed) {
  for (const auto& p : Zaden()) {
    const Bytes b = Lees(p);
    for (std::size_t n = 0; n < b.size(); ++n)
      Controleer(std::span(b).first(n), p.filename().string() + " cut at " + std::to_string(n));
  }
}

// The offsets of every count, length and offset field of a seed.
std::vector<std::size_t> Telvelden(const Bytes& b) {
  std::vector<std::size_t> uit = {4, 52, 216};
  TByteLezer l(b);
  const auto club = l.LeesRecord<TClubInfo>();
  const std::size_t rijder =
      (club.versie & kVersie99) ? sizeof(TRijderInfo) : sizeof(TRijderInfoOud);
  l.Zoek(kEersteKlasse);
  for (int k = 0; k < club.aantalklasse; ++k) {
    const std::size_t kop = l.Positie();
    const auto ki = l.LeesRecord<TKlasseInfo>();
    uit.insert(uit.end(), {kop, kop + 32, kop + 36, kop + 40});
    l.Sla(ki.aantalrijders * rijder);
    for (int i = 0; i < ki.aantalUitslInfo; ++i) {
      uit.insert(uit.end(), {l.Positie() + 72, l.Positie() + 76});
      l.Sla(sizeof(TUitslagInfo));
    }
  }
  if (l.Rest() >= 4) uit.push_back(l.Positie());
  return uit;
}

TEST(Replay, DamagedCountsAndLengths) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  for (const auto& p : Zaden()) {
    const Bytes b = Lees(p);
    for (std::size_t pos : Telvelden(b)) {
      const auto oud = test::LeesOp<std::int32_t>(b, pos);
      const auto grootte = static_cast<std::int32_t>(b.size());
      for (std::int32_t v : {0, 1, -1, 2, 99, 100, 0xFFFFF, 0x100000, kMax, kMin, grootte,
                             grootte - static_cast<std::int32_t>(pos), oud + 1, oud - 1,
                             oud ^ 0x10000, oud ^ 0x800000}) {
        Bytes d = b;
        test::SchrijfOp(d, pos, v);
        Controleer(
            d, p.filename().string() + " field " + std::to_string(pos) + " = " + std::to_string(v));
      }
    }
  }
}

}  // namespace
}  // namespace kzo
