#include "ui/main/commando/eindstandcommando.h"

#include "ui/dialogs/eindstand/calc.h"
#include "ui/dialogs/eindstand/toonbox.h"
#include "ui/main/commando/commando.h"
#include "ui/widgets/context.h"
#include "ui/widgets/gebruiker.h"

namespace kzo {

TEindstandCommando::TEindstandCommando(TContext& ctx, QObject* ouder) : QObject(ouder), ctx_(ctx) {}

void TEindstandCommando::Registreer(TCommando& c) {
  c.Registreer(actie::Eindstanden, this, [this] { Eindstanden(); });
  c.Registreer(actie::VerwijderEindstanden, this, [this] { ctx_.VerwijderEindstanden(); });
}

void TEindstandCommando::Eindstanden() {
  ctx_.SluitBewerking();
  TCompetitie& comp = ctx_.Competitie();
  TKlasse* k = comp.Actief();
  if (!k || k->AantalUitslagen() <= 0) {
    ctx_.Gebruiker().Melding(70);
    return;
  }

  // The message list collects the ties while the standings are computed.
  TToonBox box(ctx_, ctx_.Venster());
  TCalc d(comp, ctx_.Staat(), ctx_.Decimaal(), &box.Lijst(), ctx_.Venster());
  if (ctx_.Open(d)) ctx_.KiesKlasse(comp.ActieveTab);
  if (box.HebTekst()) box.Gelijken();
}

}  // namespace kzo
