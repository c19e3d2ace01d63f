// The whole program on the Qt window: the same script as on the headless platform must give
// the same texts, the same map pixels and the same saved bytes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <vector>

#include "programs/window/CommandLine.h"
#include "programs/window/Program.h"
#include "base/Encoding.h"
#include "platform/qt/QtPlatform.h"
#include "tests/support/CaptionName.h"
#include "tests/support/SampleTrack.h"
#include "tests/support/WindowRun.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::SampleTrack;
using testing::TrackBuilder;

class QtProgramTest : public ::testing::Test {
 protected:
  QtProgramTest() {
    platform_.SetDialogRunner([this](QFileDialog& dialog) {
      if (answers_.empty()) return int{QDialog::Rejected};
      dialog.selectFile(QString::fromStdString(answers_.front()));
      answers_.erase(answers_.begin());
      return int{QDialog::Accepted};
    });
  }
  ~QtProgramTest() override { program_.ShutDown(); }

  // Clicks a button as the user would and runs the event it gives.
  void Click(int id, const std::string& dialog_answer) {
    answers_.push_back(dialog_answer);
    qobject_cast<QPushButton*>(platform_.Widget(id))->click();
    ASSERT_TRUE(program_.Dispatch(platform_.WaitEvent()));
  }
  QStringList InfoLines() const {
    return qobject_cast<QPlainTextEdit*>(platform_.Widget(kInfoList))->toPlainText().split('\n');
  }

  QtPlatform platform_;
  Program program_{platform_};
  std::vector<std::string> answers_;
  TempDir dir_;
};

TEST_F(QtProgramTest, StartUpShowsTheWindowWithItsFiveControls) {
  program_.StartUp();
  QWidget* window = platform_.Window();
  EXPECT_EQ(window->windowTitle(), "Tarmaxion Rivivizevido 1.10 to 1.05");
  EXPECT_EQ(window->size(), QSize(1000, 720));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

  const struct {
    int id;
    QRect area;
  } controls[] = {
      {kInfoList, {10, 10, 400, 600}}, {kLogPanel, {10, 620, 400, 80}}, {kMapView, {450, 10, 512, 560}},
      {kLoadButton, {450, 620, 50, 24}}, {kSaveButton, {690, 620, 90, 24}},
  };
  for (const auto& control : controls) {
    ASSERT_NE(platform_.Widget(control.id), nullptr) << control.id;
    EXPECT_EQ(platform_.Widget(control.id)->geometry(), control.area) << control.id;
    EXPECT_TRUE(platform_.Widget(control.id)->isVisible()) << control.id;
  }
  const auto* log_panel = qobject_cast<QLabel*>(platform_.Widget(kLogPanel));
  EXPECT_EQ(log_panel->text(), "> \n> \n> \n> \n> \nready...\n");
  EXPECT_LE(6 * log_panel->fontMetrics().lineSpacing(), 80);
  EXPECT_EQ(qobject_cast<QPushButton*>(platform_.Widget(kLoadButton))->text(), "load");
  EXPECT_EQ(qobject_cast<QPushButton*>(platform_.Widget(kSaveButton))->text(), "save as 1.05");
  EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(platform_.Widget(kInfoList))->toPlainText().isEmpty());
}

TEST_F(QtProgramTest, TabAndShiftTabCycleThroughTheInfoListAndTheTwoButtons) {
  program_.StartUp();
  QWidget* window = platform_.Window();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  platform_.Widget(kInfoList)->setFocus();
  const std::vector<int> forward = {kLoadButton, kSaveButton, kInfoList, kLoadButton};
  for (const int id : forward) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), platform_.Widget(id)) << id;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), platform_.Widget(kInfoList));
  EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(platform_.Widget(kInfoList))->toPlainText().isEmpty());
}

