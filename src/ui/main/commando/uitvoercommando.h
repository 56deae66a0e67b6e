#pragma once

#include "output/tekstuitvoer.h"

namespace kzo {

class TMainForm;

// "&Uitvoer tekst/html bestand …": the export dialog, with the choices it remembers for
// the rest of the program run.
class TUitvoerCommando {
 public:
  explicit TUitvoerCommando(TMainForm& venster) : f_(venster) {}

  void Uitvoeren();
  const TTekstUitOpties& Onthouden() const { return onthouden_; }

 private:
  TMainForm& f_;
  TTekstUitOpties onthouden_;
};

}  // namespace kzo
