#pragma once

#include <string_view>

#include "core/scoring/meldlijst.h"
#include "ui/widgets/dialoog.h"

class QListWidget;

namespace kzo {

class TContext;

// The message list window: one-line findings, each with a data number. Clicking a line
// moves the main grid's cursor to what the line is about, while the window shows. Normal mode
// serves the result check (the data number is a result number), standings mode the ties of a final
// standing (the data number is a class's tab index).
class TToonBox : public TDialoog {
  Q_OBJECT

 public:
  static constexpr int HelpNormaal = 275;
  static constexpr int HelpGelijken = 315;

  explicit TToonBox(TContext& ctx, QWidget* ouder = nullptr);

  // The lines; a computation or check fills them through this.
  TMeldLijst& Lijst() { return lijst_; }
  void Toevoegen(std::string_view s, int data) { lijst_.Toevoegen(s, data); }
  bool HebTekst() const { return lijst_.HebTekst(); }

  using TDialoog::Open;
  // Normal mode: shown once, then emptied.
  void Open();
  // Standings mode over the competition's tabs: shown once, then emptied.
  void Gelijken();
  bool Normaal() const { return normal_; }
  int HelpContext() const override { return normal_ ? HelpNormaal : HelpGelijken; }

  // The list filled from the lines, for the mode; Open and Gelijken do this first.
  void ZetModus(bool normaal);
  // What a click on line i does (the line becomes the selected one).
  void Klik(int i);

  // Reads the whole number that starts at pos, after any blanks; 0 when there is none.
  static int GetalNa(std::string_view tekst, std::size_t pos);

  QListWidget* ListBox1 = nullptr;

 private:
  void Toon();
  void ListBox1Click();
  void KlikNormaal(const TMeldLijst::TRegel& regel);
  void KlikGelijken(const TMeldLijst::TRegel& regel);

  TContext& ctx_;
  TMeldLijst lijst_;
  bool normal_ = true;
};

}  // namespace kzo
