#pragma once

#include <QObject>

namespace kzo {

class TCommando;
class TContext;

// "&Algemeen …" (the user's own settings), "&Informatie …" and "&Help …".
class TAlgemeenCommando : public QObject {
  Q_OBJECT

 public:
  TAlgemeenCommando(TContext& ctx, TCommando& commando, QObject* ouder);

  void Registreer(TCommando& c);
  void Algemeen();
  void Informatie();

 private:
  TContext& ctx_;
  TCommando& commando_;
};

}  // namespace kzo
