// libFuzzer harness: opening a competition file.
#include <cstdio>
#include <cstdlib>

#include "controle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fout = kzo::fuzz::ControleerBestand({data, size});
  if (!fout.empty()) {
    std::fprintf(stderr, "competition file: %s\n", fout.c_str());
    std::abort();
  }
  return 0;
}
