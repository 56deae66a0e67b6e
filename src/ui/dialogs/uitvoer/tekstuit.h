#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "core/model/competitie.h"
#include "output/tekstuitvoer.h"
#include "ui/widgets/dialoog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace kzo {

class IGebruiker;

// "Uitvoer tekst / HTML bestand": writes class grids to a text or HTML file through the
// export writers. On "&Ok" the choices are remembered in onthouden for the next time
// and the file is written, in the folder map to start with.
class TTekstUit : public TDialoog {
  Q_OBJECT

 public:
  static constexpr int Help = 60;

  TTekstUit(TCompetitie& comp, IGebruiker& gebruiker, TTekstUitOpties& onthouden,
            const QString& map, char decimaal, QWidget* ouder = nullptr);

  // The controls from the competition and the choices remembered from an earlier "&Ok".
  void Laden() override;
  // The choices the controls show, with the checked classes and the rider subset.
  TTekstUitOpties Opties() const;
  // The save dialog, then the file. False when nothing was written.
  bool Uitvoeren(const TTekstUitOpties& o, const QString& map, char decimaal);
  // After "&Ok": the choices remembered, the file written.
  void Afronden() override;

  static QString Filter();

  // "Type bestand:"
  QRadioButton* Tekstbestand = nullptr;
  QRadioButton* HtmlBestand = nullptr;
  // "Uit te voeren klassen"
  QRadioButton* HuidigeKlasse = nullptr;
  QRadioButton* AlleKlassen = nullptr;
  QRadioButton* SelectieKlassen = nullptr;
  QListWidget* CheckListBox1 = nullptr;
  // "Uitvoer bewerkscherm  inclusief :"
  QCheckBox* Uitslagen = nullptr;
  QCheckBox* Startnummer = nullptr;
  QCheckBox* Netto = nullptr;
  QCheckBox* Bruto = nullptr;
  QCheckBox* Totaal = nullptr;
  QCheckBox* AantalUitslagen = nullptr;
  QCheckBox* Gemiddelde = nullptr;
  // "Diverse :"
  QCheckBox* Informatie = nullptr;
  QCheckBox* WisselNaam = nullptr;
  QCheckBox* Clubnaam = nullptr;
  QCheckBox* KlasseNaam = nullptr;
  QCheckBox* AlleenGeselecteerd = nullptr;
  // "Uitslagen :"
  QCheckBox* NulLeeg = nullptr;
  QCheckBox* LeegPrint = nullptr;
  QLineEdit* LeegTekst = nullptr;
  QCheckBox* EenVeld = nullptr;
  QLabel* TussenLabel = nullptr;
  QLineEdit* TussenTekst = nullptr;
  // "Velden scheiden met :"
  QRadioButton* Tabteken = nullptr;
  QRadioButton* Puntkomma = nullptr;
  QRadioButton* ElkVeldRegel = nullptr;
  QRadioButton* Karakter = nullptr;
  QLineEdit* KarakterTekst = nullptr;

 private:
  // Each check box with its bit in the second flag word.
  std::array<std::pair<QCheckBox*, std::uint16_t>, 14> Vakjes() const;
  void BouwOp();
  void ZetStaat();
  void KlassenKeuze();

  TCompetitie& comp_;
  IGebruiker& gebruiker_;
  TTekstUitOpties& onthouden_;
  QString map_;
  char decimaal_;
};

}  // namespace kzo
