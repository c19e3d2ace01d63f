// A Platform without a screen, for tests and batch tools: events and dialog answers come from
// a script, control texts are recorded, and glyphs come from HeadlessGlyphs.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/headless/HeadlessGlyphs.h"

namespace tarmaxion {

enum class ControlKind { kEditor, kLabel, kImageView, kButton };

struct HeadlessControl {
  ControlKind kind = ControlKind::kLabel;
  Rect area;
  Text text;                         // label text or button caption, in Windows-1252
  std::vector<Text> lines;           // editor items, in Windows-1252
  ShownText shown_text;              // the label text as the model gave it
  std::vector<ShownText> shown_lines;  // the editor items as the model gave them
  const Image* image = nullptr;      // image view
  int show_count = 0;                // how often ShowImage reached the view
};

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform() = default;
  // Glyphs rasterised by fonts, which must outlive this platform; nullptr keeps the
  // deterministic font.
  explicit HeadlessPlatform(GlyphSource* fonts) : glyphs_(fonts) {}

  // Script: events are taken in order; once they run out, WaitEvent gives the close request.
  void QueueClick(int control_id) { events_.push_back({EventKind::kControl, control_id}); }
  void QueueEvent(Event event) { events_.push_back(event); }
  // Answers of the next file dialogs, in order; "" is a cancel, as is running out of answers.
  void QueueDialogAnswer(std::string path) { answers_.push_back(std::move(path)); }

  // What the program did.
  bool HasControl(int id) const { return controls_.count(id) != 0; }
  const HeadlessControl& Control(int id) const { return controls_.at(id); }
  const std::vector<int>& CreationOrder() const { return creation_order_; }
  const std::vector<FileDialogRequest>& Dialogs() const { return dialogs_; }
  const Text& WindowTitle() const { return title_; }
  const Rect& WindowFrame() const { return frame_; }
  bool IsShutDown() const { return shut_down_; }
  const std::map<int, Text>& Fonts() const { return glyphs_.Faces(); }
  int Focused() const { return focused_; }  // the control last given the focus, 0 for none

  GlyphSource& Glyphs() override { return glyphs_; }
  void CreateMainWindow(const Rect& frame, const Text& title) override;
  Event WaitEvent() override;
  void CreateEditor(int id, const Rect& area) override;
  void CreateLabel(int id, const Rect& area, const Text& text) override;
  void CreateImageView(int id, const Rect& area) override;
  void CreateButton(int id, const Rect& area, const Text& caption) override;
  void AppendLine(int id, const ShownText& text) override;
  void ClearLines(int id) override;
  void SetText(int id, const ShownText& text) override;
  void ShowImage(int id, const Image* image) override;
  void Focus(int id) override { focused_ = id; }
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  void ShutDown() override;

 private:
  void Add(int id, ControlKind kind, const Rect& area, const Text& text);
  std::optional<std::string> NextAnswer(const FileDialogRequest& request);

  std::deque<Event> events_;
  std::deque<std::string> answers_;
  std::map<int, HeadlessControl> controls_;
  std::vector<int> creation_order_;
  std::vector<FileDialogRequest> dialogs_;
  HeadlessGlyphs glyphs_;
  Text title_;
  Rect frame_;
  bool shut_down_ = false;
  int focused_ = 0;
};

}  // namespace tarmaxion
