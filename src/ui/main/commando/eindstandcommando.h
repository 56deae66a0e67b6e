#pragma once

#include <QObject>
#include <functional>

#include "core/scoring/rekencontext.h"

namespace kzo {

class TCalc;
class TMainForm;
class TToonBox;

// "&Eindstanden …": the final-standings dialog with a message list window alongside
// for the ties, which is shown afterwards in its standings mode when it has lines.
class TEindstandCommando : public QObject {
  Q_OBJECT

 public:
  explicit TEindstandCommando(TMainForm& venster);

  void Eindstanden();

  // How the dialog and the message list are shown; tests drive them here instead of
  // running them modally.
  std::function<bool(TCalc&)> CalcTonen;
  std::function<void(TToonBox&)> LijstTonen;

  // Connects a message list window to the main window: a clicked line switches the
  // class and moves the grid's cursor while the window is open.
  static void Verbind(TToonBox& box, TMainForm& venster);

 private:
  TMainForm& f_;
  TRekenStaat staat_;
};

}  // namespace kzo
