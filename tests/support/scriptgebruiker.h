#pragma once

#include <QDialog>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/widgets/dialoog.h"
#include "ui/widgets/gebruiker.h"

namespace kzo {

// Answers from a script and records what was asked; never shows a window.
// A question or dialog without a scripted answer fails the test instead of blocking.
class TScriptGebruiker final : public IGebruiker {
 public:
  std::vector<std::uint32_t> meldingen;
  std::vector<QString> vragen, fouten, informatie, bestandsvragen;
  std::deque<Antwoord> antwoorden;
  std::deque<std::optional<QString>> bestanden;  // for open, save and folder dialogs
  std::deque<std::optional<QFont>> lettertypen;
  std::deque<std::optional<QColor>> kleuren;
  // The program's own dialogs: each answer works the dialog and returns its result.
  std::deque<std::function<int(QDialog&)>> dialogen;
  // Answers every dialog when the queue above is empty.
  std::function<int(QDialog&)> elkeDialoog;
  std::vector<QString> getoond;  // the captions of the dialogs shown
  std::vector<QUrl> links;
  bool linkOpent = true;
  int piepjes = 0;

  void Melding(std::uint32_t code) override { meldingen.push_back(code); }
  Antwoord Vraag(const QString& tekst, Knoppen) override {
    vragen.push_back(tekst);
    return Neem(antwoorden, "question");
  }
  void Fout(const QString& tekst) override { fouten.push_back(tekst); }
  void Informatie(const QString& tekst) override { informatie.push_back(tekst); }
  std::optional<QString> OpenBestand(const QString& titel, const QString&,
                                     const QString&) override {
    bestandsvragen.push_back(titel);
    return Neem(bestanden, "open dialog");
  }
  std::optional<QString> BewaarBestand(const QString& titel, const QString&, const QString&,
                                       const QString&, const QString&) override {
    bestandsvragen.push_back(titel);
    return Neem(bestanden, "save dialog");
  }
  std::optional<QString> KiesMap(const QString& titel, const QString&) override {
    bestandsvragen.push_back(titel);
    return Neem(bestanden, "folder dialog");
  }
  std::optional<QFont> KiesLettertype(const QFont&) override { return Neem(lettertypen, "font"); }
  std::optional<QColor> KiesKleur(const QColor&) override { return Neem(kleuren, "colour"); }
  void Piep() override { ++piepjes; }
  int Toon(QDialog& d) override {
    getoond.push_back(d.windowTitle());
    if (dialogen.empty() && elkeDialoog) return elkeDialoog(d);
    return Neem(dialogen, "dialog")(d);
  }
  bool OpenLink(const QUrl& url) override {
    links.push_back(url);
    return linkOpent;
  }

  // The next dialog must be a D; wat works it and returns its result.
  template <typename D, typename F>
  void Bij(F wat) {
    dialogen.push_back([wat](QDialog& d) -> int {
      auto* dd = dynamic_cast<D*>(&d);
      if (!dd) throw std::logic_error("unexpected dialog " + d.windowTitle().toStdString());
      return wat(*dd);
    });
  }
  // The next dialog closes with "&Ok" as the user would click it, or is cancelled.
  void BijOk() {
    dialogen.push_back([](QDialog& d) { return Ok(d); });
  }
  void BijAnnuleer() {
    dialogen.push_back([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
  }
  // "&Ok" clicked: the dialog applies and closes, or stays open (Rejected then).
  static int Ok(QDialog& d) {
    d.setResult(QDialog::Rejected);
    if (auto* t = dynamic_cast<TDialoog*>(&d))
      t->OkGeklikt();
    else
      d.accept();
    return d.result();
  }

 private:
  template <typename T>
  static T Neem(std::deque<T>& q, const char* wat) {
    if (q.empty()) throw std::logic_error(std::string("unscripted ") + wat);
    T t = std::move(q.front());
    q.pop_front();
    return t;
  }
};

}  // namespace kzo
