#include "core/model/bytestroom.h"

namespace kzo {

std::size_t TByteLezer::CheckRest(std::size_t n) const {
  if (n > Rest()) throw TLeesFout("unexpected end of data");
  return n;
}

void TByteLezer::Zoek(std::size_t pos) {
  if (pos > bytes_.size()) throw TLeesFout("position beyond the end of data");
  pos_ = pos;
}

void TByteLezer::Lees(void* doel, std::size_t n) {
  CheckRest(n);
  if (n) std::memcpy(doel, bytes_.data() + pos_, n);
  pos_ += n;
}

std::span<const std::uint8_t> TByteLezer::LeesBytes(std::size_t n) {
  CheckRest(n);
  auto s = bytes_.subspan(pos_, n);
  pos_ += n;
  return s;
}

std::int32_t TByteLezer::LeesInt32() {
  std::int32_t v;
  Lees(&v, sizeof v);
  return v;
}

void TByteSchrijver::Schrijf(const void* bron, std::size_t n) {
  if (pos_ + n > bytes_.size()) bytes_.resize(pos_ + n);
  if (n) std::memcpy(bytes_.data() + pos_, bron, n);
  pos_ += n;
}

void TByteSchrijver::SchrijfNullen(std::size_t n) {
  if (pos_ + n > bytes_.size()) bytes_.resize(pos_ + n);
  std::memset(bytes_.data() + pos_, 0, n);
  pos_ += n;
}

}  // namespace kzo
