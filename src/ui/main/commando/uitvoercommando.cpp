#include "ui/main/commando/uitvoercommando.h"

#include <QLocale>

#include "ui/dialogs/uitvoer/tekstuit.h"
#include "ui/main/venster/mainform.h"

namespace kzo {

void TUitvoerCommando::Uitvoeren() {
  if (!f_.Competitie().AantalKlassen()) return;
  const QString d = QLocale().decimalPoint();
  TTekstUit::Open(
      f_.Competitie(), f_.Gebruiker(), onthouden_, f_.BeginMap,
      d.isEmpty() ? ',' : d.at(0).toLatin1(), [this](int c) { f_.Hulp(c); }, &f_);
}

}  // namespace kzo
