// The Windows program carries icon 1 (32 x 32, 16 colours) and a manifest asking for the
// version 6 common controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The group icon resource: a header and one entry per image.
#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD bytes;
  WORD id;
};
struct IconGroup {
  WORD reserved;
  WORD type;
  WORD count;
  IconGroupEntry entries[1];
};
#pragma pack(pop)

class ProgramResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = LoadLibraryExA(TARMAXION_PROGRAM_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program_, nullptr) << TARMAXION_PROGRAM_PATH;
  }
  void TearDown() override {
    if (program_ != nullptr) FreeLibrary(program_);
  }
  const void* Resource(LPCSTR type, int id, DWORD* size) const {
    HRSRC found = FindResourceA(program_, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) return nullptr;
    *size = SizeofResource(program_, found);
    return LockResource(LoadResource(program_, found));
  }

  HMODULE program_ = nullptr;
};

TEST_F(ProgramResourcesTest, IconOneIsThirtyTwoPixelsInSixteenColours) {
  DWORD size = 0;
  const auto* group = static_cast<const IconGroup*>(Resource(MAKEINTRESOURCEA(14), 1, &size));
  ASSERT_NE(group, nullptr);
  ASSERT_GE(size, sizeof(IconGroup));
  ASSERT_EQ(group->count, 1);
  EXPECT_EQ(group->entries[0].width, 32);
  EXPECT_EQ(group->entries[0].height, 32);
  EXPECT_EQ(group->entries[0].colours, 16);
  EXPECT_EQ(group->entries[0].bit_count, 4);
}

TEST_F(ProgramResourcesTest, ManifestAsksForCommonControlsSix) {
  DWORD size = 0;
  const auto* manifest = static_cast<const char*>(Resource(MAKEINTRESOURCEA(24), 1, &size));
  ASSERT_NE(manifest, nullptr);
  const std::string text(manifest, size);
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
}

}  // namespace
