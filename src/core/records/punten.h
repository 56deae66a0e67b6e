#pragma once

#include "core/records/records.h"

namespace kzo {

// The points table of the competition header: places to points and back. They sit
// beside the header because the rider's field texts need them too.
int PlaatsNaarPunten(const TClubInfo& club, int p);
int PuntenNaarPlaats(const TClubInfo& club, int a);

}  // namespace kzo
