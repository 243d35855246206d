#pragma once

namespace vantrelle {

// Local wall-clock date and time at whole-second resolution (no time-zone correction).
struct LocalTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

}  // namespace vantrelle
