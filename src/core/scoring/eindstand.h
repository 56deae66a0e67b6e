#pragma once

// The computation of the final-standings dialog (TCalc): the option word
// EindOptie, the net count of a class and what happens on OK. The dialog itself lives
// in the UI and only gathers a TEindKeuze.

#include "core/model/competitie.h"
#include "core/model/klasse.h"
#include "core/scoring/rekencontext.h"

namespace kzo {

class TMeldLijst;

// The choices of TCalc, one field per bit group of EindOptie.
struct TEindKeuze {
  bool BrutoNetto = true;   // bit 0: gross/net standing; false = average points
  bool Netto = true;        // bit 1: "&Netto totaal"
  bool Bruto = true;        // bit 2: "&Bruto totaal"
  bool Dag = false;         // bit 3: "Als dagklasse&ment"
  int BM = 1;               // bits 4-5: treatment of BM riders, 0..3
  bool AlleKlassen = true;  // bit 6: all classes; false = the active class
};

// The item texts of the BM list, by index.
const char* BMKeuzeTekst(int index);

int EindOptieWoord(const TEindKeuze& k);
TEindKeuze EindKeuzeVan(int eindOptie);

// The number of results that count for the net total of the class under the club's
// rule; 0 for a tab without a class.
int NettoAantal(TKlasse* k, const TClubInfo& club);

// OK of TCalc: EindOptie is rebuilt from the choices (in staat), then for the active
// class or every class the computed columns are appended and the class is sorted into
// its standing. netSpin is the net count chosen for the active class (used with the
// current-class button); tie lines go to meldingen when it is set.
void BerekenEindstanden(TCompetitie& comp, TRekenStaat& staat, const TEindKeuze& keuze, int netSpin,
                        char decimaal, TMeldLijst* meldingen);

// The same for one class (tab index i), with the net count already chosen.
void BerekenEindstand(TKlasse& k, int i, const TRekenContext& ctx, const TEindKeuze& keuze,
                      int netUn);

}  // namespace kzo
