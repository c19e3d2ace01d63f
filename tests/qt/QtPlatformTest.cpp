#include "platform/qt/QtPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/TempDir.h"
#include "platform/qt/ImageView.h"

namespace tarmaxion {
namespace {

using testing::TempDir;

class QtPlatformTest : public ::testing::Test {
 protected:
  QtPlatformTest() { platform_.CreateMainWindow({10, 10, 300, 200}, "test"); }
  ~QtPlatformTest() override { platform_.ShutDown(); }

  QPlainTextEdit* Editor() {
    platform_.CreateEditor(2, {0, 0, 100, 100});
    return qobject_cast<QPlainTextEdit*>(platform_.Widget(2));
  }

  // Answers the next dialogs by selecting the given path, or cancelling when it is empty,
  // and keeps each dialog's set-up for inspection.
  struct DialogLook {
    QString title;
    QStringList filters;
    QString filter;
    QString folder;
    QStringList selected;
    QFileDialog::AcceptMode accept_mode;
  };
  void AnswerDialogs(const QString& answer) {
    platform_.SetDialogRunner([this, answer](QFileDialog& dialog) {
      looks_.push_back({dialog.windowTitle(), dialog.nameFilters(), dialog.selectedNameFilter(),
                        dialog.directory().absolutePath(), dialog.selectedFiles(), dialog.acceptMode()});
      if (answer.isEmpty()) return int{QDialog::Rejected};
      dialog.selectFile(answer);
      return int{QDialog::Accepted};
    });
  }

