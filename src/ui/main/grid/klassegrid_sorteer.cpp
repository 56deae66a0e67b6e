#include "core/scoring/sorteren.h"
#include "ui/main/grid/klassegrid.h"

namespace kzo {

void TKlasseGrid::Sorteer(int mode, int un, int max, int op) {
  // The computation state of the standings run; a header click reports no ties.
  TRekenStaat& staat = ctx_.Staat();
  const TRekenContext ctx{comp_.Club,      staat.Tellend,  staat.EindOptie,
                          ctx_.Decimaal(), &comp_.MynData, nullptr};
  Sorteren(*klasse_, ctx, mode, un, max, op);
}

}  // namespace kzo
