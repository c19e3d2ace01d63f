#include "tests/support/TempDir.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

namespace tarmaxion::testing {
namespace fs = std::filesystem;
namespace {

fs::path FromUtf8(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string ToUtf8(const fs::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device entropy;
  path_ = fs::temp_directory_path() /
          ("tarmaxion-test-" + std::to_string(entropy()) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  // Tests may leave read-only folders behind; their contents can go only once they are writable.
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  std::error_code walk;
  for (fs::recursive_directory_iterator it(path_, walk), end; !walk && it != end; it.increment(walk)) {
    if (it->symlink_status(ignored).type() == fs::file_type::directory) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const { return ToUtf8(path_ / FromUtf8(name)); }

std::string TempDir::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
  const auto path = File(name);
  WriteBytes(path, bytes);
  return path;
}

bool WriteBytes(const std::string& utf8_path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(FromUtf8(utf8_path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

std::vector<std::uint8_t> ReadBytes(const std::string& utf8_path) {
  std::ifstream in(FromUtf8(utf8_path), std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace tarmaxion::testing
