#pragma once

#include <QDialog>
#include <functional>
#include <string_view>

#include "core/model/competitie.h"
#include "core/scoring/meldlijst.h"

class QListWidget;
class QPushButton;

namespace kzo {

// The message list window: one-line findings, each with a data number. Clicking a line
// moves the main grid's cursor to what the line is about. Normal mode serves the result
// check (the data number is a result number), standings mode the ties of a final
// standing (the data number is a class's tab index).
class TToonBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int HelpNormaal = 275;
  static constexpr int HelpGelijken = 315;

  explicit TToonBox(TCompetitie& comp, QWidget* ouder = nullptr);

  // The lines; a computation or check fills them through this.
  TMeldLijst& Lijst() { return lijst_; }
  void Toevoegen(std::string_view s, int data) { lijst_.Toevoegen(s, data); }
  bool HebTekst() const { return lijst_.HebTekst(); }

  // Normal mode: shown once, then emptied.
  void Open();
  // Standings mode over the competition's tabs: shown once, then emptied.
  void Gelijken();
  bool Normaal() const { return normal_; }
  int HelpContext() const { return normal_ ? HelpNormaal : HelpGelijken; }

  // The list filled from the lines, for the mode; Open and Gelijken do this first.
  void ZetModus(bool normaal);
  // What a click on line i does (the line becomes the selected one).
  void Klik(int i);

  // Reads the whole number that starts at pos, after any blanks; 0 when there is none.
  static int GetalNa(std::string_view tekst, std::size_t pos);

  // How the main window is told: show the class on this tab at once, move the grid's
  // cursor. Set by whoever opens the window.
  std::function<void(int tab)> NaarKlasse;
  std::function<void(int col, int row)> NaarCel;
  // Replaces the modal run when set (tests click lines here).
  std::function<void(TToonBox&)> Tonen;

  QListWidget* ListBox1 = nullptr;
  QPushButton* OkKnop = nullptr;
  QPushButton* HelpKnop = nullptr;

 signals:
  void Hulp(int context);

 private:
  void Toon();
  void ListBox1Click();
  void KlikNormaal(const TMeldLijst::TRegel& regel);
  void KlikGelijken(const TMeldLijst::TRegel& regel);

  TCompetitie& comp_;
  TMeldLijst lijst_;
  bool normal_ = true;
};

}  // namespace kzo
