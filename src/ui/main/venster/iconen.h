#pragma once

#include <QIcon>

namespace kzo {

// The tool bar's pictures. Drawn as vectors, so they stay sharp at every size and need
// no icon theme.
enum class TIcoon {
  Nieuw,
  Openen,
  Bewaar,
  Printen,
  Rijder,
  RijderToevoegen,
  RijderVerwijderen,
  SnelUitslagen,
  InformatieUitslagen,
  ControleUitslagen,
  Eindstanden,
  Dagklassement,
  Help,
};

QIcon MaakIcoon(TIcoon soort);

}  // namespace kzo
