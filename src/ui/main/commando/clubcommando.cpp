#include "ui/main/commando/clubcommando.h"

#include "core/file/bestand.h"
#include "ui/dialogs/club/clubdata.h"
#include "ui/dialogs/club/newfile.h"
#include "ui/main/commando/bestandcommando.h"
#include "ui/main/commando/commando.h"
#include "ui/widgets/context.h"

namespace kzo {

TClubCommando::TClubCommando(TContext& ctx, TBestandCommando& bestand, QObject* ouder)
    : QObject(ouder), ctx_(ctx), bestand_(bestand) {}

void TClubCommando::Registreer(TCommando& c) {
  c.Registreer(actie::Nieuw, this, [this] { Nieuw(); });
  c.Registreer(actie::ClubGegevens, this, [this] { ClubGegevens(); });
}

void TClubCommando::ClubGegevens() {
  ctx_.DialoogVoorbereiden();
  if (ctx_.Competitie().ActieveTab > 0) ctx_.KiesKlasse(0);
  ctx_.SluitBewerking(true);
  ClubDialoog();
}

void TClubCommando::ClubDialoog() {
  TClubData d(ctx_, ctx_.Venster());
  ctx_.Open(d);
  // Whatever the outcome: the first class again.
  ctx_.Competitie().ActieveTab = 0;
  ctx_.MeldCompetitieVervangen();
}

void TClubCommando::Nieuw() {
  ctx_.SluitBewerking();
  if (!bestand_.VraagBewaren()) return;
  ctx_.DialoogVoorbereiden();
  TCompetitie& comp = ctx_.Competitie();
  int keuze = TNewFile::GeheelNieuw;
  if (comp.AantalKlassen() > 0) {
    TNewFile d(ctx_.Venster());
    keuze = ctx_.Open(d) ? d.Keuze() : -1;
  }
  if (keuze < 0) return;
  if (keuze == TNewFile::GeheelNieuw) {
    bestand_.Sluiten();
    comp.StandaardInstellingen(DatumNu(ctx_.Klok()));
  } else {
    ctx_.SluitBewerking(true);
    ctx_.LaatKlassenLos();
    NieuwMetInstellingen(comp, keuze == TNewFile::MetNamen, DatumNu(ctx_.Klok()));
    ctx_.MeldCompetitieVervangen();
  }
  ClubDialoog();
}

}  // namespace kzo
