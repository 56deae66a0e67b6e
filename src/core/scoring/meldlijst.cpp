#include "core/scoring/meldlijst.h"

namespace kzo {

void TMeldLijst::Toevoegen(std::string_view s, int data) {
  if (s.empty()) return;
  regels_.push_back({std::string(s), data});
}

}  // namespace kzo
