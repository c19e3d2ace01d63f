// A fresh folder per test, removed with everything in it afterwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarmaxion::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The UTF-8 path of name inside the folder.
  std::string File(const std::string& name) const;
  // Writes bytes to name inside the folder and returns its UTF-8 path.
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& utf8_path);
// Writes bytes as the whole file at utf8_path; false when it cannot be written.
bool WriteBytes(const std::string& utf8_path, const std::vector<std::uint8_t>& bytes);

}  // namespace tarmaxion::testing
