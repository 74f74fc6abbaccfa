// The operating system's clock, as the program sees it.
#pragma once

#include <functional>

namespace jovi {

// The date-time serial of the present moment on the local clock.
double CurrentLocalSerial();

// Replaces the clock (tests); an empty function restores the system clock.
void SetClockSource(std::function<double()> source);

}  // namespace jovi
