#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

#include "ui/widgets/gebruiker.h"

namespace kzo {

// Answers from a script and records what was asked; never shows a window.
// A question without a scripted answer fails the test instead of blocking.
class TScriptGebruiker final : public IGebruiker {
 public:
  std::vector<std::uint32_t> meldingen;
  std::vector<QString> vragen, fouten, informatie, bestandsvragen;
  std::deque<Antwoord> antwoorden;
  std::deque<std::optional<QString>> bestanden;  // for open, save and folder dialogs
  std::deque<std::optional<QFont>> lettertypen;
  std::deque<std::optional<QColor>> kleuren;
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
