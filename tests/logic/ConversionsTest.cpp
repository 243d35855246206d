#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "base/Conversions.h"
#include "base/RuntimeError.h"
#include "platform/fake/FakeLocale.h"

namespace vantrelle {
namespace {

using namespace conversions;

std::string FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.what();
  }
  return "<none>";
}

TEST(Numbers, NumericTextFollowsTheLocale) {
  fake::FakeLocale us;
  fake::FakeLocale de;
  de.UseGerman();
  struct Case {
    const char* text;
    bool inUs;
    bool inDe;
  } const cases[] = {
      {"12", true, true},   {" 12 ", true, true},   {"-5", true, true},        {"+5", true, true},
      {"1.5", true, true},  {"1,5", true, true},    {"1,000.25", true, false}, {"1.000,25", false, true},
      {".5", true, false},  {"5.", true, true},     {"1e3", true, true},       {"1E-3", true, true},
      {"", false, false},   {"   ", false, false},  {"12a", false, false},     {"-", false, false},
      {"1e", false, false}, {"e3", false, false},   {"1 2", false, false},     {"--1", false, false},
      {",5", false, true},  {"0x10", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNumeric(us, c.text), c.inUs) << '"' << c.text << '"';
    EXPECT_EQ(IsNumeric(de, c.text), c.inDe) << '"' << c.text << '"';
  }
}

