#pragma once

#include <QObject>

#include "output/tekstuitvoer.h"

namespace kzo {

class TCommando;
class TContext;

// "&Uitvoer tekst/html bestand …": the export dialog, with the choices it remembers for
// the rest of the program run.
class TUitvoerCommando : public QObject {
  Q_OBJECT

 public:
  TUitvoerCommando(TContext& ctx, QObject* ouder);

  void Registreer(TCommando& c);
  void Uitvoeren();
  const TTekstUitOpties& Onthouden() const { return onthouden_; }

 private:
  TContext& ctx_;
  TTekstUitOpties onthouden_;
};

}  // namespace kzo
