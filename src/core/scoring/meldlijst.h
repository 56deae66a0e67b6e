#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kzo {

// The data side of the message list window (TToonBox): one-line findings, each with a
// data number (a class index for tie lines, a result number for the result check).
class TMeldLijst {
 public:
  struct TRegel {
    std::string Tekst;
    int Data = 0;
  };

  // An empty text is not added.
  void Toevoegen(std::string_view s, int data);
  bool HebTekst() const { return !regels_.empty(); }
  int Count() const { return static_cast<int>(regels_.size()); }
  const std::vector<TRegel>& Regels() const { return regels_; }
  const TRegel& Regel(int i) const { return regels_[static_cast<std::size_t>(i)]; }
  void Wissen() { regels_.clear(); }

 private:
  std::vector<TRegel> regels_;
};

}  // namespace kzo
