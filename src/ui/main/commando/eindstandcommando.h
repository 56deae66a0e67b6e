#pragma once

#include <QObject>

namespace kzo {

class TCommando;
class TContext;

// "&Eindstanden …" and "&Verwijder eindstanden": the final-standings dialog with a message
// list window alongside for the ties, shown afterwards in its standings mode when it has
// lines.
class TEindstandCommando : public QObject {
  Q_OBJECT

 public:
  TEindstandCommando(TContext& ctx, QObject* ouder);

  void Registreer(TCommando& c);
  void Eindstanden();

 private:
  TContext& ctx_;
};

}  // namespace kzo
