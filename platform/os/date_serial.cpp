#include "platform/os/date_serial.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace os {

namespace {

constexpr long long kMsPerDay = 86400000LL;
constexpr long long kEpochSerial = 25569; // 1970-01-01

std::mutex g_clock_mutex;
std::function<double()> g_clock;

long long floor_div(long long a, long long b) {
    long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long long days_from_civil(long long y, long long m, long long d) {
    y += floor_div(m - 1, 12);
    m = (m - 1) - 12 * floor_div(m - 1, 12) + 1;
    y -= m <= 2;
    const long long era = floor_div(y, 400);
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civil_from_days(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = floor_div(z, 146097);
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

struct Parts {
    int year, month, day, hour, minute, second;
};

// Splits a serial, rounded to the millisecond; seconds are then truncated.
// A serial that is not a number or lies millions of years away (a damaged
// record) is first brought within that range, so the arithmetic cannot overflow.
Parts split(double serial) {
    constexpr double kMaxDays = 1e9;
    serial = std::isnan(serial) ? 0.0 : std::clamp(serial, -kMaxDays, kMaxDays);
    const long long ms = std::llround(serial * static_cast<double>(kMsPerDay));
    const long long days = floor_div(ms, kMsPerDay);
    const long long in_day = ms - days * kMsPerDay;
    Parts p;
    civil_from_days(days - kEpochSerial, p.year, p.month, p.day);
    const long long secs = in_day / 1000;
    p.hour = static_cast<int>(secs / 3600);
    p.minute = static_cast<int>(secs / 60 % 60);
    p.second = static_cast<int>(secs % 60);
    return p;
}

double local_serial(time_t seconds) {
    tm local;
    ::localtime_r(&seconds, &local);
    return date_serial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           time_fraction(local.tm_hour, local.tm_min, local.tm_sec);
}

double system_now() {
    timespec ts;
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return local_serial(ts.tv_sec) +
           static_cast<double>(ts.tv_nsec / 1000000) / static_cast<double>(kMsPerDay);
}

// Reads 1..max_digits digits at text[pos].
bool read_number(const std::string& text, size_t& pos, int max_digits, int& value) {
    size_t start = pos;
    value = 0;
    while (pos < text.size() && pos - start < static_cast<size_t>(max_digits) && text[pos] >= '0' &&
           text[pos] <= '9')
        value = value * 10 + (text[pos++] - '0');
    return pos > start;
}

bool expect(const std::string& text, size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

int days_in_month(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

} // namespace

double now() {
    std::function<double()> clock;
    {
        std::lock_guard<std::mutex> lock(g_clock_mutex);
        clock = g_clock;
    }
    return clock ? clock() : system_now();
}

double today() {
    return std::floor(now());
}

double date_serial(int year, int month, int day) {
    return static_cast<double>(days_from_civil(year, month, day) + kEpochSerial);
}

double serial_of_unix_time(int64_t seconds) {
    return local_serial(static_cast<time_t>(seconds));
}

double time_fraction(int hour, int minute, int second) {
    return static_cast<double>(hour * 3600 + minute * 60 + second) / 86400.0;
}

std::string format_date(double serial) {
    Parts p = split(serial);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
    return buf;
}

std::string format_date_time(double serial) {
    Parts p = split(serial);
    char buf[48];
    if (p.hour == 0 && p.minute == 0 && p.second == 0)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                      p.hour, p.minute, p.second);
    return buf;
}

bool parse_date_time(const std::string& text, double& serial) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    const std::string t = text.substr(b, e - b);

    size_t pos = 0;
    int y, m, d;
    if (!read_number(t, pos, 4, y) || !expect(t, pos, '-') || !read_number(t, pos, 2, m) ||
        !expect(t, pos, '-') || !read_number(t, pos, 2, d))
        return false;
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > days_in_month(y, m)) return false;
    int hh = 0, nn = 0, ss = 0;
    if (pos < t.size()) {
        if (!expect(t, pos, ' ')) return false;
        while (pos < t.size() && t[pos] == ' ')
            ++pos;
        if (!read_number(t, pos, 2, hh) || !expect(t, pos, ':') || !read_number(t, pos, 2, nn))
            return false;
        if (pos < t.size() && (!expect(t, pos, ':') || !read_number(t, pos, 2, ss))) return false;
        if (pos != t.size() || hh > 23 || nn > 59 || ss > 59) return false;
    }
    serial = date_serial(y, m, d) + time_fraction(hh, nn, ss);
    return true;
}

void set_clock(std::function<double()> clock) {
    std::lock_guard<std::mutex> lock(g_clock_mutex);
    g_clock = std::move(clock);
}

int64_t ticks_ms() {
    timespec ts;
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

} // namespace os
