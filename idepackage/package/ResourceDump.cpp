// Writes the package's resources into files, one per resource (NAME.bin; the icon as MAINICON.ico),
// so that the Windows build compiles the very bytes the library serves into its resource section.
// Built and run on the build machine. Usage: korvex_resource_dump FOLDER

#include <cstdio>
#include <fstream>
#include <string>

#include "Korvex50.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvex_resource_dump FOLDER\n");
    return 2;
  }
  for (const std::string name : {"DESCRIPTION", "PACKAGEINFO", "PACKAGEOPTIONS", "VERSION", "MAINICON"}) {
    uint32_t size = 0;
    const void* bytes = FindPackageResource(name.c_str(), &size);
    const std::string file = std::string(argv[1]) + "/" + name + (name == "MAINICON" ? ".ico" : ".bin");
    std::ofstream out(file, std::ios::binary);
    if (bytes == nullptr || !out.write(static_cast<const char*>(bytes), size) || !out.flush()) {
      std::fprintf(stderr, "korvex_resource_dump: cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
