#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/SizeText.h"
#include "platform/fake/FakeLocale.h"

namespace vantrelle {
namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

// Explorer's figures: three digits, cut off (never rounded up), steps of 1,024.
TEST(SizeText, SizesAreWrittenAsExplorerWritesThem) {
  fake::FakeLocale us;
  constexpr std::uint64_t kKilo = 1024, kMega = kKilo * kKilo;
  struct Case {
    std::uint64_t bytes;
    const char* text;
  } const cases[] = {
      {0, "0 bytes"},
      {1023, "1023 bytes"},
      {1024, "1.00 KB"},
      {1340, "1.30 KB"},
      {10 * kKilo - 1, "9.99 KB"},
      {23506, "22.9 KB"},
      {1000 * kKilo - 1, "999 KB"},
      {1000 * kKilo, "0.97 MB"},
      {3 * kMega / 2, "1.50 MB"},
      {2400000000, "2.23 GB"},
      {kMega * kMega, "1.00 TB"},
      {kMax, "15.9 EB"},
  };
  for (const Case& c : cases) EXPECT_EQ(ByteSizeText(us, c.bytes), c.text) << c.bytes;
  fake::FakeLocale de;
  de.UseGerman();
  EXPECT_EQ(ByteSizeText(de, 3 * kMega / 2), "1,50 MB");
}

TEST(SizeText, CountsCarryTheLocalesThousandsSeparator) {
  fake::FakeLocale us;
  EXPECT_EQ(GroupedNumber(us, 0), "0");
  EXPECT_EQ(GroupedNumber(us, 999), "999");
  EXPECT_EQ(GroupedNumber(us, 1000), "1,000");
  EXPECT_EQ(GroupedNumber(us, kMax), "18,446,744,073,709,551,615");
  fake::FakeLocale french;
  french.thousands = "\xE2\x80\xAF";  // a narrow no-break space, several bytes long
  EXPECT_EQ(GroupedNumber(french, 1234567),
            "1\xE2\x80\xAF"
            "234\xE2\x80\xAF"
            "567");
}

}  // namespace
}  // namespace vantrelle
