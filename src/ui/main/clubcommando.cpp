#include "ui/main/clubcommando.h"

#include <QTabBar>
#include <algorithm>

#include "core/file/bestand.h"
#include "ui/dialogs/clubdata.h"
#include "ui/dialogs/newfile.h"
#include "ui/main/klassegrid.h"
#include "ui/main/mainform.h"

namespace kzo {

TClubCommando::TClubCommando(TMainForm& venster)
    : ToonDialoog([](QDialog& d) { return d.exec(); }), f_(venster) {}

void TClubCommando::ClubGegevens() {
  f_.DialoogVoorbereiden();
  if (f_.TabControl1()->currentIndex() > 0) {
    f_.KiesTab(0);
    f_.TabControl1Change();
  }
  f_.SluitBewerking(true);
  ClubDialoog();
}

void TClubCommando::ClubDialoog() {
  TCompetitie& comp = f_.Competitie();
  TClubData d(comp, f_.Gebruiker(), &f_);
  QObject::connect(&d, &TClubData::Hulp, &f_, [this](int c) { f_.Hulp(c); });
  // The grid lets go of its class before classes are freed or moved.
  d.KlassenWijzigen = [this] { f_.Grid().ToonKlasse(nullptr); };
  d.Laden();
  if (ToonDialoog(d) != QDialog::Accepted) d.Herstellen();
  // Whatever the outcome: the first class again.
  comp.ActieveTab = 0;
  f_.ToonCompetitie();
}

void TClubCommando::Nieuw() {
  f_.SluitBewerking();
  if (!f_.VraagBewaren()) return;
  f_.DialoogVoorbereiden();
  TCompetitie& comp = f_.Competitie();
  int keuze = TNewFile::GeheelNieuw;
  if (comp.AantalKlassen() > 0) {
    TNewFile d(&f_);
    QObject::connect(&d, &TNewFile::Hulp, &f_, [this](int c) { f_.Hulp(c); });
    keuze = ToonDialoog(d) == QDialog::Accepted ? d.Keuze() : -1;
  }
  if (keuze < 0) return;
  if (keuze == TNewFile::GeheelNieuw) {
    f_.Sluiten();
    comp.StandaardInstellingen(DatumNu(f_.Klok()));
  } else {
    f_.SluitBewerking(true);
    f_.Grid().ToonKlasse(nullptr);
    NieuwMetInstellingen(comp, keuze == TNewFile::MetNamen, DatumNu(f_.Klok()));
    f_.ToonCompetitie();
  }
  ClubDialoog();
}

void NieuwMetInstellingen(TCompetitie& comp, bool namenHouden, std::int32_t nu) {
  TClubInfo& club = comp.Club;
  if (!namenHouden) club.IDCounter = 0;
  for (auto& k : comp.Tabs) {
    if (!k) continue;
    TTabel& sg = k->SG;
    VerwijderEindstand(*k);
    if (namenHouden) {
      for (int r = 1; r < sg.RowCount(); ++r)
        if (TRijder* rd = sg.Rijder(r))
          std::fill(std::begin(rd->Rijder.uitslag), std::end(rd->Rijder.uitslag), UitGeen);
    } else {
      sg.SetRowCount(2);
      sg.Rij(1) = TRij{};
      sg.Rij(1).marker = " ";
      sg.Rij(1).positie = "1";
      auto rd = std::make_unique<TRijder>();
      rd->Rijder.IDnum = comp.NieuwID();
      sg.Rij(1).rijder = std::move(rd);
    }
    sg.FixedCols = 1;
    k->InfoKlasse.aantalUitslInfo = 0;
    k->InfoKlasse.aantaluitslagen = 0;
    sg.SetColCount(k->UitslPos);
    sg.Row = 1;
    sg.Col = std::min(sg.Col, sg.ColCount() - 1);
  }
  club.AlgOptie &= ~0x100;
  comp.MynData.Wissen();
  club.IDnummer = nu;
  club.Created = nu;
  club.UpDate = 0;
  comp.Gewijzigd = 1;
  comp.Bestandsnaam.clear();
  comp.ActieveTab = 0;
}

}  // namespace kzo
