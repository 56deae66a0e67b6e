// libFuzzer harness: reading another competition file to add classes from it.
#include <cstdio>
#include <cstdlib>

#include "controle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (bool oneven : {false, true}) {
    const std::string fout = kzo::fuzz::ControleerAanvul({data, size}, oneven);
    if (!fout.empty()) {
      std::fprintf(stderr, "adding classes: %s\n", fout.c_str());
      std::abort();
    }
  }
  return 0;
}
