#include <gtest/gtest.h>

#include <cstring>

#include "core/model/klasse.h"
#include "core/records/instellingen.h"

namespace kzo {
namespace {

TUitslagInfo Reeks(int van, int tot, bool nietTellend = false) {
  auto i = NulRecord<TUitslagInfo>();
  i.Uitsl[0] = van;
  i.Uitsl[1] = tot;
  i.Optie = nietTellend ? 1 : 0;
  return i;
}

class KlasseTest : public ::testing::Test {
 protected:
  KlasseTest() : club(NulRecord<TClubInfo>()) { StandaardClubInfo(club, 0); }

  // A class with the given riders and results, laid out as after reading.
  TKlasse Maak(int rijders, int uitslagen) {
    TKlasse k("MX1", club);
    k.InfoKlasse.aantaluitslagen = uitslagen;
    k.SetupSG(club);
    k.SG.SetRowCount(rijders + 1);
    for (int r = 1; r <= rijders; ++r) {
      k.SG.Rij(r).rijder = std::make_unique<TRijder>();
      k.Rijder(r)->Rijder.IDnum = static_cast<std::uint32_t>(r);
      k.Rijder(r)->Rijder.Naam.Set("Rijder " + std::to_string(r));
    }
    return k;
  }

  TClubInfo club;
};

TEST_F(KlasseTest, CreateLaysOutFourColumns) {
  club.Lettertype.Name.Set("Verdana");
  club.Lettertype.Size = 12;
  TKlasse k(std::string(40, 'k'), club);
  EXPECT_EQ(k.SG.ColCount(), 4);
  EXPECT_EQ(k.SG.RowCount(), 2);
  EXPECT_EQ(k.SG.Rijder(1), nullptr);
  EXPECT_EQ(k.SG.Kop(2), "Naam");
  EXPECT_EQ(k.SG.Kolom(0)->mode, -1);
  EXPECT_EQ(k.SG.Kolom(3)->mode, 2);
  EXPECT_EQ(k.Naam().size(), 30u);
  EXPECT_EQ(k.SG.Font.Name.Get(), "Verdana");
  EXPECT_EQ(k.UitslPos, 4);
}

TEST_F(KlasseTest, ExtraFieldColumnMovesResultsAndTheirInformation) {
  TKlasse k = Maak(2, 5);
  ASSERT_EQ(k.SG.ColCount(), 9);
  k.SG.Kolom(4)->SetInfo(Reeks(1, 2));
  k.SG.Kolom(7)->SetInfo(Reeks(4, 5));

  club.DisplayInfo = 0x1 | 0x100;  // extra field 1, start number first
  k.SetupSG(club);
  EXPECT_EQ(k.UitslPos, 5);
  EXPECT_EQ(k.SG.ColCount(), 10);
  EXPECT_EQ(k.SG.Kop(2), "Startnr");
  EXPECT_EQ(k.SG.Kolom(3)->mode, VeldNaam);
  EXPECT_EQ(k.SG.Kop(4), "Woonplaats :");
  EXPECT_EQ(k.SG.Kolom(4)->mode, VeldExtra1);
  EXPECT_EQ(k.SG.Kolom(4)->info, nullptr);
  ASSERT_NE(k.SG.Kolom(5)->info, nullptr);
  EXPECT_EQ(k.SG.Kolom(5)->info->Uitsl[0], 1);
  ASSERT_NE(k.SG.Kolom(8)->info, nullptr);
  EXPECT_EQ(k.SG.Kolom(7)->info, nullptr);
  for (int c = 5; c < 10; ++c) {
    EXPECT_EQ(k.SG.Kolom(c)->mode, VeldUitslag);
    EXPECT_EQ(k.SG.Kolom(c)->Data, c - 4);
    EXPECT_EQ(k.SG.Kop(c), std::to_string(c - 4));
  }

  club.DisplayInfo = 0;
  k.SetupSG(club);
  EXPECT_EQ(k.UitslPos, 4);
  EXPECT_EQ(k.SG.ColCount(), 9);
  ASSERT_NE(k.SG.Kolom(4)->info, nullptr);
  EXPECT_EQ(k.SG.Kolom(4)->mode, VeldUitslag);
  ASSERT_NE(k.SG.Kolom(7)->info, nullptr);
  EXPECT_EQ(k.SG.Kolom(8)->info, nullptr);
  EXPECT_EQ(k.SG.Kop(4), "1");
  EXPECT_EQ(k.AantalUitslagen(), 5);
  k.SetAantalUitslagen();
  EXPECT_EQ(k.InfoKlasse.aantalUitslInfo, 2);
}

TEST_F(KlasseTest, CountsAndCountingResults) {
  TKlasse k = Maak(3, 8);
  k.SG.Kolom(k.UitslKolom(3))->SetInfo(Reeks(3, 5, true));
  EXPECT_EQ(k.AantalUitslagen(), 5);
  k.SetAantalUitslagen();
  EXPECT_EQ(k.InfoKlasse.aantaluitslagen, 8);
  EXPECT_EQ(k.InfoKlasse.aantalrijders, 3);
  // A damaged series never makes more results count than exist, nor fewer than none.
  k.SG.Kolom(k.UitslKolom(3))->info->Uitsl[1] = -2147483647 - 1;
  EXPECT_EQ(k.AantalUitslagen(), 8);
  k.SG.Kolom(k.UitslKolom(3))->info->Uitsl[1] = 2147483647;
  EXPECT_EQ(k.AantalUitslagen(), 0);

  TKlasse leeg = Maak(0, 0);
  EXPECT_EQ(leeg.NR_Uit(), 0);
  EXPECT_EQ(leeg.UitslPos, leeg.SG.ColCount());

  k.Rijder(2)->Rijder.Optie = 4;
  k.Rijder(3)->Rijder.Optie = 5;
  EXPECT_EQ(k.Selected(), 2);
}

TEST_F(KlasseTest, SaveAndLoadRoundTrip) {
  TKlasse k = Maak(3, 4);
  k.Rijder(1)->Uitslag(2) = 7;
  k.Rijder(3)->Rijder.pad37 = 0x5A;  // padding survives byte for byte
  k.SG.Kolom(k.UitslKolom(2))->SetInfo(Reeks(2, 3));
  TByteSchrijver s;
  s.SchrijfNullen(10);
  k.SaveKlasse(s);
  ASSERT_EQ(s.Bytes().size(), 10 + 44 + 3 * 368 + 84u);

  TByteLezer l(s.Bytes());
  l.Sla(10);
  TKlasse terug("", club);
  terug.LaadKlasse(l, true, club);
  EXPECT_EQ(l.Rest(), 0u);
  EXPECT_EQ(terug.Naam(), "MX1");
  EXPECT_EQ(terug.SG.RowCount(), 4);
  EXPECT_EQ(terug.Rijder(1)->Uitslag(2), 7);
  EXPECT_EQ(terug.SG.Rij(3).positie, "3");
  EXPECT_EQ(terug.SG.Rij(3).marker, " ");
  ASSERT_NE(terug.SG.Kolom(terug.UitslKolom(2))->info, nullptr);

  TByteSchrijver opnieuw;
  opnieuw.SchrijfNullen(10);
  terug.SaveKlasse(opnieuw);
  EXPECT_EQ(opnieuw.Bytes(), s.Bytes());
}

TEST_F(KlasseTest, SaveCorrectsRiderCountForRowsWithoutRider) {
  TKlasse k = Maak(3, 1);
  k.SG.Rij(3).rijder.reset();
  TByteSchrijver s;
  k.SaveKlasse(s);
  EXPECT_EQ(s.Bytes().size(), 44 + 2 * 368u);
  EXPECT_EQ(s.Positie(), s.Bytes().size());
  TKlasseInfo kop;
  std::memcpy(&kop, s.Bytes().data(), sizeof kop);
  EXPECT_EQ(kop.aantalrijders, 2);
  EXPECT_EQ(k.InfoKlasse.aantalrijders, 2);
}

TEST_F(KlasseTest, LoadsOldRiderRecordsAndSkipsStrayInformation) {
  TByteSchrijver s;
  auto ki = NulRecord<TKlasseInfo>();
  ki.Naam.Set("Oud");
  ki.aantalrijders = 1;
  ki.aantalUitslInfo = 2;
  ki.aantaluitslagen = 50;
  s.SchrijfRecord(ki);
  auto oud = NulRecord<TRijderInfoOud>();
  oud.Naam.Set("Piet");
  oud.RijNr.Set("12");
  for (auto& u : oud.uitslag) u = 3;
  oud.Extra[2].Set("Opm");
  oud.IDnum = 77;
  oud.Optie = 1;
  s.SchrijfRecord(oud);
  s.SchrijfRecord(Reeks(51, 52));  // no such column: skipped
  s.SchrijfRecord(Reeks(50, 50));

  TByteLezer l(s.Bytes());
  TKlasse k("", club);
  k.LaadKlasse(l, false, club);
  const TRijder* r = k.Rijder(1);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->Rijder.Naam.Get(), "Piet");
  EXPECT_EQ(r->Rijder.RijNr.Get(), "12");
  EXPECT_EQ(r->Uitslag(50), 3);
  EXPECT_EQ(r->Uitslag(51), -1);
  EXPECT_EQ(r->Rijder.Extra[2].Get(), "Opm");
  EXPECT_EQ(r->Rijder.IDnum, 77u);
  EXPECT_TRUE(r->BM());
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(1))->info, nullptr);
  EXPECT_NE(k.SG.Kolom(k.UitslKolom(50))->info, nullptr);
}