TEST(Numbers, ConversionAndItsFailures) {
  fake::FakeLocale us;
  fake::FakeLocale de;
  de.UseGerman();
  EXPECT_DOUBLE_EQ(ToDouble(us, "1,000.25"), 1000.25);
  EXPECT_DOUBLE_EQ(ToDouble(de, "1.000,25"), 1000.25);
  EXPECT_DOUBLE_EQ(ToDouble(de, "1.5"), 15.0);
  EXPECT_DOUBLE_EQ(ToDouble(us, " -2.5e2 "), -250.0);
  EXPECT_DOUBLE_EQ(ToDouble(us, "1e-400"), 0.0);
  EXPECT_DOUBLE_EQ(ToDouble(us,
                            "0."
                            "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                            "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                            "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                            "0000000000000000000000000000000000000000000000000000000000001"),
                   0.0);
  EXPECT_EQ(FailureOf([&] { ToDouble(us, "abc"); }), "Type mismatch");
  EXPECT_EQ(FailureOf([&] { ToDouble(us, "1e400"); }), "Overflow");
  EXPECT_EQ(FailureOf([&] { ToDouble(us, "-1e99999999999999999999"); }), "Overflow");
}

TEST(Numbers, RoundingGoesHalfToEvenWithin32Bits) {
  struct Case {
    double value;
    std::int32_t rounded;
  } const cases[] = {{0.5, 0},
                     {1.5, 2},
                     {2.5, 2},
                     {-0.5, 0},
                     {-1.5, -2},
                     {2.4999, 2},
                     {2.5001, 3},
                     {2147483647.4, 2147483647},
                     {-2147483648.4, -2147483647 - 1}};
  for (const Case& c : cases) EXPECT_EQ(RoundToInt32(c.value), c.rounded) << c.value;
  const double outside[] = {2147483647.5, -2147483648.6, 1e300, std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
  for (double v : outside) EXPECT_EQ(FailureOf([&] { RoundToInt32(v); }), "Overflow") << v;

  fake::FakeLocale us;
  EXPECT_EQ(ToInteger(us, "1"), 1);
  EXPECT_EQ(ToInteger(us, "0.5"), 0);
  EXPECT_EQ(ToInteger(us, "2"), 2);
  EXPECT_EQ(FailureOf([&] { ToInteger(us, "yes"); }), "Type mismatch");
}

TEST(Booleans, TrueFalseOrAnyNumber) {
  fake::FakeLocale us;
  EXPECT_TRUE(ToBoolean(us, "True"));
  EXPECT_TRUE(ToBoolean(us, "TRUE"));
  EXPECT_FALSE(ToBoolean(us, "false"));
  EXPECT_TRUE(ToBoolean(us, "-1"));
  EXPECT_TRUE(ToBoolean(us, "0.1"));
  EXPECT_FALSE(ToBoolean(us, "0"));
  EXPECT_EQ(FailureOf([&] { ToBoolean(us, "yes"); }), "Type mismatch");
  EXPECT_EQ(FailureOf([&] { ToBoolean(us, ""); }), "Type mismatch");
}

TEST(Dates, GeneralFormatShowsDateTimeOrBoth) {
  fake::FakeLocale us;
  fake::FakeLocale de;
  de.UseGerman();
  struct Case {
    LocalTime value;
    const char* us;
    const char* de;
  } const cases[] = {
      {{2010, 2, 19, 0, 0, 0}, "2/19/2010", "19.02.2010"},
      {{2010, 2, 19, 14, 5, 9}, "2/19/2010 2:05:09 PM", "19.02.2010 14:05:09"},
      {{2010, 2, 19, 0, 30, 0}, "2/19/2010 12:30:00 AM", "19.02.2010 00:30:00"},
      {{1899, 12, 30, 12, 0, 0}, "12:00:00 PM", "12:00:00"},
      {{1899, 12, 30, 0, 0, 0}, "12:00:00 AM", "00:00:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateToText(us, c.value), c.us);
    EXPECT_EQ(DateToText(de, c.value), c.de);
    EXPECT_EQ(TextToDate(us, c.us), c.value) << c.us;
    EXPECT_EQ(TextToDate(de, c.de), c.value) << c.de;
  }
  EXPECT_FALSE(ShowsTimeOfDay({2010, 2, 19, 0, 0, 0}));
  EXPECT_TRUE(ShowsTimeOfDay({2010, 2, 19, 0, 0, 1}));
  EXPECT_TRUE(ShowsTimeOfDay({1899, 12, 30, 0, 0, 0}));
}

TEST(Dates, ReadingIsLenientAboutFormButStrictAboutValues) {
  fake::FakeLocale us;
  fake::FakeLocale fi;  // date and time share the dot
  fi.shortDate = "d.M.yyyy";
  fi.time = "H.mm.ss";
  fi.am = fi.pm = "";
  struct Case {
    const fake::FakeLocale* locale;
    const char* text;
    LocalTime value;
  } const cases[] = {
      {&us, "14:30", {1899, 12, 30, 14, 30, 0}},
      {&us, "2:30 pm", {1899, 12, 30, 14, 30, 0}},
      {&us, "12:00:00 AM", {1899, 12, 30, 0, 0, 0}},
      {&us, "2010-02-19 08:00:00", {2010, 2, 19, 8, 0, 0}},
      {&us, " 2/19/10 ", {2010, 2, 19, 0, 0, 0}},
      {&us, "2/29/2024", {2024, 2, 29, 0, 0, 0}},
      {&fi, "19.2.2010 14.30.00", {2010, 2, 19, 14, 30, 0}},
      {&fi, "14.30.00", {1899, 12, 30, 14, 30, 0}},
      {&fi, "19.2.2010", {2010, 2, 19, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToDate(*c.locale, c.text), c.value) << c.text;

  const char* notDates[] = {"",         "abc",    "25:00", "2/30/2023", "13/19/2010", "12:60",      "2 PM PM",
                            "14:30 PM", "Monday", "1/2",   "12345",     "1:2:3:4",    "2/19/2010 x"};
  for (const char* text : notDates) EXPECT_EQ(FailureOf([&] { TextToDate(us, text); }), "Type mismatch") << text;
  EXPECT_EQ(DateToText(fi, {1899, 12, 30, 9, 5, 0}), "9.05.00");
}

}  // namespace
}  // namespace vantrelle
