#include "ui/main/commando/uitvoercommando.h"

#include "ui/dialogs/uitvoer/tekstuit.h"
#include "ui/main/commando/commando.h"
#include "ui/widgets/context.h"

namespace kzo {

TUitvoerCommando::TUitvoerCommando(TContext& ctx, QObject* ouder) : QObject(ouder), ctx_(ctx) {}

void TUitvoerCommando::Registreer(TCommando& c) {
  c.Registreer(actie::Uitvoer, this, [this] { Uitvoeren(); });
}

void TUitvoerCommando::Uitvoeren() {
  TCompetitie& comp = ctx_.Competitie();
  if (!comp.AantalKlassen()) return;
  TTekstUit d(comp, ctx_.Gebruiker(), onthouden_, ctx_.BeginMap(), ctx_.Decimaal(), ctx_.Venster());
  ctx_.Open(d);
}

}  // namespace kzo
