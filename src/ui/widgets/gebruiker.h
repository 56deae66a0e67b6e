#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QUrl>
#include <cstdint>
#include <optional>

#include "ui/widgets/tekst.h"

class QDialog;
class QWidget;

namespace kzo {

// Every message box, question and file, folder, font and colour dialog goes through
// this interface. The program shows real Qt dialogs; tests script the answers.
class IGebruiker {
 public:
  enum class Antwoord { Ja, Nee, Annuleren, Ok };
  enum class Knoppen { JaNee, JaNeeAnnuleren, OkAnnuleren };

  virtual ~IGebruiker() = default;

  // A numbered message: caption "Kzobaan", exclamation icon up to 500, else information.
  virtual void Melding(std::uint32_t code) = 0;
  // A question with the question icon and caption "Kzobaan".
  virtual Antwoord Vraag(const QString& tekst, Knoppen knoppen) = 0;
  // A failure that is not a numbered message (a save that failed, and why).
  virtual void Fout(const QString& tekst) = 0;
  virtual void Informatie(const QString& tekst) = 0;

  // filter in Qt's form, e.g. "Kzobaan 2 (*.kzo)".
  virtual std::optional<QString> OpenBestand(const QString& titel, const QString& map,
                                             const QString& filter) = 0;
  // Asks before overwriting; defaultExt without the dot.
  virtual std::optional<QString> BewaarBestand(const QString& titel, const QString& map,
                                               const QString& filter, const QString& defaultExt,
                                               const QString& naam) = 0;
  virtual std::optional<QString> KiesMap(const QString& titel, const QString& start) = 0;
  virtual std::optional<QFont> KiesLettertype(const QFont& begin) = 0;
  virtual std::optional<QColor> KiesKleur(const QColor& begin) = 0;
  virtual void Piep() = 0;

  // Runs a modal dialog of the program; QDialog::Accepted or Rejected.
  virtual int Toon(QDialog& dialoog) = 0;
  // Opens a page or link with the desktop (help pages, mail and web links).
  virtual bool OpenLink(const QUrl& url) = 0;
};

// The real dialogs, parented to the given window.
class TQtGebruiker final : public IGebruiker {
 public:
  explicit TQtGebruiker(QWidget* ouder) : ouder_(ouder) {}
  void ZetOuder(QWidget* ouder) { ouder_ = ouder; }

  void Melding(std::uint32_t code) override;
  Antwoord Vraag(const QString& tekst, Knoppen knoppen) override;
  void Fout(const QString& tekst) override;
  void Informatie(const QString& tekst) override;
  std::optional<QString> OpenBestand(const QString& titel, const QString& map,
                                     const QString& filter) override;
  std::optional<QString> BewaarBestand(const QString& titel, const QString& map,
                                       const QString& filter, const QString& defaultExt,
                                       const QString& naam) override;
  std::optional<QString> KiesMap(const QString& titel, const QString& start) override;
  std::optional<QFont> KiesLettertype(const QFont& begin) override;
  std::optional<QColor> KiesKleur(const QColor& begin) override;
  void Piep() override;
  int Toon(QDialog& dialoog) override;
  bool OpenLink(const QUrl& url) override;

 private:
  QWidget* ouder_;
};

}  // namespace kzo
