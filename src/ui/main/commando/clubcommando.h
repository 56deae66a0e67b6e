#pragma once

#include <QObject>

namespace kzo {

class TBestandCommando;
class TCommando;
class TContext;

// "&Club gegevens …" and "&Nieuw …" with its three ways of starting anew; each ends in
// the club settings dialog.
class TClubCommando : public QObject {
  Q_OBJECT

 public:
  TClubCommando(TContext& ctx, TBestandCommando& bestand, QObject* ouder);

  void Registreer(TCommando& c);
  void ClubGegevens();
  void Nieuw();

 private:
  void ClubDialoog();

  TContext& ctx_;
  TBestandCommando& bestand_;
};

}  // namespace kzo
