#include "ui/widgets/knoppen.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace kzo {

TDialoogKnoppen MaakDialoogKnoppen(const QString& okTekst) {
  TDialoogKnoppen k{new QPushButton(okTekst), new QPushButton(QStringLiteral("&Help")),
                    new QPushButton(QStringLiteral("&Annuleren")), new QHBoxLayout};
  k.ok->setDefault(true);
  k.rij->addStretch();
  k.rij->addWidget(k.ok);
  k.rij->addWidget(k.help);
  k.rij->addWidget(k.annuleer);
  return k;
}

}  // namespace kzo
