#include "ui/main/commando/rijdercommando.h"

#include <QLineEdit>

#include "ui/dialogs/rijder/rijderdata.h"
#include "ui/main/commando/commando.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/widgets/context.h"

namespace kzo {

TRijderCommando::TRijderCommando(TContext& ctx, TKlasseGrid& grid, QWidget* venster)
    : QObject(venster), ctx_(ctx), grid_(grid), venster_(new TRijderData(ctx, venster)) {
  connect(venster_, &TRijderData::Zichtbaar, &grid_, &TKlasseGrid::ZetRijderDataZichtbaar);
  connect(venster_, &TRijderData::Hulp, &ctx_, &TContext::Hulp);
  connect(venster_, &TRijderData::Vol, this, [this] { ctx_.Gebruiker().Piep(); });
  connect(&ctx_, &TContext::VensterSluiten, this, &TRijderCommando::Sluiten);
  // While it shows, the window follows the grid's cursor.
  connect(&grid_, &TKlasseGrid::CelGekozen, this, [this](int, int r) {
    if (Zichtbaar()) venster_->SetTekst(r);
  });
  connect(&grid_, &TKlasseGrid::RijderDataVernieuwen, this, [this](int r) {
    if (Zichtbaar()) venster_->SetTekst(r);
  });
  connect(&grid_, &TKlasseGrid::RijderDataFocus, this, [this] {
    if (!Zichtbaar()) return;
    venster_->raise();
    venster_->activateWindow();
    if (!venster_->focusWidget()) venster_->Edit1->setFocus(Qt::OtherFocusReason);
  });
}

void TRijderCommando::Registreer(TCommando& c) {
  c.Registreer(actie::Rijder, this, [this] { GegevensRijder(); });
  c.Registreer(actie::RijderToevoegen, this, [this] { RijderToevoegen(); });
}

bool TRijderCommando::Zichtbaar() const { return venster_->isVisible(); }

void TRijderCommando::GegevensRijder() {
  ctx_.SluitBewerking(true);
  if (!grid_.Klasse()) return;
  venster_->Open();
}

void TRijderCommando::RijderToevoegen() {
  TKlasse* k = grid_.Klasse();
  if (!k) return;
  ctx_.SluitBewerking();
  if (Zichtbaar()) {
    venster_->Toevoegen();
    venster_->activateWindow();
    return;
  }
  const int rij = NieuweRijderRij(*k, ctx_.Competitie().Club.IDCounter);
  if (rij < 0) {
    ctx_.Gebruiker().Piep();  // the class is full
  } else {
    grid_.Vernieuw();
    // Without the usual fixed columns the name is typed in the grid itself.
    if (grid_.Grid()->FixedCols() < 2) {
      grid_.Grid()->SetCurrentCell(1, rij);
      grid_.Grid()->setFocus();
      grid_.StartBewerken(QChar());
      return;
    }
    grid_.Grid()->SetCurrentCell(grid_.Grid()->Col(), rij);
  }
  venster_->Open();
  venster_->Edit1->setFocus(Qt::OtherFocusReason);
}

void TRijderCommando::SafeTekst() {
  if (Zichtbaar()) venster_->SafeTekst();
}

void TRijderCommando::Sluiten() { venster_->Sluiten(); }

}  // namespace kzo
