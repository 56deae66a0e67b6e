#pragma once

#include <QObject>

namespace kzo {

class TCommando;
class TContext;
class TKlasseGrid;
class TRijderData;

// The rider data window and its commands: "&Gegevens rijder …" (F5) and
// "&Rijder toevoegen …" (F2). The window is made once and follows the grid's cursor.
class TRijderCommando : public QObject {
  Q_OBJECT

 public:
  TRijderCommando(TContext& ctx, TKlasseGrid& grid, QWidget* venster);

  void Registreer(TCommando& c);
  TRijderData& Venster() { return *venster_; }
  bool Zichtbaar() const;

  void GegevensRijder();
  void RijderToevoegen();
  // Stores the window's pending edits (before a class switch).
  void SafeTekst();
  // Stores and hides the window (before a dialog that reorganises data).
  void Sluiten();

 private:
  TContext& ctx_;
  TKlasseGrid& grid_;
  TRijderData* venster_;  // owned by the main window
};

}  // namespace kzo
