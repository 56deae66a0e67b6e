#include "ui/main/commando/bestandcommando.h"

#include <QFileInfo>

#include "core/file/bestand.h"
#include "ui/main/venster/mainform.h"

namespace kzo {

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
  f_.BeginMap = QFileInfo(bestand).absolutePath();
}

bool TBestandCommando::Laden(const QString& naam) {
  TCompetitie& comp = f_.Competitie();
  // The modeless windows let go of the classes that are about to be freed.
  f_.DialoogVoorbereiden();
  const TLaadUitslag r = BestandLaden(comp, S(naam), f_.Bestanden(), f_.Instellingen());
  if (!r.ok && r.melding == 0) return false;
  f_.ToonCompetitie();
  if (r.melding != 0) f_.Gebruiker().Melding(r.melding);
  return r.ok;
}

void TBestandCommando::Openen() {
  f_.SluitBewerking();
  const auto naam = f_.Gebruiker().OpenBestand(QStringLiteral("Openen"), f_.BeginMap, Filter());
  if (!naam) return;
  OnthoudMap(*naam);
  if (!f_.VraagBewaren()) return;
  f_.KiesTab(0);
  f_.TabControl1Change();
  Laden(*naam);
}

bool TBestandCommando::Bewaren() {
  f_.SluitBewerking();
  // A file never holds computed columns or marked results.
  f_.VerwijderEindstanden();
  TCompetitie& comp = f_.Competitie();
  if (comp.Bestandsnaam.empty()) return BewaarAls();
  if (!(comp.Club.versie & kVersie99) &&
      f_.Gebruiker().Vraag(VersieVraag(), IGebruiker::Knoppen::JaNee) != IGebruiker::Antwoord::Ja)
    return false;
  return Bewaar(comp.Bestandsnaam);
}

bool TBestandCommando::BewaarAls() {
  TCompetitie& comp = f_.Competitie();
  const auto gekozen =
      f_.Gebruiker().BewaarBestand(QStringLiteral("Bewaar als"), f_.BeginMap, Filter(),
                                   QStringLiteral("kzo"), Q(comp.Bestandsnaam));
  if (!gekozen) return false;
  OnthoudMap(*gekozen);
  const auto naam = BewaarAlsNaam(S(*gekozen));
  if (!naam) return false;
  return Bewaar(*naam);
}

Tletter TBestandCommando::Lettertype() {
  TCompetitie& comp = f_.Competitie();
  if (const TKlasse* k = comp.Actief()) return k->SG.Font;
  return comp.Club.Lettertype;
}

bool TBestandCommando::Bewaar(const std::string& naam) {
  TCompetitie& comp = f_.Competitie();
  const TFout fout =
      BestandBewaren(comp, naam, Lettertype(), f_.Klok(), f_.Bestanden(), f_.Instellingen());
  f_.WerkGewijzigdBij();
  if (fout) {
    f_.Gebruiker().Fout(QStringLiteral("Het bestand is niet bewaard:\n%1").arg(Q(*fout)));
    return false;
  }
  return true;
}

}  // namespace kzo
