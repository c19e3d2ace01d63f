// Permissions do not bind root, and CI runs as root. While a PermissionsBind lives, a root
// process checks file access as the user "nobody" (setfsuid), which binds root too; others are
// bound by permissions already. Linux only.
#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

namespace tarmaxion::testing {

inline constexpr uid_t kNobody = 65534;

class PermissionsBind {
 public:
  PermissionsBind() {
    if (geteuid() != 0) return;
    setfsuid(kNobody);
    dropped_ = true;
  }
  ~PermissionsBind() {
    if (dropped_) setfsuid(0);
  }
  PermissionsBind(const PermissionsBind&) = delete;
  PermissionsBind& operator=(const PermissionsBind&) = delete;

  // False when root cannot give up its rights; setfsuid answers an invalid id with the
  // current one and changes nothing.
  bool Active() const { return !dropped_ || static_cast<uid_t>(setfsuid(static_cast<uid_t>(-1))) == kNobody; }

  // The user whose rights apply: nobody for root, the user otherwise. Files made for the bound
  // user to own are handed to it with this.
  static uid_t User() { return geteuid() == 0 ? kNobody : geteuid(); }

 private:
  bool dropped_ = false;
};

}  // namespace tarmaxion::testing
