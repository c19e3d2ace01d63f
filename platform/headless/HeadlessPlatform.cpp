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

std::string HeadlessPlatform::NextAnswer(const FileDialogRequest& request) {
  dialogs_.push_back(request);
  if (answers_.empty()) return {};
  auto answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

std::string HeadlessPlatform::OpenFileDialog(const FileDialogRequest& request) {
  return NextAnswer(request);
}

std::string HeadlessPlatform::SaveFileDialog(const FileDialogRequest& request) {
  return NextAnswer(request);
}

void HeadlessPlatform::ShutDown() {
  controls_.clear();
  fonts_.clear();
  shut_down_ = true;
}

bool HeadlessPlatform::LoadFont(int font_id, const Text& face, int points) {
  fonts_[font_id] = face;
  return external_fonts_ == nullptr || external_fonts_->LoadFont(font_id, face, points);
}

// Each character is a box outline with the character's bits as a row pattern inside, so every
// byte has its own recognisable cell and tests can predict each pixel.
GlyphMask HeadlessPlatform::RenderText(int font_id, const Text& text) const {
  if (external_fonts_ != nullptr) return external_fonts_->RenderText(font_id, text);
  GlyphMask mask;
  if (fonts_.count(font_id) == 0 || text.empty()) return mask;
  mask.width = kGlyphWidth * static_cast<int>(text.size());
  mask.height = kGlyphHeight;
  mask.ink.assign(static_cast<std::size_t>(mask.width * mask.height), 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto bits = static_cast<unsigned char>(text[i]);
    const int left = static_cast<int>(i) * kGlyphWidth;
    for (int y = 2; y < 12; ++y) {
      for (int x = 1; x < 8; ++x) {
        const bool edge = y == 2 || y == 11 || x == 1 || x == 7;
        const bool pattern = y >= 3 && y <= 10 && x >= 2 && x <= 6 && ((bits >> (y - 3)) & 1u);
        if (edge || pattern) mask.ink[static_cast<std::size_t>(y * mask.width + left + x)] = 1;
      }
    }
  }
  return mask;
}

}  // namespace tarmaxion
