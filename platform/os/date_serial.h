#pragma once
// Date serials: days since 1899-12-30 (local time), the fraction the time of day.
#include <cstdint>
#include <functional>
#include <string>

namespace os {

double now();   // date and time
double today(); // whole days
double date_serial(int year, int month, int day);
// The local date and time of a moment given in seconds since 1970 (UTC).
double serial_of_unix_time(int64_t seconds);
double time_fraction(int hour, int minute, int second);

// "yyyy-mm-dd" and "yyyy-mm-dd hh:nn:ss" (the time part only when not midnight).
std::string format_date(double serial);
std::string format_date_time(double serial);
// Parses "yyyy-mm-dd" optionally followed by " hh:nn[:ss]"; false when malformed.
bool parse_date_time(const std::string& text, double& serial);

// Tests may fix the clock: the function returns the serial that now() gives.
void set_clock(std::function<double()> clock); // empty: the system clock

// Milliseconds of a monotonic clock.
int64_t ticks_ms();

} // namespace os