TEST_F(KlasseTest, DamagedClassRecordsFailCleanly) {
  auto maakKop = [](int rijders, int infos, int uitslagen) {
    auto ki = NulRecord<TKlasseInfo>();
    ki.aantalrijders = rijders;
    ki.aantalUitslInfo = infos;
    ki.aantaluitslagen = uitslagen;
    TByteSchrijver s;
    s.SchrijfRecord(ki);
    s.SchrijfNullen(368);
    return s.Neem();
  };
  const std::vector<std::uint8_t> gevallen[] = {
      maakKop(2, 0, 1),                               // second rider beyond the end
      maakKop(-1, 0, 1),                              // negative count
      maakKop(1, -5, 1),                              // negative count
      maakKop(0x7FFFFFFF, 0, 1),                      // huge count: no allocation
      maakKop(0, 0x7FFFFFFF, 1), maakKop(1, 0, 100),  // result number beyond 99
      maakKop(1, 0, -1),
  };
  for (const auto& bytes : gevallen) {
    TByteLezer l(bytes);
    TKlasse k("", club);
    EXPECT_THROW(k.LaadKlasse(l, true, club), TLeesFout);
  }
  std::vector<std::uint8_t> kort(20);
  TByteLezer l(kort);
  TKlasse k("", club);
  EXPECT_THROW(k.LaadKlasse(l, true, club), TLeesFout);
}

