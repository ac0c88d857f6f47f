// Stands in for a program that tools/run-with-energyplus.bat starts, under wine: writes its
// working folder, its arguments one a line, and whether expandedVAK.idf is there to
// %STAND_IN_RECORDS%\<its name>.record, and exits with %STAND_IN_STATUS% (default 0). A stand-in
// .exe, as a .bat one would not pass its status back through wine's "call".

#include <cstdlib>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const char* records = std::getenv("STAND_IN_RECORDS");
  const char* status = std::getenv("STAND_IN_STATUS");
  if (records == nullptr || argc < 1) return 125;
  std::ofstream record(fs::path(records) / fs::path(argv[0]).stem().concat(".record"));
  record << fs::current_path().string() << '\n';
  for (int i = 1; i < argc; ++i) record << argv[i] << '\n';
  if (fs::exists("expandedVAK.idf")) record << "input present\n";
  return status != nullptr ? std::atoi(status) : 0;
}
