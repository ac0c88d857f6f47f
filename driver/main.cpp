// expandVAKobjects: reads in.idf in the working directory and writes expandedVAK.idf beside
// it. Takes no argument; any argument prints only the usage line. EXPANDVAK_SUMMARY=1 in the
// environment adds a design summary after the warnings.

#include <cstdlib>
#include <iostream>
#include <string_view>

#include "driver/run.h"
#include "platform/file_layer.h"
#include "platform/heap.h"

int main(int argc, char**) {
  if (argc != 1) {
    std::cout << "USO: expandVAKobjects.exe input.idf \n";
    return 0;
  }
  vak::readyHeap();
  vak::ConvertOptions options;
  const char* summary = std::getenv("EXPANDVAK_SUMMARY");
  options.designSummary = summary != nullptr && std::string_view(summary) == "1";
  return vak::run(vak::systemFileLayer(), std::cout, std::cerr, options);
}
