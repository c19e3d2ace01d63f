#include <gtest/gtest.h>

#include "api/UniqueNames.h"
#include "base/Encoding.h"

namespace tarmaxion {
namespace {

TEST(UniqueNamesTest, ALaterCopyOfATakenNameGetsTheFirstFreeNumber) {
  UniqueNames names;
  EXPECT_EQ(names.Claim("same_c.trk"), "same_c.trk");
  EXPECT_EQ(names.Claim("same_c (2).trk"), "same_c (2).trk");
  EXPECT_EQ(names.Claim("same_c.trk"), "same_c (3).trk");
  EXPECT_EQ(names.Claim("same_c.trk"), "same_c (4).trk");
  EXPECT_EQ(names.Claim("_c.trk"), "_c.trk");
  EXPECT_EQ(names.Claim("noext"), "noext");
  EXPECT_EQ(names.Claim("noext"), "noext (2)");
  EXPECT_EQ(names.Claim(".trk"), ".trk");
  EXPECT_EQ(names.Claim(".trk"), ".trk (2)");
}

TEST(UniqueNamesTest, NamesThatDifferOnlyInCaseAreTheSameName) {
  UniqueNames names;
  EXPECT_EQ(names.Claim("a_c.trk"), "a_c.trk");
  EXPECT_EQ(names.Claim("A_C.TRK"), "A_C (2).TRK");
  // Latin-1, Latin Extended-A, Greek, Cyrillic and full-width capitals, then their small letters.
  const std::string capitals = "\xC3\x89_\xC5\xBD_\xCE\xA3_\xD0\x81\xD0\xAF_\xEF\xBC\xA1";
  const std::string small = "\xC3\xA9_\xC5\xBE_\xCF\x83_\xD1\x91\xD1\x8F_\xEF\xBD\x81";
  EXPECT_EQ(names.Claim(capitals + ".trk"), capitals + ".trk");
  EXPECT_EQ(names.Claim(small + ".trk"), small + " (2).trk");
  // Y with diaeresis has its small letter in Latin-1; the multiplication sign and kra have none.
  EXPECT_EQ(CaseFolded("\xC5\xB8\xC3\x97\xC4\xB8"), "\xC3\xBF\xC3\x97\xC4\xB8");
}

TEST(UniqueNamesTest, CharactersWindowsRefusesBecomeUnderscoresAndStillCount) {
  UniqueNames names;
  EXPECT_EQ(names.Claim("a:b?_c.trk"), "a_b__c.trk");
  EXPECT_EQ(names.Claim("a*b|_c.trk"), "a_b__c (2).trk");
  EXPECT_EQ(names.Claim("<\x01>\"\\.trk"), "_____.trk");
}

}  // namespace
}  // namespace tarmaxion
