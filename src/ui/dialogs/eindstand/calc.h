#pragma once

#include "core/model/competitie.h"
#include "core/scoring/eindstand.h"
#include "core/scoring/rekencontext.h"
#include "ui/widgets/dialoog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace kzo {

class TMeldLijst;

// "Eindstanden berekenen": chooses what the final standings show and for which
// classes, then has them computed into the computation state; tie lines go to
// meldingen when it is set.
class TCalc : public TDialoog {
  Q_OBJECT

 public:
  static constexpr int Help = 310;

  TCalc(TCompetitie& comp, TRekenStaat& staat, char decimaal, TMeldLijst* meldingen,
        QWidget* ouder = nullptr);

  // The controls from the option word of the last run and the active class.
  void Laden() override;
  // The choices the controls show now.
  TEindKeuze Keuze() const;
  // After "&Ok": EindOptie rebuilt, the computed columns appended, the classes sorted.
  void Afronden() override;
  // The enabling rules; run on every click of the radio buttons and total boxes.
  void Inschakelen();

  static QString AantalTekst(int n);
  static QString NettoRegelTekst(const TClubInfo& club);

  QRadioButton* BrutoNettoKnop = nullptr;  // "&Eindstand met bruto / netto punten"
  QCheckBox* NettoBox = nullptr;           // "&Netto totaal"
  QCheckBox* BrutoBox = nullptr;           // "&Bruto totaal"
  QCheckBox* DagBox = nullptr;             // "Als dagklasse&ment"
  QRadioButton* GemiddeldeKnop = nullptr;  // "&Gemiddelde punten"
  QLabel* GemiddeldeLabel = nullptr;
  QComboBox* BMLijst = nullptr;
  QRadioButton* AlleKlassenKnop = nullptr;    // "Alle &klassen"
  QLabel* NettoRegelLabel = nullptr;          // the net rule
  QRadioButton* HuidigeKlasseKnop = nullptr;  // "&De huidige klasse"
  QGroupBox* NettoGroep = nullptr;            // "Netto berekening"
  QLabel* AantalLabel = nullptr;
  QSpinBox* NettoSpin = nullptr;

 private:
  TCompetitie& comp_;
  TRekenStaat& staat_;
  char decimaal_;
  TMeldLijst* meldingen_;
};

}  // namespace kzo
