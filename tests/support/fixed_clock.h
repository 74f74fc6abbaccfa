// Sets the program's clock to a chosen local date and time for the life of the object.
#pragma once

#include "platform/clock.h"
#include "util/date_serial.h"

namespace jovi::test {

class FixedClock {
 public:
  explicit FixedClock(const CivilDateTime& t) { Set(t); }
  ~FixedClock() { SetClockSource({}); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  void Set(const CivilDateTime& t) { SetSerial(SerialFromCivil(t)); }
  void SetSerial(double serial) {
    SetClockSource([serial] { return serial; });
  }
};

}  // namespace jovi::test
