#include "platform/headless/HeadlessPlatform.h"

namespace tarmaxion {

void HeadlessPlatform::CreateMainWindow(const Rect& frame, const Text& title) {
  frame_ = frame;
  title_ = title;
}

Event HeadlessPlatform::WaitEvent() {
  if (events_.empty()) return {EventKind::kClose, 0};
  const Event next = events_.front();
  events_.pop_front();
  return next;
}

void HeadlessPlatform::Add(int id, ControlKind kind, const Rect& area, const Text& text) {
  HeadlessControl control;
  control.kind = kind;
  control.area = area;
  control.text = text;
  controls_[id] = control;
  creation_order_.push_back(id);
}

void HeadlessPlatform::CreateEditor(int id, const Rect& area) {
  Add(id, ControlKind::kEditor, area, {});
}
void HeadlessPlatform::CreateLabel(int id, const Rect& area, const Text& text) {
  Add(id, ControlKind::kLabel, area, text);
}
void HeadlessPlatform::CreateImageView(int id, const Rect& area) {
  Add(id, ControlKind::kImageView, area, {});
}
void HeadlessPlatform::CreateButton(int id, const Rect& area, const Text& caption) {
  Add(id, ControlKind::kButton, area, caption);
}

void HeadlessPlatform::AppendLine(int id, const ShownText& text) {
  if (auto it = controls_.find(id); it != controls_.end()) {
    it->second.lines.push_back(text.Windows1252());
    it->second.shown_lines.push_back(text);
  }
}

void HeadlessPlatform::ClearLines(int id) {
  if (auto it = controls_.find(id); it != controls_.end()) {
    it->second.lines.clear();
    it->second.shown_lines.clear();
  }
}

void HeadlessPlatform::SetText(int id, const ShownText& text) {
  if (auto it = controls_.find(id); it != controls_.end()) {
    it->second.text = text.Windows1252();
    it->second.shown_text = text;
  }
}

void HeadlessPlatform::ShowImage(int id, const Image* image) {
  if (auto it = controls_.find(id); it != controls_.end()) {
    it->second.image = image;
    ++it->second.show_count;
  }
}

std::optional<std::string> HeadlessPlatform::NextAnswer(const FileDialogRequest& request) {
  dialogs_.push_back(request);
  if (answers_.empty()) return std::nullopt;
  auto answer = std::move(answers_.front());
  answers_.pop_front();
  if (answer.empty()) return std::nullopt;
  return answer;
}

std::optional<std::string> HeadlessPlatform::OpenFileDialog(const FileDialogRequest& request) {
  return NextAnswer(request);
}

std::optional<std::string> HeadlessPlatform::SaveFileDialog(const FileDialogRequest& request) {
  return NextAnswer(request);
}

void HeadlessPlatform::ShutDown() {
  controls_.clear();
  glyphs_.Forget();
  shut_down_ = true;
}

}  // namespace tarmaxion