TEST_F(QtProgramTest, LoadListsTheTrackAndShowsTheSameMapAsTheHeadlessPlatform) {
  const auto bytes = SampleTrack().Build();
  const std::string path = dir_.Write("monza.trk", bytes);
  program_.StartUp();
  Click(kLoadButton, path);

  const QStringList lines = InfoLines();
  ASSERT_EQ(lines.size(), 33);
  EXPECT_EQ(lines[0], QString("monza.trk   %1 Bytes").arg(bytes.size()));
  EXPECT_EQ(lines[1], "Tarmaxion 1.10");
  EXPECT_EQ(lines[12], QString::fromUtf8("Trk-L\u00E4nge: 12345"));
  EXPECT_EQ(lines[16], "Best: Ace 2345  7.3.2010   9:05.03");

  testing::WindowRun reference;
  reference.Load(path);
  const Image* expected = reference.program.Model().MapImage();
  ASSERT_NE(expected, nullptr) << "the headless run made no map image";
  EXPECT_EQ(qobject_cast<QLabel*>(platform_.Widget(kLogPanel))->text().split('\n')[5], "monza_4567_Bob");

  // Glyph shapes belong to each platform, so only the map area above the caption must match.
  const QImage shown = platform_.Widget(kMapView)->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(512, 560));
  int differing = 0;
  for (int y = 0; y < 512; ++y) {
    for (int x = 0; x < 512; ++x) {
      const Colour c = expected->At(x, y);
      if (shown.pixel(x, y) != qRgb(RedOf(c), GreenOf(c), BlueOf(c))) ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
}

// A name in Cyrillic keeps its letters in the caption under the map, where it once showed "?".
TEST_F(QtProgramTest, TheCaptionSpellsACyrillicName) {
  const std::string name = "\xD0\xA2\xD1\x80\xD0\xB0\xD1\x81\xD1\x81\xD0\xB0";  // Трасса
  program_.StartUp();
  Click(kLoadButton, dir_.Write(name + ".trk", SampleTrack().Build()));
  ASSERT_NE(program_.Model().MapImage(), nullptr);
  EXPECT_TRUE(testing::CaptionShowsName(*program_.Model().MapImage(), platform_.Glyphs(), name));
}

TEST_F(QtProgramTest, SaveWritesTheConvertedCopy) {
  const auto bytes = SampleTrack().Build();
  const std::string path = dir_.Write("oval.trk", bytes);
  program_.StartUp();
  Click(kLoadButton, path);
  Click(kSaveButton, dir_.File("oval_c.trk"));
  const auto saved = ReadBytes(dir_.File("oval_c.trk"));
  ASSERT_EQ(saved.size(), bytes.size());
  EXPECT_EQ(saved[0], 5);
  testing::WindowRun reference;
  reference.Load(path);
  reference.Save(dir_.File("reference_c.trk"));
  EXPECT_EQ(saved, ReadBytes(dir_.File("reference_c.trk")));
  EXPECT_EQ(qobject_cast<QLabel*>(platform_.Widget(kLogPanel))->text().split('\n')[5], "saved");
}

// A drop as the desktop delivers it: URLs, or plain text, in the mime data of a drop event.
void DropOn(QWidget* window, QMimeData& data) {
  QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &enter);
  QDropEvent drop(QPointF(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &drop);
}

TEST_F(QtProgramTest, DroppedFileLoadsAsTheOpenDialogLoadsItAndTextDoesNothing) {
  const std::string path = dir_.Write("monza.trk", SampleTrack().Build());
  program_.StartUp();
  QMimeData text;
  text.setText(QString::fromStdString(path));
  DropOn(platform_.Window(), text);
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  // Over the list too: the editor leaves drops to the window rather than typing the name.
  DropOn(platform_.Widget(kInfoList), files);
  ASSERT_TRUE(program_.Dispatch(platform_.WaitEvent()));

  testing::WindowRun reference;
  reference.Load(path);
  EXPECT_EQ(InfoLines().size(), 33);
  for (int i = 0; i < 33; ++i) {
    EXPECT_EQ(InfoLines()[i].toStdString(), Utf8FromWindows1252(reference.Lines()[static_cast<std::size_t>(i)]));
  }
  EXPECT_EQ(qobject_cast<QLabel*>(platform_.Widget(kLogPanel))->text().split('\n')[5], "monza_4567_Bob");
  EXPECT_TRUE(answers_.empty());
  QTimer::singleShot(0, [this] { platform_.Window()->close(); });
  EXPECT_EQ(platform_.WaitEvent().kind, EventKind::kClose);  // the text drop posted nothing
}

std::vector<std::string> Utf8Lines(const std::vector<Text>& lines) {
  std::vector<std::string> converted;
  for (const Text& line : lines) converted.push_back(Utf8FromWindows1252(line));
  return converted;
}

// Paths given at start, as "open with" gives them, load before the first event: the same list
// and log as the headless window started with them, so a path that names no file is reported.
TEST_F(QtProgramTest, StartedWithPathsShowsWhatTheHeadlessWindowShows) {
  const std::string track = dir_.Write("monza.trk", SampleTrack().Build());
  const std::string missing = dir_.File("missing.trk");
  for (const auto& paths : {std::vector{track, missing}, std::vector{missing}}) {
    testing::WindowRun headless;
    headless.StartWith(paths);
    std::vector<std::string> lines, log;
    QTimer::singleShot(0, [&] {
      const QString text = qobject_cast<QPlainTextEdit*>(platform_.Widget(kInfoList))->toPlainText();
      if (!text.isEmpty()) {
        for (const QString& line : text.split('\n')) lines.push_back(line.toStdString());
      }
      const QStringList panel = qobject_cast<QLabel*>(platform_.Widget(kLogPanel))->text().split('\n');
      for (int i = 0; i < 6; ++i) log.push_back(panel[i].toStdString());
      platform_.Window()->close();
    });
    EXPECT_EQ(Program(platform_).Run(paths), 0);
    EXPECT_EQ(lines, Utf8Lines(headless.Lines()));
    EXPECT_EQ(log, Utf8Lines(headless.LogLines()));
    EXPECT_TRUE(log[log.size() - paths.size()].starts_with("Cannot open missing.trk: ")) << log.back();
    if (paths.size() == 2) {
      EXPECT_EQ(lines.size(), 33u);
    }
  }
}

TEST_F(QtProgramTest, CodePageOptionShowsARussianTrackInCyrillic) {
  const std::string track =
      dir_.Write("monza.trk", TrackBuilder().Author("\xC2\xE0\xF1\xFF").Record(1, "\xCF\xE5\xF2\xFF", 4567).Build());
  const auto command_line = ParseWindowCommandLine(std::vector<std::string>{"--codepage", "1251", track});
  ASSERT_EQ(command_line.code_page, CodePage::k1251);
  QStringList lines, log;
  QTimer::singleShot(0, [&] {
    lines = qobject_cast<QPlainTextEdit*>(platform_.Widget(kInfoList))->toPlainText().split('\n');
    log = qobject_cast<QLabel*>(platform_.Widget(kLogPanel))->text().split('\n');
    platform_.Window()->close();
  });
  Program program(platform_);
  program.ReadTracksIn(*command_line.code_page);
  EXPECT_EQ(program.Run(command_line.paths), 0);
  EXPECT_TRUE(lines.contains(QString::fromUtf8("Autor: Вася"))) << lines.join('|').toStdString();
  EXPECT_TRUE(log.contains(QString::fromUtf8("monza_4567_Петя"))) << log.join('|').toStdString();
}

TEST_F(QtProgramTest, CloseRequestEndsRunWithExitCodeZero) {
  Program program(platform_);
  bool visible_after_close = false;
  QTimer::singleShot(0, [&] {
    platform_.Window()->close();
    visible_after_close = platform_.Window()->isVisible();
  });
  EXPECT_EQ(program.Run(), 0);
  EXPECT_TRUE(visible_after_close);
  EXPECT_EQ(platform_.Window(), nullptr);
}

}  // namespace
}  // namespace tarmaxion
