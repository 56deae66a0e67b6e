#include "ui/widgets/gebruiker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <utility>

#include "core/file/meldingen.h"

namespace kzo {

namespace {
const QString kTitel = QStringLiteral("Kzobaan");
}

void TQtGebruiker::Melding(std::uint32_t code) {
  QMessageBox box(IsWaarschuwing(code) ? QMessageBox::Warning : QMessageBox::Information, kTitel,
                  Q(MeldingTekst(code)), QMessageBox::Ok, ouder_);
  box.exec();
}

IGebruiker::Antwoord TQtGebruiker::Vraag(const QString& tekst, Knoppen knoppen) {
  QMessageBox::StandardButtons b = QMessageBox::Yes | QMessageBox::No;
  if (knoppen == Knoppen::JaNeeAnnuleren) b |= QMessageBox::Cancel;
  if (knoppen == Knoppen::OkAnnuleren) b = QMessageBox::Ok | QMessageBox::Cancel;
  QMessageBox box(QMessageBox::Question, kTitel, tekst, b, ouder_);
  // Dutch captions whatever the system's language.
  const std::pair<QMessageBox::StandardButton, const char*> kTeksten[] = {
      {QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nee"}, {QMessageBox::Cancel, "Annuleren"}};
  for (const auto& [knop, tekst] : kTeksten)
    if (QAbstractButton* k = box.button(knop)) k->setText(QString::fromUtf8(tekst));
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Antwoord::Ja;
    case QMessageBox::No:
      return Antwoord::Nee;
    case QMessageBox::Ok:
      return Antwoord::Ok;
    default:
      return Antwoord::Annuleren;
  }
}

void TQtGebruiker::Fout(const QString& tekst) { QMessageBox::critical(ouder_, kTitel, tekst); }

void TQtGebruiker::Informatie(const QString& tekst) {
  QMessageBox::information(ouder_, kTitel, tekst);
}

std::optional<QString> TQtGebruiker::OpenBestand(const QString& titel, const QString& map,
                                                 const QString& filter) {
  QString n = QFileDialog::getOpenFileName(ouder_, titel, map, filter);
  if (n.isEmpty()) return std::nullopt;
  return n;
}

std::optional<QString> TQtGebruiker::BewaarBestand(const QString& titel, const QString& map,
                                                   const QString& filter, const QString& defaultExt,
                                                   const QString& naam) {
  QFileDialog d(ouder_, titel, map, filter);
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setDefaultSuffix(defaultExt);
  // The dialog starts on the first filter that offers the default extension.
  const QString patroon = QStringLiteral("*.") + defaultExt;
  for (const QString& f : d.nameFilters())
    if (!defaultExt.isEmpty() && f.contains(patroon, Qt::CaseInsensitive)) {
      d.selectNameFilter(f);
      break;
    }
  if (!naam.isEmpty()) d.selectFile(naam);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().first();
}

std::optional<QString> TQtGebruiker::KiesMap(const QString& titel, const QString& start) {
  QString m = QFileDialog::getExistingDirectory(ouder_, titel, start);
  if (m.isEmpty()) return std::nullopt;
  return m;
}

std::optional<QFont> TQtGebruiker::KiesLettertype(const QFont& begin) {
  bool ok = false;
  QFont f = QFontDialog::getFont(&ok, begin, ouder_);
  if (!ok) return std::nullopt;
  return f;
}

std::optional<QColor> TQtGebruiker::KiesKleur(const QColor& begin) {
  QColor c = QColorDialog::getColor(begin, ouder_);
  if (!c.isValid()) return std::nullopt;
  return c;
}

void TQtGebruiker::Piep() { QApplication::beep(); }

int TQtGebruiker::Toon(QDialog& dialoog) { return dialoog.exec(); }

bool TQtGebruiker::OpenLink(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace kzo
