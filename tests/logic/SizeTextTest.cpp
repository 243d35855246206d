#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/SizeText.h"
#include "platform/fake/FakeLocale.h"

namespace vantrelle {
namespace {

// Explorer's figures: three digits, cut off (never rounded up), steps of 1,024.
TEST(SizeText, SizesAreWrittenAsExplorerWritesThem) {
  fake::FakeLocale us;
  fake::FakeLocale de;
  de.UseGerman();
  constexpr std::uint64_t kKilo = 1024, kMega = kKilo * kKilo, kGiga = kMega * kKilo, kTera = kGiga * kKilo;
  struct Case {
    std::uint64_t bytes;
    const char* us;
    const char* de;
  } const cases[] = {
      {0, "0 bytes", "0 bytes"},
      {1, "1 bytes", "1 bytes"},
      {532, "532 bytes", "532 bytes"},
      {1023, "1023 bytes", "1023 bytes"},
      {1024, "1.00 KB", "1,00 KB"},
      {1340, "1.30 KB", "1,30 KB"},
      {1536, "1.50 KB", "1,50 KB"},
      {10 * kKilo - 1, "9.99 KB", "9,99 KB"},
      {10 * kKilo, "10.0 KB", "10,0 KB"},
      {23506, "22.9 KB", "22,9 KB"},
      {100 * kKilo, "100 KB", "100 KB"},
      {1000 * kKilo - 1, "999 KB", "999 KB"},
      {1000 * kKilo, "0.97 MB", "0,97 MB"},
      {3 * kMega / 2, "1.50 MB", "1,50 MB"},
      {2400016, "2.28 MB", "2,28 MB"},
      {2400000000, "2.23 GB", "2,23 GB"},
      {kTera, "1.00 TB", "1,00 TB"},
      {1000 * kTera * kKilo, "0.97 EB", "0,97 EB"},
      {std::numeric_limits<std::uint64_t>::max(), "15.9 EB", "15,9 EB"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ByteSizeText(us, c.bytes), c.us) << c.bytes;
    EXPECT_EQ(ByteSizeText(de, c.bytes), c.de) << c.bytes;
  }
}

TEST(SizeText, CountsCarryTheLocalesThousandsSeparator) {
  fake::FakeLocale us;
  fake::FakeLocale french;
  french.thousands = "\xE2\x80\xAF";  // a narrow no-break space, several bytes long
  struct Case {
    std::uint64_t value;
    const char* us;
    const char* french;
  } const cases[] = {
      {0, "0", "0"},
      {999, "999", "999"},
      {1000, "1,000",
       "1\xE2\x80\xAF"
       "000"},
      {1234567, "1,234,567",
       "1\xE2\x80\xAF"
       "234\xE2\x80\xAF"
       "567"},
      {std::numeric_limits<std::uint64_t>::max(), "18,446,744,073,709,551,615", nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GroupedNumber(us, c.value), c.us);
    if (c.french) {
      EXPECT_EQ(GroupedNumber(french, c.value), c.french);
    }
  }
}

}  // namespace
}  // namespace vantrelle
