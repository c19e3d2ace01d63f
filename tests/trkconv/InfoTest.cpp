#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/trkconv/TrkconvRun.h"
#include "tests/trkconv/WindowReference.h"
#include "tests/support/TempDir.h"
#include "base/Encoding.h"

namespace tarmaxion {
namespace {

namespace fs = std::filesystem;
using testing::RichTrack;
using testing::RunInProcess;
using testing::RunWindow;
using testing::TempDir;
using testing::TrackBuilder;

std::string Utf8Lines(const std::vector<Text>& lines) {
  std::string text;
  for (const auto& line : lines) text += Utf8FromWindows1252(line) + "\n";
  return text;
}

bool Rejected(const testing::WindowResult& window) {
  return window.LastLog().starts_with("Caution") || window.LastLog().starts_with("Damaged");
}

struct InfoCase {
  const char* label;
  const char* file_name;  // UTF-8
  TrackBuilder track;
};

class InfoMatchesTheWindow : public ::testing::TestWithParam<InfoCase> {};

TEST_P(InfoMatchesTheWindow, SameLinesInUtf8AndTheWindowsMessageForARefusal) {
  TempDir dir;
  const auto path = dir.Write(GetParam().file_name, GetParam().track.Build());
  const auto window = RunWindow(path);
  const auto run = RunInProcess({"info", path});
  EXPECT_EQ(run.out, Utf8Lines(window.lines));
  if (Rejected(window)) {
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, "trkconv: " + path + ": " + Utf8FromWindows1252(window.LastLog()) + "\n");
  } else {
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(window.lines.size(), 33u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tracks, InfoMatchesTheWindow,
    ::testing::Values(InfoCase{"v110", "rich.trk", RichTrack()},
                      InfoCase{"v105", "old.trk", RichTrack().Version(TrackBuilder::kVersion105)},
                      InfoCase{"UnicodeName", "Strecke-M\xC3\xBCller \xC3\xA9t\xC3\xA9.trk", RichTrack()},
                      InfoCase{"OtherVersion", "v.trk", RichTrack().Version(262)},
                      InfoCase{"LowerCaseMagic", "m.trk", RichTrack().Magic("tx")},
                      InfoCase{"DamagedRecords", "d.trk", RichTrack().RecordsOffset(100000)},
                      InfoCase{"DamagedLandmap", "l.trk", RichTrack().LandmapWordCount(600000)}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(InfoTest, UnicodeFileNameIsListedInUtf8) {
  TempDir dir;
  const std::string name = "Strecke-M\xC3\xBCller \xC3\xA9t\xC3\xA9.trk";
  const auto run = RunInProcess({"info", dir.Write(name, RichTrack().Build())});
  EXPECT_TRUE(run.out.starts_with(name + "   ")) << run.out;
}

TEST(InfoTest, SeveralTracksAreSeparatedByABlankLineAndAFailureDoesNotStopTheRest) {
  TempDir dir;
  const auto a = dir.Write("a.trk", RichTrack().Build());
  const auto bad = dir.Write("bad.trk", RichTrack().Version(262).Build());
  const auto c = dir.Write("c.trk", RichTrack().Version(TrackBuilder::kVersion105).Build());
  const auto run = RunInProcess({"info", a, bad, c});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, Utf8Lines(RunWindow(a).lines) + "\n" + Utf8Lines(RunWindow(bad).lines) + "\n" +
                         Utf8Lines(RunWindow(c).lines));
  EXPECT_EQ(run.err, "trkconv: " + bad + ": Caution: Version <> 1.05\n");
}

// The window would list its old (or empty) buffer for these; trkconv lists nothing.
TEST(InfoTest, UnreadableFilesPrintNoLinesAndSayWhy) {
  TempDir dir;
  const auto missing = dir.File("missing.trk");
  const auto huge = dir.Write("huge.trk", std::vector<std::uint8_t>(1'000'001, 0));
  const auto run = RunInProcess({"info", missing, huge});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, "");
  std::istringstream err(run.err);
  std::string line;
  ASSERT_TRUE(std::getline(err, line));
  EXPECT_TRUE(line.starts_with("trkconv: " + missing + ": Cannot open")) << line;
  ASSERT_TRUE(std::getline(err, line));
  EXPECT_TRUE(line.starts_with("trkconv: " + huge + ": Track too large")) << line;
}

std::vector<nlohmann::json> JsonLines(const std::string& out) {
  std::vector<nlohmann::json> objects;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
  return objects;
}

TEST(InfoJsonTest, EveryListedNumberAgreesWithTheWindowsLine) {
  TempDir dir;
  const auto path = dir.Write("rich.trk", RichTrack().Build());
  const auto run = RunInProcess({"info", "--json", path});
  ASSERT_EQ(run.exit_code, 0);
  const auto objects = JsonLines(run.out);
  ASSERT_EQ(objects.size(), 1u);
  const auto& json = objects[0];
  const auto lines = RunWindow(path).lines;
  const auto listed = [&lines](const std::string& line) {
    return std::find(lines.begin(), lines.end(), Windows1252FromUtf8(line)) != lines.end();
  };
  const std::vector<std::pair<std::string, std::string>> numbers = {{"Worldsize: ", "world_size"},
                                                                    {"Waterlevel: ", "water_level"},
                                                                    {"Angel: ", "angel"},
                                                                    {"Rotation: ", "rotation"},
                                                                    {"Zoom: ", "zoom"},
                                                                    {"S/F Line: ", "start_finish_line"},
                                                                    {"# Objecte: ", "object_count"},
                                                                    {"Trk-L\xC3\xA4nge: ", "track_length"},
                                                                    {"Ghost Frames:", "ghost_frames"}};
  for (const auto& [label, key] : numbers) {
    ASSERT_TRUE(json.at(key).is_number_integer()) << key;
    EXPECT_TRUE(listed(label + json.at(key).dump())) << key;
  }
  EXPECT_TRUE(listed("Landmap: " + json.at("landmap_size").dump() + " Bytes"));
  EXPECT_TRUE(listed("Autor: " + json.at("author").get<std::string>()));
  EXPECT_EQ(Utf8FromWindows1252(lines[0]), "rich.trk   " + json.at("size").dump() + " Bytes");
  EXPECT_EQ(json.at("version"), "1.10");
  EXPECT_EQ(json.at("file"), "rich.trk");
  EXPECT_EQ(json.at("path"), path);
  EXPECT_FALSE(json.contains("error"));

  const auto& records = json.at("records");
  ASSERT_EQ(records.size(), 7u);
  const auto& best = records[0];
  EXPECT_EQ(best.at("record"), "Best");
  EXPECT_TRUE(listed("Best: " + best.at("driver").get<std::string>() + " " + best.at("lap_time").dump() +
                     "  " + json.at("record_date").get<std::string>()));
  EXPECT_TRUE(listed("Car Best:" + best.at("car").get<std::string>()));
  for (int i = 1; i < 7; ++i) {
    const auto& record = records[static_cast<std::size_t>(i)];
    const auto n = std::to_string(i);
    EXPECT_EQ(record.at("record"), n);
    EXPECT_TRUE(
        listed(n + ".: " + record.at("driver").get<std::string>() + " " + record.at("lap_time").dump()));
    EXPECT_TRUE(listed(n + ":" + record.at("car").get<std::string>()));
  }
}

TEST(InfoJsonTest, TextsAreUtf8) {
  TempDir dir;
  const auto json =
      JsonLines(RunInProcess({"info", "--json", dir.Write("r.trk", RichTrack().Build())}).out)[0];
  EXPECT_EQ(json.at("author"), "J\xC3\xB6rg B\xC3\xA9r\xC3\xA9nger");
  EXPECT_EQ(json.at("records")[0].at("driver"), "Zo\xC3\xAB");
  EXPECT_EQ(json.at("records")[1].at("car"), "Fl\xC3\xBCgel");
  EXPECT_FALSE(json.contains("path_bytes"));
}

#ifdef __linux__
// Linux names are bytes: one that is not UTF-8 shows U+FFFD for display, and its exact bytes
// in base64 so a script can open the file again.
TEST(InfoJsonTest, ANameThatIsNotUtf8KeepsItsBytesInBase64) {
  TempDir dir;
  const auto name = std::string("\xFFt\xE9.trk");
  dir.Write(name, RichTrack().Build());
  const auto previous = fs::current_path();
  fs::current_path(dir.Path());
  const auto run = RunInProcess({"info", "--json", name});
  fs::current_path(previous);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const auto json = JsonLines(run.out).at(0);
  EXPECT_EQ(json.at("path"), "\xEF\xBF\xBDt\xEF\xBF\xBD.trk");
  EXPECT_EQ(json.at("file"), json.at("path"));
  EXPECT_EQ(json.at("path_bytes"), "/3TpLnRyaw==");
}
#endif

TEST(InfoJsonTest, OneObjectPerTrackAndRefusedTracksCarryTheirError) {
  TempDir dir;
  const auto good = dir.Write("good.trk", RichTrack().Build());
  const auto old = dir.Write("old.trk", RichTrack().Version(262).Build());
  const auto damaged = dir.Write("damaged.trk", RichTrack().RecordsOffset(100000).Build());
  const auto missing = dir.File("missing.trk");
  const auto run = RunInProcess({"info", "--json", good, old, damaged, missing});
  EXPECT_EQ(run.exit_code, 1);
  const auto objects = JsonLines(run.out);
  ASSERT_EQ(objects.size(), 4u);
  EXPECT_FALSE(objects[0].contains("error"));
  EXPECT_EQ(objects[1].at("error"), "Caution: Version <> 1.05");
  EXPECT_FALSE(objects[1].contains("version"));
  EXPECT_FALSE(objects[1].contains("records"));
  EXPECT_EQ(objects[2].at("error"), "Damaged track: records beyond end of file");
  EXPECT_EQ(objects[2].at("version"), "1.10");
  EXPECT_TRUE(objects[3].at("error").get<std::string>().starts_with("Cannot open"));
  EXPECT_FALSE(objects[3].contains("size"));
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 3);
}

}  // namespace
}  // namespace tarmaxion
