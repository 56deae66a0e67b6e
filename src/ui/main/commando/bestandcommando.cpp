#include "ui/main/commando/bestandcommando.h"

#include <QFileInfo>

#include "core/file/bestand.h"
#include "ui/main/commando/commando.h"
#include "ui/widgets/context.h"
#include "ui/widgets/gebruiker.h"

namespace kzo {

TBestandCommando::TBestandCommando(TContext& ctx, QObject* ouder) : QObject(ouder), ctx_(ctx) {}

void TBestandCommando::Registreer(TCommando& c) {
  c.Registreer(actie::Openen, this, [this] { Openen(); });
  c.Registreer(actie::Bewaren, this, [this] { Bewaren(); });
  c.Registreer(actie::Bewaar, this, [this] { Bewaren(); });
  c.Registreer(actie::BewaarAls, this, [this] {
    ctx_.SluitBewerking();
    ctx_.VerwijderEindstanden();
    BewaarAls();
  });
}

QString TBestandCommando::Filter() {
  // Both cases: on most file systems outside Windows the pattern is case-sensitive.
  return QStringLiteral("Kzobaan 2 (*.kzo *.KZO)");
}

QString TBestandCommando::VersieVraag() {
  return QStringLiteral(
      "Let Op!\nGegevens bewaard met deze versie zijn niet te open met oudere versies!\n"
      "Bewaren met dezelfde bestandsnaam?");
}

void TBestandCommando::OnthoudMap(const QString& bestand) {
  // The next dialog starts in the folder last used.
  ctx_.ZetBeginMap(QFileInfo(bestand).absolutePath());
}

bool TBestandCommando::Laden(const QString& naam) {
  // The modeless windows let go of the classes that are about to be freed.
  ctx_.DialoogVoorbereiden();
  const TLaadUitslag r =
      BestandLaden(ctx_.Competitie(), S(naam), ctx_.Bestanden(), ctx_.Instellingen());
  if (!r.ok && r.melding == 0) return false;
  ctx_.MeldCompetitieVervangen();
  if (r.melding != 0) ctx_.Gebruiker().Melding(r.melding);
  return r.ok;
}

void TBestandCommando::Openen() {
  ctx_.SluitBewerking();
  const auto naam =
      ctx_.Gebruiker().OpenBestand(QStringLiteral("Openen"), ctx_.BeginMap(), Filter());
  if (!naam) return;
  OnthoudMap(*naam);
  if (!VraagBewaren()) return;
  ctx_.KiesKlasse(0);
  Laden(*naam);
}

bool TBestandCommando::Bewaren() {
  ctx_.SluitBewerking();
  // A file never holds computed columns or marked results.
  ctx_.VerwijderEindstanden();
  TCompetitie& comp = ctx_.Competitie();
  if (comp.Bestandsnaam.empty()) return BewaarAls();
  if (!(comp.Club.versie & kVersie99) &&
      ctx_.Gebruiker().Vraag(VersieVraag(), IGebruiker::Knoppen::JaNee) != IGebruiker::Antwoord::Ja)
    return false;
  return Bewaar(comp.Bestandsnaam);
}

bool TBestandCommando::BewaarAls() {
  TCompetitie& comp = ctx_.Competitie();
  const auto gekozen =
      ctx_.Gebruiker().BewaarBestand(QStringLiteral("Bewaar als"), ctx_.BeginMap(), Filter(),
                                     QStringLiteral("kzo"), Q(comp.Bestandsnaam));
  if (!gekozen) return false;
  OnthoudMap(*gekozen);
  const auto naam = BewaarAlsNaam(S(*gekozen));
  if (!naam) return false;
  return Bewaar(*naam);
}

bool TBestandCommando::VraagBewaren() {
  if (!ctx_.Competitie().IsGewijzigd()) return true;
  switch (ctx_.Gebruiker().Vraag(QStringLiteral("Gegevens zijn nog niet bewaard, Bewaren ?"),
                                 IGebruiker::Knoppen::JaNeeAnnuleren)) {
    case IGebruiker::Antwoord::Ja:
      // Only a save that really happened lets the competition go.
      Bewaren();
      return !ctx_.Competitie().IsGewijzigd();
    case IGebruiker::Antwoord::Nee:
      return true;
    default:
      return false;
  }
}

void TBestandCommando::Sluiten() {
  ctx_.DialoogVoorbereiden();
  ctx_.SluitBewerking(true);
  ctx_.LaatKlassenLos();
  BestandSluiten(ctx_.Competitie());
  ctx_.MeldCompetitieVervangen();
}

Tletter TBestandCommando::Lettertype() {
  TCompetitie& comp = ctx_.Competitie();
  if (const TKlasse* k = comp.Actief()) return k->SG.Font;
  return comp.Club.Lettertype;
}

bool TBestandCommando::Bewaar(const std::string& naam) {
  const TFout fout = BestandBewaren(ctx_.Competitie(), naam, Lettertype(), ctx_.Klok(),
                                    ctx_.Bestanden(), ctx_.Instellingen());
  ctx_.MeldGewijzigd();
  if (fout) {
    ctx_.Gebruiker().Fout(QStringLiteral("Het bestand is niet bewaard:\n%1").arg(Q(*fout)));
    return false;
  }
  return true;
}

}  // namespace kzo