TEST_F(KlasseTest, VerwijderBNRestoresRiders) {
  TKlasse k = Maak(2, 3);
  k.Rijder(1)->Uitslag(1) = 5;
  k.Rijder(1)->SaveUitslagen();
  k.Rijder(1)->Uitslag(1) = 1003;
  k.Rijder(2)->Uitslag(2) = 1010;
  k.SG.SetColCount(k.SG.ColCount() + 2);
  k.MakeColData(k.SG.ColCount() - 2, k.SG.ColCount() - 1, VeldNetto, 3);
  k.BN = 2;
  k.NettoTekst = "Netto";
  k.SG.Col = k.SG.ColCount() - 1;
  k.VerwijderBN();
  EXPECT_EQ(k.SG.ColCount(), 7);
  EXPECT_EQ(k.SG.Col, k.SG.FixedCols);
  EXPECT_EQ(k.BN, 0);
  EXPECT_TRUE(k.NettoTekst.empty());
  EXPECT_EQ(k.Rijder(1)->Uitslag(1), 5);
  EXPECT_EQ(k.Rijder(2)->Uitslag(2), 10);

  k.SG.Kop(1) = "PL";
  k.SG.Rij(1).positie = "BM";
  VerwijderEindstand(k);
  EXPECT_EQ(k.SG.Kop(1), " ");
  EXPECT_EQ(k.SG.Rij(1).positie, "1");
  EXPECT_EQ(k.SG.Rij(2).positie, "2");
}

