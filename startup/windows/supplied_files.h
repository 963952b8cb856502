#pragma once
// The files that come with the program (pictures, tables, help text). The operator's working
// folder holds its own copies; the installed set in the program's data folder is the
// fall-back, so the windows still find their pictures when started elsewhere.
#include <filesystem>
#include <string>

namespace ks::forms {
class Application;
}

namespace ks {

// app.State<SuppliedFiles>(): the folder of the installed set, given by main() (the build
// passes the location of data/); empty when there is none.
struct SuppliedFiles {
  std::filesystem::path Folder;
};

// The working directory's copy of `name` (found without regard to case) when there is one,
// else the installed copy when that exists, else the empty path.
std::filesystem::path SuppliedFile(forms::Application& app, const std::string& name);

}  // namespace ks
