#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/records/records.h"

namespace kzo {

// A read past the end of the bytes, or a count or length that the bytes cannot hold.
class TLeesFout : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Bounds-checked reading from bytes that are never trusted.
class TByteLezer {
 public:
  explicit TByteLezer(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Positie() const { return pos_; }
  std::size_t Grootte() const { return bytes_.size(); }
  std::size_t Rest() const { return bytes_.size() - pos_; }
  void Zoek(std::size_t pos);
  void Lees(void* doel, std::size_t n);
  std::span<const std::uint8_t> LeesBytes(std::size_t n);
  void Sla(std::size_t n) { Zoek(pos_ + CheckRest(n)); }
  std::int32_t LeesInt32();

  template <typename T>
  T LeesRecord() {
    static_assert(IsRawRecord<T>);
    T r;
    Lees(&r, sizeof r);
    return r;
  }

 private:
  std::size_t CheckRest(std::size_t n) const;
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// Writing into a growing byte buffer, with seeking back to rewrite a header.
class TByteSchrijver {
 public:
  std::size_t Positie() const { return pos_; }
  std::size_t Grootte() const { return bytes_.size(); }
  void Zoek(std::size_t pos) { pos_ = pos; }
  void ZoekEinde() { pos_ = bytes_.size(); }
  void Reserveer(std::size_t n) { bytes_.reserve(n); }
  void Schrijf(const void* bron, std::size_t n);
  void SchrijfInt32(std::int32_t v) { Schrijf(&v, sizeof v); }
  void SchrijfNullen(std::size_t n);

  template <typename T>
  void SchrijfRecord(const T& r) {
    static_assert(IsRawRecord<T>);
    Schrijf(&r, sizeof r);
  }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t> Neem() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace kzo
