// expandVAKobjects: reads in.idf in the working directory and writes expandedVAK.idf beside
// it. Takes no argument; any argument prints only the usage line.

#include <iostream>

#include "driver/run.h"
#include "platform/file_layer.h"
#include "platform/heap.h"

int main(int argc, char**) {
  if (argc != 1) {
    std::cout << "USO: expandVAKobjects.exe input.idf \n";
    return 0;
  }
  vak::readyHeap();
  return vak::run(vak::systemFileLayer(), std::cout, std::cerr);
}
