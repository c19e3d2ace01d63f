// The file dialogs as the user meets them: shown for real, a name typed and Enter pressed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "tests/support/TempDir.h"
#include "platform/qt/QtPlatform.h"

namespace tarmaxion {
namespace {

using testing::TempDir;

// Plays the user while a dialog runs: types the name into the open file dialog and presses
// Enter; cancels anything else that comes up (a question) and a dialog that refused the name.
class TypingUser {
 public:
  explicit TypingUser(QString name) : name_(std::move(name)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Act(); });
    timer_.start(20);
  }

  bool WasAsked() const { return asked_; }
  bool WasRefused() const { return refused_; }

 private:
  void Act() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (modal == nullptr) return;
    if (dialog == nullptr) {
      asked_ = true;
      modal->close();
    } else if (!typed_) {
      typed_ = true;
      auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(edit, nullptr);
      edit->setText(name_);
      // Pressed from the event loop, not from here: a question it raises runs its own loop,
      // and this timer does not fire again while its handler is still running.
      QMetaObject::invokeMethod(edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); }, Qt::QueuedConnection);
    } else {
      refused_ = true;
      dialog->reject();
    }
  }

  QString name_;
  QTimer timer_;
  bool typed_ = false;
  bool asked_ = false;
  bool refused_ = false;
};

class FileDialogTest : public ::testing::Test {
 protected:
  FileDialogTest() { platform_.CreateMainWindow({10, 10, 300, 200}, "test"); }
  ~FileDialogTest() override { platform_.ShutDown(); }

  QtPlatform platform_;
  TempDir dir_;
};

TEST_F(FileDialogTest, OpenReturnsATypedNameOfAFileThatDoesNotExist) {
  TypingUser user(QStringLiteral("missing.trk"));
  EXPECT_EQ(platform_.OpenFileDialog({"Select Track", dir_.File(""), {{"trk", "*.trk"}}}), dir_.File("missing.trk"));
  EXPECT_FALSE(user.WasAsked());
  EXPECT_FALSE(user.WasRefused());
}

TEST_F(FileDialogTest, OpenRefusesANameInAFolderThatDoesNotExist) {
  TypingUser user(QString::fromStdString(dir_.File("no/such/folder/x.trk")));
  EXPECT_EQ(platform_.OpenFileDialog({"Select Track", dir_.File(""), {{"trk", "*.trk"}}}), std::nullopt);
  EXPECT_TRUE(user.WasAsked());    // told why
  EXPECT_TRUE(user.WasRefused());  // and still open afterwards
}

TEST_F(FileDialogTest, SaveReplacesAnExistingFileWithoutAQuestion) {
  const std::string existing = dir_.Write("oval_c.trk", {1, 2, 3});
  TypingUser user(QStringLiteral("oval_c.trk"));
  EXPECT_EQ(platform_.SaveFileDialog({"Save Track", dir_.File("other.trk"), {{"trk", "*.trk"}}}), existing);
  EXPECT_FALSE(user.WasAsked());
  EXPECT_FALSE(user.WasRefused());
}

}  // namespace
}  // namespace tarmaxion