TEST_F(KlasseTest, ColumnInformationHelpers) {
  TColData cd;
  cd.InfoAanpassen(3);  // no record: nothing
  EXPECT_EQ(cd.info, nullptr);
  cd.SetInfo(Reeks(2, 4));
  cd.InfoAanpassen(6);
  EXPECT_EQ(cd.info->Uitsl[0], 6);
  EXPECT_EQ(cd.info->Uitsl[1], 8);
  cd.info->Uitsl[1] = 1;
  cd.InfoAanpassen(3);
  EXPECT_EQ(cd.info->Uitsl[1], 3);
  cd.DelInfo();
  EXPECT_EQ(cd.info, nullptr);
}

TEST_F(KlasseTest, SeriesColoursAndStart) {
  TKlasse k = Maak(1, 6);
  k.SG.Kolom(k.UitslKolom(1))->SetInfo(Reeks(1, 2));
  k.SG.Kolom(k.UitslKolom(3))->SetInfo(Reeks(3, 3));
  k.SG.Kolom(k.UitslKolom(5))->SetInfo(Reeks(5, 6));
  ReeksKleuren(k, club);
  const TColor verwacht[6] = {club.KolKleur1, club.KolKleur1, club.KolKleur2,
                              clWindow,       club.KolKleur1, club.KolKleur1};
  for (int r = 1; r <= 6; ++r) EXPECT_EQ(k.SG.Kolom(k.UitslKolom(r))->kleur, verwacht[r - 1]) << r;
  EXPECT_EQ(ReeksBegin(k, k.UitslKolom(2)), k.UitslKolom(1));
  EXPECT_EQ(ReeksBegin(k, k.UitslKolom(4)), -1);
  EXPECT_EQ(ReeksBegin(k, k.UitslKolom(6)), k.UitslKolom(5));

  club.DisplayInfo = 0x20;
  ReeksKleuren(k, club);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(1))->kleur, clWindow);

  // A series that ends before it starts, or far beyond, still ends the walk.
  club.DisplayInfo = 0;
  k.SG.Kolom(k.UitslKolom(3))->info->Uitsl[1] = -5;
  k.SG.Kolom(k.UitslKolom(5))->info->Uitsl[1] = 2147483647;
  ReeksKleuren(k, club);
  EXPECT_EQ(ReeksBegin(k, 1000), k.UitslKolom(5));
}

TEST_F(KlasseTest, NieuweRijderRij) {
  std::uint32_t id = 100;
  TKlasse k("Nieuw", club);
  EXPECT_EQ(NieuweRijderRij(k, id), 1);  // the row of a new class gets its rider
  EXPECT_EQ(k.Rijder(1)->Rijder.IDnum, 100u);
  EXPECT_EQ(NieuweRijderRij(k, id), 1);  // still empty
  k.Rijder(1)->Rijder.Naam.Set("A");
  EXPECT_EQ(NieuweRijderRij(k, id), 2);
  EXPECT_EQ(k.SG.Row, 2);
  EXPECT_EQ(k.SG.Rij(2).positie, "2");
  EXPECT_EQ(k.Rijder(2)->Rijder.IDnum, 101u);
  EXPECT_EQ(NieuweRijderRij(k, id), 2);  // the last row is empty

  TKlasse vol = Maak(500, 1);
  vol.Rijder(1)->Rijder.Naam.Set("x");
  id = 1000;
  EXPECT_EQ(NieuweRijderRij(vol, id), -1);
  EXPECT_EQ(vol.SG.RowCount(), 501);
  EXPECT_EQ(id, 1000u);
}

TEST(Tabel, MoveRowShiftsTheRowsBetween) {
  TTabel t;
  t.SetRowCount(5);
  for (int r = 1; r < 5; ++r) t.Rij(r).positie = std::to_string(r);
  t.MoveRow(1, 3);
  EXPECT_EQ(t.Rij(1).positie, "2");
  EXPECT_EQ(t.Rij(3).positie, "1");
  t.MoveRow(4, 1);
  EXPECT_EQ(t.Rij(1).positie, "4");
  t.DeleteRow(1);
  EXPECT_EQ(t.RowCount(), 4);
  t.MoveRow(0, 99);  // out of range: nothing
  EXPECT_EQ(t.RowCount(), 4);
}

}  // namespace
}  // namespace kzo
