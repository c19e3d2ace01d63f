// trkconv info: the window's info list for each track, as UTF-8 text or JSON lines.
#pragma once

#include <string>
#include <vector>

#include "programs/trkconv/Trkconv.h"

namespace tarmaxion::cli {

enum class InfoFormat { kText, kJson };

struct InfoOptions {
  std::vector<std::string> tracks;  // UTF-8 paths
  InfoFormat format = InfoFormat::kText;
  CodePage code_page = CodePage::k1252;  // of the tracks' texts
};

// Text: each track's lines, a blank line between tracks. JSON: one object per line. A track
// the window refuses is listed as far as the window lists it and reported on err. True when
// every track was listed.
bool RunInfo(const InfoOptions& options, const Console& console);

}  // namespace tarmaxion::cli
