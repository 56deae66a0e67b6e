#pragma once

#include <QDialog>
#include <functional>

#include "core/model/competitie.h"
#include "core/scoring/eindstand.h"
#include "core/scoring/rekencontext.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kzo {

class TMeldLijst;

// "Eindstanden berekenen": chooses what the final standings show and for which
// classes, then has them computed. Loading the controls and computing are separate
// steps, so both can be used without showing the dialog.
class TCalc : public QDialog {
  Q_OBJECT

 public:
  static constexpr int HelpContext = 310;

  TCalc(TCompetitie& comp, QWidget* ouder = nullptr);

  // The controls from the option word of the last run and the active class.
  void Laden(int eindOptie);
  // The choices the controls show now.
  TEindKeuze Keuze() const;
  // OK: EindOptie rebuilt into staat, the computed columns appended and the classes
  // sorted; tie lines go to meldingen when it is set.
  void Toepassen(TRekenStaat& staat, char decimaal, TMeldLijst* meldingen);
  // The enabling rules; run on every click of the radio buttons and total boxes.
  void Inschakelen();

  // Runs the dialog; true when "&Ok" computed the standings. tonen replaces the modal
  // run when set (it returns whether the dialog was accepted).
  static bool Open(TCompetitie& comp, TRekenStaat& staat, char decimaal, TMeldLijst* meldingen,
                   const std::function<void(int)>& hulp, QWidget* ouder,
                   const std::function<bool(TCalc&)>& tonen = {});

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
  QPushButton* OkKnop = nullptr;
  QPushButton* HelpKnop = nullptr;
  QPushButton* AnnuleerKnop = nullptr;

 signals:
  void Hulp(int context);

 private:
  TCompetitie& comp_;
};

}  // namespace kzo
