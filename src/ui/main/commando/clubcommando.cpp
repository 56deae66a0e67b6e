#include "ui/main/commando/clubcommando.h"

#include <QTabBar>
#include <algorithm>

#include "core/file/bestand.h"
#include "ui/dialogs/club/clubdata.h"
#include "ui/dialogs/club/newfile.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/main/venster/mainform.h"

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

}  // namespace kzo
