#include "ui/main/commando/rijdercommando.h"

#include <QAction>
#include <QLineEdit>

#include "ui/dialogs/rijder/rijderdata.h"
#include "ui/main/commando/commando.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/main/venster/mainform.h"

namespace kzo {

TRijderCommando::TRijderCommando(TMainForm& venster) : QObject(&venster), f_(venster) {
  TKlasseGrid& g = f_.Grid();
  TRijderDataGrid koppeling;
  koppeling.Klasse = [&g] { return g.Klasse(); };
  koppeling.Rij = [&g] { return g.Grid()->Row(); };
  koppeling.NaarRij = [&g](int r) { g.Grid()->SetCurrentCell(g.Grid()->Col(), r); };
  koppeling.Vernieuw = [&g] { g.Vernieuw(); };
  koppeling.Herteken = [&g] { g.Grid()->InvalidateGrid(); };
  koppeling.ControleerUniek = [&g](const QString& t, int kind, int skip) {
    return g.ControleerUniek(t, kind, skip);
  };
  koppeling.KolomVerbreden = [&g](int kind) { g.KolomVerbreden(kind); };
  koppeling.GridFocus = [this, &g] {
    f_.activateWindow();
    g.Grid()->setFocus(Qt::OtherFocusReason);
  };
  koppeling.Gewijzigd = [this] { f_.WerkGewijzigdBij(); };
  venster_ = std::make_unique<TRijderData>(f_.Competitie(), std::move(koppeling), &f_);

  connect(venster_.get(), &TRijderData::Zichtbaar, &g, &TKlasseGrid::ZetRijderDataZichtbaar);
  connect(venster_.get(), &TRijderData::Hulp, &f_, &TMainForm::Hulp);
  connect(venster_.get(), &TRijderData::Vol, this, [this] { f_.Gebruiker().Piep(); });
  // While it shows, the window follows the grid's cursor.
  connect(&g, &TKlasseGrid::CelGekozen, this, [this](int, int r) {
    if (Zichtbaar()) venster_->SetTekst(r);
  });
  connect(&g, &TKlasseGrid::RijderDataVernieuwen, this, [this](int r) {
    if (Zichtbaar()) venster_->SetTekst(r);
  });
  connect(&g, &TKlasseGrid::RijderDataFocus, this, [this] {
    if (!Zichtbaar()) return;
    venster_->raise();
    venster_->activateWindow();
    if (!venster_->focusWidget()) venster_->Edit1->setFocus(Qt::OtherFocusReason);
  });

  TCommando& c = f_.Commando();
  connect(c.Actie(actie::Rijder), &QAction::triggered, this, &TRijderCommando::GegevensRijder);
  connect(c.Actie(actie::RijderToevoegen), &QAction::triggered, this,
          &TRijderCommando::RijderToevoegen);
}

TRijderCommando::~TRijderCommando() = default;

bool TRijderCommando::Zichtbaar() const { return venster_->isVisible(); }

void TRijderCommando::GegevensRijder() {
  f_.SluitBewerking(true);
  if (!f_.Grid().Klasse()) return;
  venster_->Open();
}

void TRijderCommando::RijderToevoegen() {
  TKlasseGrid& g = f_.Grid();
  TKlasse* k = g.Klasse();
  if (!k) return;
  f_.SluitBewerking();
  if (Zichtbaar()) {
    venster_->Toevoegen();
    venster_->activateWindow();
    return;
  }
  const int rij = NieuweRijderRij(*k, f_.Competitie().Club.IDCounter);
  if (rij < 0) {
    f_.Gebruiker().Piep();  // the class is full
  } else {
    g.Vernieuw();
    // Without the usual fixed columns the name is typed in the grid itself.
    if (g.Grid()->FixedCols() < 2) {
      g.Grid()->SetCurrentCell(1, rij);
      g.Grid()->setFocus();
      g.StartBewerken(QChar());
      return;
    }
    g.Grid()->SetCurrentCell(g.Grid()->Col(), rij);
  }
  venster_->Open();
  venster_->Edit1->setFocus(Qt::OtherFocusReason);
}

void TRijderCommando::SafeTekst() {
  if (Zichtbaar()) venster_->SafeTekst();
}

void TRijderCommando::Sluiten() { venster_->Sluiten(); }

}  // namespace kzo