  QtPlatform platform_;
  std::vector<DialogLook> looks_;
};

TEST_F(QtPlatformTest, AppendLineBreaksBeforeEveryItemButTheFirstEvenWhenItIsEmpty) {
  struct Case {
    std::vector<Text> items;
    const char* shown;
  };
  const Case cases[] = {
      {{"a", "b"}, "a\nb"},
      {{"", "b"}, "\nb"},
      {{"", ""}, "\n"},
      {{"", "", "c"}, "\n\nc"},
      {{"Trk-L\xE4nge: 5"}, "Trk-L\u00E4nge: 5"},
  };
  // Each case starts with ClearLines, which must forget the previous case's items.
  QPlainTextEdit* editor = Editor();
  for (const Case& c : cases) {
    platform_.ClearLines(2);
    for (const Text& item : c.items) platform_.AppendLine(2, item);
    EXPECT_EQ(editor->toPlainText(), QString::fromUtf8(c.shown)) << c.shown;
    EXPECT_EQ(editor->blockCount(), static_cast<int>(c.items.size()));
  }
}

TEST_F(QtPlatformTest, AppendLineBreaksAfterTextTheUserTyped) {
  QPlainTextEdit* editor = Editor();
  editor->setPlainText("typed");
  platform_.AppendLine(2, "x");
  EXPECT_EQ(editor->toPlainText(), "typed\nx");
}

TEST_F(QtPlatformTest, LabelBreaksLinesAtCrLfAndShowsWindows1252AsUnicode) {
  platform_.CreateLabel(8, {0, 0, 100, 50}, "> \r\n> ");
  auto* label = qobject_cast<QLabel*>(platform_.Widget(8));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "> \n> ");
  platform_.SetText(8, "<b>\xE4</b>\r\n");
  EXPECT_EQ(label->text(), QString::fromUtf8("<b>\u00E4</b>\n"));
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_TRUE(label->wordWrap());
  EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(QtPlatformTest, ButtonClickAndSpaceAndImageViewClickAreControlEvents) {
  platform_.CreateButton(11, {0, 0, 50, 24}, "load");
  platform_.CreateImageView(1, {60, 0, 100, 100});
  QTest::mouseClick(platform_.Widget(11), Qt::LeftButton);
  QTest::keyClick(platform_.Widget(11), Qt::Key_Space);
  QTest::mouseClick(platform_.Widget(1), Qt::LeftButton);
  for (const int id : {11, 11, 1}) {
    const Event event = platform_.WaitEvent();
    EXPECT_EQ(event.kind, EventKind::kControl);
    EXPECT_EQ(event.control_id, id);
  }
}

TEST(QtPlatformWithoutWindowTest, WaitEventEndsInsteadOfWaitingForever) {
  QtPlatform platform;
  EXPECT_EQ(platform.WaitEvent().kind, EventKind::kClose);
}

TEST_F(QtPlatformTest, ShowImagePaintsTheColoursUnscaledAndTakesTheImageSize) {
  platform_.CreateImageView(1, {20, 30, 100, 100});
  Image image(3, 2, Rgb(1, 2, 3));
  image.Set(2, 1, Rgb(250, 128, 7));
  platform_.ShowImage(1, &image);
  QWidget* view = platform_.Widget(1);
  EXPECT_EQ(view->geometry(), QRect(20, 30, 3, 2));
  const QImage shown = view->grab().toImage();
  EXPECT_EQ(shown.pixel(0, 0), qRgb(1, 2, 3));
  EXPECT_EQ(shown.pixel(2, 1), qRgb(250, 128, 7));
  // Drawing after ShowImage shows at the next repaint.
  image.Set(0, 0, Rgb(9, 8, 7));
  EXPECT_EQ(view->grab().toImage().pixel(0, 0), qRgb(9, 8, 7));
}

TEST_F(QtPlatformTest, OpenDialogHasItsTitleFilterAndStartFolderAndReturnsAUnicodePath) {
  TempDir dir;
  const std::string chosen = dir.File("n\u00E4me.trk");
  AnswerDialogs(QString::fromStdString(chosen));
  const std::optional<std::string> answer = platform_.OpenFileDialog({"Select Track", dir.File(""), {{"trk", "*.trk"}}});
  EXPECT_EQ(answer, chosen);
  ASSERT_EQ(looks_.size(), 1u);
  EXPECT_EQ(looks_[0].title, "Select Track");
  EXPECT_EQ(looks_[0].filters, QStringList{"trk (*.trk)"});
  EXPECT_EQ(looks_[0].filter, "trk (*.trk)");
  EXPECT_EQ(looks_[0].folder, QString::fromStdString(dir.Path().string()));
  EXPECT_EQ(looks_[0].accept_mode, QFileDialog::AcceptOpen);
}

TEST_F(QtPlatformTest, SaveDialogPreselectsTheDefaultName) {
  TempDir dir;
  const std::string offered = dir.File("oval_c.trk");
  AnswerDialogs(QString::fromStdString(offered));
  EXPECT_EQ(platform_.SaveFileDialog({"Save Track", offered, {{"trk", "*.trk"}}}), offered);
  ASSERT_EQ(looks_.size(), 1u);
  EXPECT_EQ(looks_[0].title, "Save Track");
  EXPECT_EQ(looks_[0].selected, QStringList{QString::fromStdString(offered)});
  EXPECT_EQ(looks_[0].accept_mode, QFileDialog::AcceptSave);
}

TEST_F(QtPlatformTest, CancelledDialogGivesNoPath) {
  AnswerDialogs({});
  EXPECT_EQ(platform_.OpenFileDialog({"Select Track", "", {{"trk", "*.trk"}}}), std::nullopt);
}

TEST_F(QtPlatformTest, CaptionFontIsFixedPitchSixteenPixelsAtNinetySixDpiAndUnsmoothed) {
  ASSERT_TRUE(platform_.Glyphs().LoadFont(1, "Lucida Console", 12));
  const GlyphMask narrow = platform_.Glyphs().RenderText(1, "iii");
  const GlyphMask wide = platform_.Glyphs().RenderText(1, "WWW");
  EXPECT_GT(narrow.width, 0);
  EXPECT_EQ(narrow.width, wide.width);  // a fixed-pitch face, whichever one stood in
  EXPECT_EQ(narrow.height, wide.height);
  if (platform_.Window()->logicalDpiY() == 96) {
    EXPECT_GE(wide.height, 16);
    EXPECT_LE(wide.height, 20);
  }
  EXPECT_EQ(wide.ink.size(), static_cast<std::size_t>(wide.width * wide.height));
  EXPECT_NE(std::count(wide.ink.begin(), wide.ink.end(), 1), 0);
}

TEST_F(QtPlatformTest, RenderTextOfAnUnknownFontOrEmptyTextIsEmpty) {
  platform_.Glyphs().LoadFont(1, "Lucida Console", 12);
  EXPECT_EQ(platform_.Glyphs().RenderText(7, "x").width, 0);
  EXPECT_EQ(platform_.Glyphs().RenderText(1, "").width, 0);
}

}  // namespace
}  // namespace tarmaxion
