#include "ui/widgets/context.h"

#include <QLocale>

#include "core/file/meldingen.h"
#include "ui/widgets/dialoog.h"
#include "ui/widgets/gebruiker.h"
#include "ui/widgets/tekst.h"

namespace kzo {

TContext::TContext(IGebruiker& gebruiker, IInstellingenOpslag& instellingen,
                   IBestandsOpslag& bestanden, const TKlok& klok, QObject* ouder)
    : QObject(ouder),
      gebruiker_(gebruiker),
      instellingen_(instellingen),
      bestanden_(bestanden),
      klok_(klok) {
  const QString punt = QLocale().decimalPoint();
  if (!punt.isEmpty() && punt.at(0).unicode() < 128) decimaal_ = punt.at(0).toLatin1();
}

bool TContext::Open(TDialoog& dialoog) {
  const auto verbinding = connect(&dialoog, &TDialoog::Hulp, this, &TContext::Hulp);
  const bool ok = dialoog.Open(gebruiker_);
  disconnect(verbinding);
  return ok;
}

void TContext::DialoogVoorbereiden() {
  VerwijderEindstanden();
  emit VensterSluiten();
}

void TContext::VerwijderEindstanden() {
  if (kzo::VerwijderEindstanden(comp_)) emit EindstandenVerwijderd();
}

bool ControleerUniek(TContext& ctx, const QString& tekst, int kind, int skip) {
  const TKlasse* k = ctx.Klasse();
  if (!k) return true;
  const int r = ZoekDubbel(*k, ctx.Competitie().Club, S(tekst), kind, skip);
  if (r == 0) return true;
  ctx.Gebruiker().Melding(
      PakPositie(static_cast<std::uint32_t>(249 + kind), static_cast<std::uint32_t>(r)));
  return false;
}

bool DQToegestaan(const TContext& ctx) {
  const TKlasse* k = ctx.Klasse();
  if (!k) return false;
  const TTabel& sg = k->SG;
  if (sg.Row < 1 || sg.Row >= sg.RowCount() || sg.Col < 0 || sg.Col >= sg.ColCount()) return false;
  const TColData* cd = sg.Kolom(sg.Col);
  return cd && cd->mode == VeldUitslag && SlaatPlaatsenOp(ctx.Competitie().Club);
}

}  // namespace kzo
