#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "core/model/competitie.h"
#include "output/tekstuitvoer.h"
#include "ui/widgets/gebruiker.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kzo {

// "Uitvoer tekst / HTML bestand": writes class grids to a text or HTML file through the
// export writers. Loading the controls, reading them back and writing the file are
// separate steps, so they can be used without showing the dialog.
class TTekstUit : public QDialog {
  Q_OBJECT

 public:
  static constexpr int HelpContext = 60;

  TTekstUit(TCompetitie& comp, IGebruiker& gebruiker, QWidget* ouder = nullptr);

  // The controls from the competition and the choices remembered from an earlier "&Ok".
  void Laden(const TTekstUitOpties& onthouden);
  // The choices the controls show, with the checked classes and the rider subset.
  TTekstUitOpties Opties() const;
  // The save dialog, then the file. False when nothing was written.
  bool Uitvoeren(const TTekstUitOpties& o, const QString& map, char decimaal);

  // Shows the dialog; on "&Ok" remembers the choices in onthouden and exports.
  static bool Open(TCompetitie& comp, IGebruiker& gebruiker, TTekstUitOpties& onthouden,
                   const QString& map, char decimaal, const std::function<void(int)>& hulp,
                   QWidget* ouder);

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

  QPushButton* OkKnop = nullptr;
  QPushButton* HelpKnop = nullptr;
  QPushButton* AnnuleerKnop = nullptr;

 signals:
  void Hulp(int context);

 private:
  // Each check box with its bit in the second flag word.
  std::array<std::pair<QCheckBox*, std::uint16_t>, 14> Vakjes() const;
  void BouwOp();
  void ZetStaat();
  void KlassenKeuze();

  TCompetitie& comp_;
  IGebruiker& gebruiker_;
};

}  // namespace kzo
