#include "ui/widgets/dialoog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>

#include "ui/widgets/gebruiker.h"

namespace kzo {

TDialoog::TDialoog(const QString& titel, int helpContext, QWidget* ouder)
    : QDialog(ouder), helpContext_(helpContext) {
  setWindowTitle(titel);
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { emit Hulp(F1Context()); });
}

QDialogButtonBox* TDialoog::MaakKnoppen(int welke, const QString& okTekst) {
  auto* rij = new QDialogButtonBox(Qt::Horizontal, this);
  if (welke & KnopOk) {
    OkKnop = rij->addButton(okTekst, QDialogButtonBox::AcceptRole);
    OkKnop->setDefault(true);
    connect(OkKnop, &QPushButton::clicked, this, &TDialoog::OkGeklikt);
  }
  if (welke & KnopHelp) {
    HelpKnop = rij->addButton(T("&Help"), QDialogButtonBox::HelpRole);
    connect(HelpKnop, &QPushButton::clicked, this, [this] { emit Hulp(HelpContext()); });
  }
  if (welke & KnopAnnuleer) {
    AnnuleerKnop = rij->addButton(T("&Annuleren"), QDialogButtonBox::RejectRole);
    connect(AnnuleerKnop, &QPushButton::clicked, this, &QDialog::reject);
  }
  return rij;
}

void TDialoog::OkGeklikt() {
  if (Toepassen()) accept();
}

bool TDialoog::Open(IGebruiker& gebruiker) {
  Laden();
  const bool ok = gebruiker.Toon(*this) == QDialog::Accepted;
  if (ok)
    Afronden();
  else
    Annuleren();
  return ok;
}

}  // namespace kzo
