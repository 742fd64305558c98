#pragma once
// Whole files in and out, byte for byte, for the converter tests.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace pmrconv::test {

inline std::string ReadAll(const std::filesystem::path& Path) {
  std::ifstream in(Path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteAll(const std::filesystem::path& Path, std::string_view Text) {
  std::ofstream(Path, std::ios::binary) << Text;
}

}  // namespace pmrconv::test
