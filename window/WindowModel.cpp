#include "window/WindowModel.h"

#include <algorithm>
#include <utility>

#include "api/TrackMessages.h"
#include "base/PathParts.h"
#include "track/Conversion.h"

namespace tarmaxion {
namespace {

// Until a file is read the file line lists the size the track buffer always had.
constexpr std::int64_t kUnreadSizeListed = 2'000'000;

}  // namespace

std::optional<DropPlan> PlanDrop(std::span<const DropKind> items) {
  if (items.empty()) return std::nullopt;
  const auto first_file = std::find(items.begin(), items.end(), DropKind::kFile);
  return DropPlan{first_file == items.end() ? 0 : static_cast<std::size_t>(first_file - items.begin()),
                  static_cast<std::size_t>(std::count(items.begin(), items.end(), DropKind::kFile))};
}

WindowModel::WindowModel(const GlyphSource* caption_glyphs)
    : api_(caption_glyphs), track_buffer_(kMaxTrackFileSize, 0) {}

void WindowModel::Start() { Log(kReady); }

void WindowModel::BeginLoad() {
  info_lines_.clear();
  changes_.info_list = true;
}

std::span<std::uint8_t> WindowModel::ReadBuffer() { return track_buffer_; }

void WindowModel::Load(const std::optional<ChosenFile>& file) {
  BeginLoad();
  track_path_ = file ? file->path : std::string();
  current_folder_ = PathPart(track_path_);
  if (file) {
    const FileRead& read = file->read;
    if (auto message = ReadMessage(read, file->path)) Log(*message);
    // The part of a short read that arrived is listed as the file, as it always was.
    if (!read && read.Failure().kind != ReadProblem::kReadShort) {
      NothingArrived();
      return;
    }
    loaded_size_ = read ? *read : read.Failure().arrived;
  }
  AppendLine(FileLine(FilePart(track_path_), loaded_size_ ? static_cast<std::int64_t>(*loaded_size_) : kUnreadSizeListed));
  ListTrack();
  if (state_ == LoadState::kListed) BuildPreview();
}

void WindowModel::LoadDropped(const ChosenFile& file, const DropPlan& plan) {
  Load(file);
  if (plan.files > 1) Log(DroppedMessage(plan.files, plan.rest));
}

void WindowModel::Unopened(const ChosenFile& file) {
  Log(ReadMessage(file.read, file.path).value_or("Cannot open " + ShownText::FromUtf8(FilePart(file.path))));
}

void WindowModel::NothingArrived() {
  // Listing the buffer now would show the last track under this name, so nothing is listed. A
  // refusal stands, though: the buffer still holds the refused file, and the save command stays
  // silent for it.
  if (state_ != LoadState::kRefused && state_ != LoadState::kDamaged) state_ = LoadState::kUnreadable;
}

void WindowModel::ListTrack() {
  const auto& report = api_.Open(LoadedBytes(), FilePart(track_path_), track_code_page_);
  // The file line is Load's; the API's list repeats it first.
  std::for_each(report.info_lines.begin() + 1, report.info_lines.end(), [this](const ShownText& line) { AppendLine(line); });
  if (report.outcome != TrackOutcome::kRead) {
    state_ = report.outcome == TrackOutcome::kDamaged ? LoadState::kDamaged : LoadState::kRefused;
    Log(report.message);
    return;
  }
  state_ = LoadState::kListed;
  layout_ = report.info.layout;
}

void WindowModel::BuildPreview() {
  const auto map = api_.Map();
  changes_.map = true;
  if (map.image != nullptr) {
    state_ = LoadState::kMapped;
    Log(map.name);
  }
  // From here on the buffer carries the converted object types: the save writes them, and a
  // later listing of the same buffer draws them.
  RemapObjectTypes(LoadedFile(), layout_);
}

std::optional<std::string> WindowModel::BeginSave() {
  switch (state_) {
    case LoadState::kRefused:
    case LoadState::kDamaged:
      return std::nullopt;
    case LoadState::kNothingRead:
    case LoadState::kUnreadable:
      Log(kNothingToSave);
      return std::nullopt;
    case LoadState::kListed:
    case LoadState::kMapped:
      break;
  }
  return ConvertedName(track_path_);
}

std::span<const std::uint8_t> WindowModel::SaveAs105() {
  MarkAsVersion105(LoadedFile());
  return LoadedBytes();
}

void WindowModel::Saved(std::string_view utf8_path, const FileWrite& written) {
  Log(written ? ShownText(kSaved) : NotSavedMessage(utf8_path, written.Failure().message));
}

ViewChanges WindowModel::TakeChanges() { return std::exchange(changes_, ViewChanges{}); }

void WindowModel::Log(const ShownText& message) {
  log_.Log(message);
  changes_.log = true;
}

void WindowModel::AppendLine(ShownText line) {
  info_lines_.push_back(std::move(line));
  changes_.info_list = true;
}

std::size_t WindowModel::LoadedCount() const {
  // Before the first read the whole buffer is listed: zeros, which no check passes.
  return loaded_size_.value_or(track_buffer_.size());
}

std::span<const std::uint8_t> WindowModel::LoadedBytes() const { return std::span(track_buffer_).first(LoadedCount()); }

std::span<std::uint8_t> WindowModel::LoadedFile() { return std::span(track_buffer_).first(LoadedCount()); }

}  // namespace tarmaxion
