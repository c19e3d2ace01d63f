// The Win32 platform with one change for tests and pictures: the open dialog answers with a
// path given in advance instead of asking.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/win32/Win32Platform.h"

namespace tarmaxion::win32 {

class AnsweringPlatform : public Win32Platform {
 public:
  explicit AnsweringPlatform(std::string answer) : answer_(std::move(answer)) {}
  std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override { return answer_; }

 private:
  std::string answer_;
};

}  // namespace tarmaxion::win32
