#pragma once

#include <QObject>
#include <memory>

namespace kzo {

class TMainForm;
class TRijderData;

// The rider data window and its commands: "&Gegevens rijder …" (F5) and
// "&Rijder toevoegen …" (F2). The window is made once and follows the grid's cursor.
class TRijderCommando : public QObject {
  Q_OBJECT

 public:
  explicit TRijderCommando(TMainForm& venster);
  ~TRijderCommando() override;

  TRijderData& Venster() { return *venster_; }
  bool Zichtbaar() const;

  void GegevensRijder();
  void RijderToevoegen();
  // Stores the window's pending edits (before a class switch).
  void SafeTekst();
  // Stores and hides the window (before a dialog that reorganises data).
  void Sluiten();

 private:
  TMainForm& f_;
  std::unique_ptr<TRijderData> venster_;
};

}  // namespace kzo
