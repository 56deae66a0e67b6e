#include "ui/main/venster/status.h"

#include <QLocale>

#include "core/records/instellingen.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/widgets/gebruiker.h"

namespace kzo {

QString VensterTitel(const std::string& club, const std::string& klasse) {
  return (Q(club + " - ").left(33) + Q(klasse)).left(63);
}

QString InvoerwijzeTekst(const TClubInfo& club) {
  return SlaatPlaatsenOp(club) && !ToontPunten(club) ? QStringLiteral("Finish volgorde")
                                                     : QStringLiteral("Punten");
}

std::optional<QString> RijderPaneelTekst(const TKlasse& k, int row, const TClubInfo& club) {
  const int soort = StatusVeld(club);
  const TRijder* rd = k.Rijder(row);
  if (soort == 0 || !rd) return std::nullopt;
  const int veld = soort <= 2 ? soort : soort + 1;
  const char decimaal = QLocale().decimalPoint().at(0).toLatin1();
  QString t = Q(rd->VeldStr(veld, 1, club, decimaal ? decimaal : '.'));
  if (rd->BM()) t += QStringLiteral(" (Buitenmededinging)");
  return t;
}

QString KolomPaneelTekst(const TKlasse& k, int col, int row, const TClubInfo& club) {
  const TColData* cd = col >= 0 && col < k.SG.ColCount() ? k.SG.Kolom(col) : nullptr;
  const int soort = cd ? cd->mode : -1;
  switch (soort) {
    case VeldUitslag: {
      const TRijder* rd = k.Rijder(row);
      if (k.BN != 0 && rd && rd->Unused(cd->Data)) return QStringLiteral("Geschrapte uitslag");
      return KolomInfo(k, club, col);
    }
    case VeldNetto:
      return k.BN != 3 ? Q(k.NettoTekst) : QString();
    case VeldBruto:
    case VeldDag:
      return k.BN == 1 ? Q(k.NettoTekst) : QString();
    case VeldGemiddelde:
      return Q(GemiddeldeTekst(club.GemidOptie));
    default: {
      const int n = k.Selected();
      return n > 0 ? QStringLiteral("Geselecteerd: %1").arg(n) : QString();
    }
  }
}

int AantalRijders(const TCompetitie& comp) {
  int n = 0;
  for (const auto& k : comp.Tabs) {
    if (!k) continue;
    const int rijen = k->SG.RowCount() - 1;
    n += rijen;
    // A row without a rider counts as empty too.
    const TRijder* laatste = k->Rijder(rijen);
    if (rijen > 0 && (!laatste || laatste->IsLeeg())) --n;
  }
  return n;
}

}  // namespace kzo
