#include "core/scoring/sorteren.h"
#include "ui/main/grid/klassegrid.h"

namespace kzo {

void TKlasseGrid::Sorteer(int mode, int un, int max, int op) {
  TTellend& tellend = rekenStaat_ ? rekenStaat_->Tellend : tellend_;
  const int eindOptie = rekenStaat_ ? rekenStaat_->EindOptie : eindOptie_;
  // A header click reports no ties: no message list.
  const TRekenContext ctx{comp_.Club, tellend, eindOptie, decimaal_, &comp_.MynData, nullptr};
  Sorteren(*klasse_, ctx, mode, un, max, op);
}

}  // namespace kzo
