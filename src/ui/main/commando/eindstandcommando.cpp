#include "ui/main/commando/eindstandcommando.h"

#include <QLocale>

#include "core/model/klasse.h"
#include "ui/dialogs/eindstand/calc.h"
#include "ui/dialogs/eindstand/toonbox.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/main/venster/mainform.h"

namespace kzo {

TEindstandCommando::TEindstandCommando(TMainForm& venster) : QObject(&venster), f_(venster) {}

void TEindstandCommando::Verbind(TToonBox& box, TMainForm& venster) {
  TMainForm* f = &venster;
  box.NaarKlasse = [f](int tab) {
    // As the window message with the start stamp: the class shows at once.
    f->KiesTab(tab);
    f->Bericht(1, f->StartStempel());
  };
  box.NaarCel = [f](int col, int row) {
    f->SluitBewerking();
    f->Grid().Grid()->SetCurrentCell(col, row);
  };
  QObject::connect(&box, &TToonBox::Hulp, f, [f](int c) { f->Hulp(c); });
}

void TEindstandCommando::Eindstanden() {
  f_.SluitBewerking();
  TCompetitie& comp = f_.Competitie();
  TKlasse* k = comp.Actief();
  if (!k || k->AantalUitslagen() <= 0) {
    f_.Gebruiker().Melding(70);
    return;
  }

  // The message list collects the ties while the standings are computed.
  TToonBox box(comp, &f_);
  Verbind(box, f_);
  box.Tonen = LijstTonen;

  staat_.EindOptie = f_.EindOptie;
  const QString punt = QLocale().decimalPoint();
  const char decimaal = punt.isEmpty() ? ',' : punt.at(0).toLatin1();
  const bool berekend = TCalc::Open(
      comp, staat_, decimaal ? decimaal : ',', &box.Lijst(), [this](int c) { f_.Hulp(c); }, &f_,
      CalcTonen);
  if (berekend) {
    f_.EindOptie = staat_.EindOptie;
    f_.Grid().ZetEindOptie(staat_.EindOptie);
    f_.TabControl1Change();
  }
  if (box.HebTekst()) box.Gelijken();
}

}  // namespace kzo
