#pragma once

// The core of WisUitslagen: erase results (the columns stay) or delete result
// columns (later results move left, with their remarks and series information). The
// result-columns dialog and the day classification call it.

#include "core/model/competitie.h"
#include "core/model/klasse.h"
#include "core/model/mijndata.h"

namespace kzo {

// Returns false when the class was left unchanged (first beyond its results).
bool WisUitslagen(TKlasse& k, const TClubInfo& club, TMynData& md, int first, int last, bool all,
                  bool verwijder);

// On the class of tab index; sets the modified flag when something changed.
bool WisUitslagen(TCompetitie& comp, int index, int first, int last, bool all, bool verwijder);

}  // namespace kzo
