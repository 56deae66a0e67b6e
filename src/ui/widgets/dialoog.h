#pragma once

#include <QDialog>

#include "ui/widgets/tekst.h"

class QDialogButtonBox;
class QPushButton;

namespace kzo {

class IGebruiker;

// The base of the program's modal dialogs: the help context with its "&Help" button and
// F1, the button row, and one way to run: Laden, shown through the prompt interface,
// Toepassen on "&Ok" while the dialog still shows (it stays open when that refuses),
// Afronden after it closed, Annuleren when it was cancelled.
class TDialoog : public QDialog {
  Q_OBJECT

 public:
  enum TKnoppen { KnopOk = 1, KnopHelp = 2, KnopAnnuleer = 4, OkHelpAnnuleer = 7 };

  TDialoog(const QString& titel, int helpContext, QWidget* ouder = nullptr);

  // The help page of the dialog as it is now (F1 and "&Help").
  virtual int HelpContext() const { return helpContext_; }

  // Runs the dialog; true when it was closed with "&Ok".
  bool Open(IGebruiker& gebruiker);
  // What "&Ok" does.
  void OkGeklikt();

  // The controls from the data.
  virtual void Laden() {}
  // "&Ok": the controls into the data; false keeps the dialog open.
  virtual bool Toepassen() { return true; }
  // After "&Ok" closed the dialog.
  virtual void Afronden() {}
  // After the dialog was cancelled.
  virtual void Annuleren() {}

  QPushButton* OkKnop = nullptr;
  QPushButton* HelpKnop = nullptr;
  QPushButton* AnnuleerKnop = nullptr;

 signals:
  void Hulp(int context);

 protected:
  // The button row at the bottom: "&Ok" (the default), "&Help", "&Annuleren".
  QDialogButtonBox* MaakKnoppen(int welke = OkHelpAnnuleer, const QString& okTekst = T("&Ok"));
  // F1 asks for this context; the "&Help" button for HelpContext().
  virtual int F1Context() const { return HelpContext(); }

 private:
  int helpContext_;
};

}  // namespace kzo
