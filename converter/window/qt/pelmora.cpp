// pelmora: the converter window.
#include <QApplication>
#include <filesystem>
#include <system_error>

#include "Forms.h"
#include "pmrform.h"

namespace {

// A desktop that opens an RTF file with pelmora passes the file: the window then starts in its folder
// (it always starts on the current folder, with nothing selected).
void StartInFolderOf(const char* path) {
  std::error_code ignored;
  const std::filesystem::path given(path);
  const auto folder = std::filesystem::is_directory(given, ignored) ? given : given.parent_path();
  if (!folder.empty()) std::filesystem::current_path(folder, ignored);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc > 1) StartInFolderOf(argv[1]);
  try {
    return pmrform::RunMainWindow();
  } catch (const std::exception& error) {
    // The window could not be built, e.g. the current folder cannot be read: say why, and end as a failure.
    Forms::ShowException(error);
    return 1;
  }
}
