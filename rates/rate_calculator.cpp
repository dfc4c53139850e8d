#include "rates/rate_calculator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quarvel::rates {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

double readDecimal(std::string_view text) {
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Only digits and a point get here, so the number is either huge or tiny.
        const auto integerPart = text.substr(0, text.find('.'));
        const bool huge =
            std::any_of(integerPart.begin(), integerPart.end(), [](char c) { return c != '0'; });
        return huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

} // namespace

std::optional<double> parseRate(std::string_view text) {
    int points = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == '.') {
            ++points;
        } else if (isDigit(c)) {
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1) {
        return std::nullopt;
    }
    return readDecimal(text);
}

std::optional<double> parseSpeed(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) {
        return std::nullopt;
    }
    const double value = readDecimal(text);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double bytesPerSecond(double speed, SpeedUnit unit) {
    // The order of the operations is part of the result: 56 KBits/sec gives 6451.2 this way.
    switch (unit) {
    case SpeedUnit::Bits:
        return speed * 0.9 / 8;
    case SpeedUnit::KBits:
        return speed * 0.9 / 8 * 1024;
    case SpeedUnit::KBytes:
        return speed * 0.9 * 1024;
    }
    return 0;
}

double roundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5) {
        return down + 1;
    }
    if (fraction < 0.5) {
        return down;
    }
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::string wholeNumberText(double value) {
    if (!std::isfinite(value) || value < 0) {
        return "0";
    }
    // A double holds at most 309 integer digits; fixed notation prints them exactly.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 0);
    return {buffer.data(), result.ptr};
}

} // namespace quarvel::rates
