#include "startup/windows/supplied_files.h"

#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "startup/user_folders.h"

namespace ks {

std::filesystem::path SuppliedFile(forms::Application& app, const std::string& name) {
  const std::filesystem::path local = WorkingFile(app, name);
  if (io::IsFile(local)) return local;
  const std::filesystem::path& folder = app.State<SuppliedFiles>().Folder;
  if (!folder.empty()) {
    if (auto installed = io::FindNoCase(folder, name); installed && io::IsFile(*installed)) return *installed;
  }
  return {};
}

}  // namespace ks
