#include "support/scratch_directory.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "example/shop.h"

namespace testing_support {

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("kalvero-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a scratch directory");
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  // Make everything removable again, in case a test took permissions away.
  for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    if (!it->is_symlink(ignored))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

void ScratchDirectory::write(std::string_view name, std::string_view bytes) const {
  if (!example::write_file((path_ / std::string(name)).string(), bytes)) {
    throw std::runtime_error("cannot write " + std::string(name));
  }
}

std::string ScratchDirectory::read(std::string_view name) const {
  return read_file(path_ / std::string(name));
}

bool ScratchDirectory::exists(std::string_view name) const {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path_ / std::string(name), ignored));
}

std::vector<std::string> ScratchDirectory::names_in_order() const {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
