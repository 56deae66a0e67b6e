#include "ui/main/commando/algemeencommando.h"

#include <QToolBar>

#include "core/file/gebruikersinstellingen.h"
#include "ui/dialogs/algemeen/overkzo.h"
#include "ui/dialogs/algemeen/setextra.h"
#include "ui/main/commando/commando.h"
#include "ui/main/venster/status.h"
#include "ui/widgets/context.h"

namespace kzo {

TAlgemeenCommando::TAlgemeenCommando(TContext& ctx, TCommando& commando, QObject* ouder)
    : QObject(ouder), ctx_(ctx), commando_(commando) {}

void TAlgemeenCommando::Registreer(TCommando& c) {
  c.Registreer(actie::Algemeen, this, [this] { Algemeen(); });
  c.Registreer(actie::Informatie, this, [this] { Informatie(); });
  c.Registreer(actie::Help, this, [this] { ctx_.Hulp(ctx_.Klasse() ? 10 : 1); });
}

void TAlgemeenCommando::Algemeen() {
  TSetExtra d(ctx_.Instellingen(), ctx_.Gebruiker(), ctx_.Venster());
  ctx_.Open(d);
  commando_.Knoppenbalk()->setVisible(KnoppenbalkZichtbaar(ctx_.Instellingen()));
}

void TAlgemeenCommando::Informatie() {
  const TCompetitie& comp = ctx_.Competitie();
  ToverKzo d(comp, comp.AantalKlassen(), AantalRijders(comp), ctx_.Gebruiker(), ctx_.Venster());
  ctx_.Open(d);
}

}  // namespace kzo
