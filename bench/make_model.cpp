// Writes a generated model to standard output, for timing the program on real files:
//   vak_make_model ordinary MEGABYTES
//   vak_make_model vrf OUTDOOR_UNITS INDOOR_UNITS

#include <cstdlib>
#include <iostream>
#include <string_view>

#include "bench/models.h"

int main(int argc, char** argv) {
  const std::string_view kind = argc > 1 ? argv[1] : "";
  if (kind == "ordinary" && argc == 3) {
    std::cout << vak::bench::ordinaryModel(std::strtoul(argv[2], nullptr, 10));
  } else if (kind == "vrf" && argc == 4) {
    std::cout << vak::bench::vrfModel(std::atoi(argv[2]), std::atoi(argv[3]));
  } else {
    std::cerr << "usage: vak_make_model ordinary MEGABYTES | vrf OUTDOOR_UNITS INDOOR_UNITS\n";
    return 2;
  }
  return std::cout ? 0 : 1;
}
