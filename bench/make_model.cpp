// Writes a generated model to standard output, for timing the program on real files:
//   vak_make_model long MEGABYTES       surfaces, about 35 bytes a line
//   vak_make_model short MEGABYTES      zones and materials, about 8 bytes a line
//   vak_make_model comment MEGABYTES    one comment line of that size
//   vak_make_model zonecomment MEGABYTES  templates, then a zone line with a comment that long
//   vak_make_model templates MEGABYTES  templates, then long lines: a file read twice
//   vak_make_model vrf OUTDOOR INDOOR   a VRF system of that many units
//   vak_make_model small                a typical 70 KB model
// An optional last argument changes the seed.

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "bench/models.h"

namespace {

std::size_t megabytes(const char* arg) {
  return std::strtoull(arg, nullptr, 10) << 20;
}

std::uint64_t seedFrom(int argc, char** argv, int at) {
  return argc > at ? std::strtoull(argv[at], nullptr, 10) : vak::bench::kSeed;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vak::bench;
  const std::string_view kind = argc > 1 ? argv[1] : "";
  std::string text;
  if (kind == "long" && argc >= 3) {
    text = longLineModel(megabytes(argv[2]), seedFrom(argc, argv, 3));
  } else if (kind == "short" && argc >= 3) {
    text = shortLineModel(megabytes(argv[2]), seedFrom(argc, argv, 3));
  } else if (kind == "comment" && argc >= 3) {
    text = longCommentModel(megabytes(argv[2]));
  } else if (kind == "zonecomment" && argc >= 3) {
    text = vrfModel(1, 1) + zoneCommentModel(megabytes(argv[2]));
  } else if (kind == "templates" && argc >= 3) {
    text = withTemplatesModel(megabytes(argv[2]), seedFrom(argc, argv, 3));
  } else if (kind == "vrf" && argc >= 4) {
    text = vrfModel(std::atoi(argv[2]), std::atoi(argv[3]), seedFrom(argc, argv, 4));
  } else if (kind == "small") {
    text = smallModel(seedFrom(argc, argv, 2));
  } else {
    std::cerr << "usage: vak_make_model long|short|comment|zonecomment|templates MEGABYTES | vrf "
                 "OUTDOOR INDOOR | small [SEED]\n";
    return 2;
  }
  std::cout << text;
  return std::cout.flush() ? 0 : 1;
}
