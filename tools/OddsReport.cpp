// SPDX-License-Identifier: MIT
#include "tools/OddsReport.h"

#include "game/NetDistribution.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace kelvory {

namespace {

// printf into a std::string.
[[gnu::format(printf, 2, 3)]] void Append(std::string& out, const char* format, ...) {
    std::array<char, 256> buffer{};
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    if (length > 0) {
        out.append(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1));
    }
}

// A whole number with commas between groups of three digits.
std::string Grouped(long long value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string text;
    if (value < 0) {
        text.push_back('-');
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text.push_back(',');
        }
        text.push_back(digits[i]);
    }
    return text;
}

// The net result after a number of spins at one stake, from its exact
// distribution.
struct Range {
    int spins = 0;
    std::int64_t low = 0; // the 5 % quantile
    std::int64_t median = 0;
    std::int64_t high = 0; // the 95 % quantile
    double expected = 0;
    double ahead = 0; // the chance of a net result above 0
};

std::vector<Range> RangesOf(const ParSheet::Stake& odds) {
    std::vector<Range> ranges;
    for (const int spins : ParSheet::kRangeSpins) {
        const NetDistribution net = NetDistribution::After(odds, spins);
        ranges.push_back({spins, net.Quantile(0.05), net.Quantile(0.5), net.Quantile(0.95),
                          spins * (odds.meanPay - odds.stake), net.ChanceAbove(0)});
    }
    return ranges;
}

std::string Signed(double value) {
    const long long rounded = std::llround(value);
    std::string text = rounded > 0 ? std::string(1, '+') : std::string();
    text.append(Grouped(rounded));
    return text;
}

void AppendStake(std::string& out, const ParSheet::Stake& odds) {
    Append(out, "\nStake of %d credit%s\n\n", odds.stake, odds.stake == 1 ? "" : "s");
    Append(out, "  %-4s%-30s%9s%14s%12s%10s\n", "Row", "Wins when", "Windows", "Probability",
           "1 in", "Return");
    for (int row = 0; row < kPayRows; ++row) {
        const ParSheet::Stake::Row& r = odds.rows[row];
        Append(out, "  %-4d%-30s%9s%13.4f%%%12.1f%9.2f%%\n", row + 1, ParSheet::kRowNames[row],
               Grouped(r.count).c_str(), 100.0 * r.probability, r.oneIn, 100.0 * r.returnShare);
    }
    Append(out, "  %-34s%9s%13.4f%%%12.2f%9.2f%%\n", "All wins", Grouped(odds.wins).c_str(),
           100.0 * odds.hitFrequency, 1.0 / odds.hitFrequency, 100.0);
    Append(out, "\n  Hit frequency        %8.2f %%  (a win every %.2f spins)\n",
           100.0 * odds.hitFrequency, 1.0 / odds.hitFrequency);
    Append(out, "  Return to player     %8.2f %%  (%s credits paid for %s staked)\n",
           100.0 * odds.returnToPlayer, Grouped(odds.paid).c_str(),
           Grouped(odds.windows * odds.stake).c_str());
    Append(out, "  Volatility           %8.2f credits (standard deviation of one spin's pay)\n",
           odds.payStdDev);
    Append(out, "  Win of %d or more   %8.4f %%  (1 in %.1f spins)\n", ParSheet::kBigWin,
           100.0 * odds.bigWinProbability, 1.0 / odds.bigWinProbability);

    Append(out, "\n  %-10s%10s\n", "Pays", "Windows");
    for (const ParSheet::Stake::Pay& pay : odds.pays) {
        Append(out, "  %-10s%10s\n", Grouped(pay.amount).c_str(), Grouped(pay.count).c_str());
    }

    Append(out, "\n  Net result after N spins: 90 %% of the time between Low and High,\n"
                "  the median in the middle, ahead (above 0) as often as Ahead says\n");
    Append(out, "  %8s%12s%12s%13s%12s%10s\n", "Spins", "Low (5 %)", "Median", "High (95 %)",
           "Expected", "Ahead");
    for (const Range& range : RangesOf(odds)) {
        Append(out, "  %8s%12s%12s%13s%12s%9.2f%%\n", Grouped(range.spins).c_str(),
               Signed(double(range.low)).c_str(), Signed(double(range.median)).c_str(),
               Signed(double(range.high)).c_str(), Signed(range.expected).c_str(),
               100.0 * range.ahead);
    }
}

void CsvLine(std::string& out, const char* section, int stake, long long item, double value) {
    Append(out, "%s,%d,%lld,%.17g\n", section, stake, item, value);
}

void CsvLine(std::string& out, const char* section, int stake, const char* item, double value) {
    Append(out, "%s,%d,%s,%.17g\n", section, stake, item, value);
}

} // namespace

std::string OddsReport::Table(const ParSheet& sheet) {
    std::string out;
    Append(out, "Kelvory odds, from all %s equally likely resting windows of the reels\n",
           Grouped(sheet.stakes[0].windows).c_str());
    for (const ParSheet::Stake& odds : sheet.stakes) {
        AppendStake(out, odds);
    }
    return out;
}

std::string OddsReport::Csv(const ParSheet& sheet) {
    std::string out = "section,stake,item,value\n";
    for (const ParSheet::Stake& odds : sheet.stakes) {
        const int stake = odds.stake;
        CsvLine(out, "summary", stake, "windows", static_cast<double>(odds.windows));
        CsvLine(out, "summary", stake, "wins", static_cast<double>(odds.wins));
        CsvLine(out, "summary", stake, "paid", static_cast<double>(odds.paid));
        CsvLine(out, "summary", stake, "hit_frequency", odds.hitFrequency);
        CsvLine(out, "summary", stake, "return_to_player", odds.returnToPlayer);
        CsvLine(out, "summary", stake, "mean_pay", odds.meanPay);
        CsvLine(out, "summary", stake, "pay_variance", odds.payVariance);
        CsvLine(out, "summary", stake, "pay_std_dev", odds.payStdDev);
        CsvLine(out, "summary", stake, "big_wins", static_cast<double>(odds.bigWins));
        CsvLine(out, "summary", stake, "big_win_probability", odds.bigWinProbability);
        for (int row = 0; row < kPayRows; ++row) {
            const ParSheet::Stake::Row& r = odds.rows[row];
            CsvLine(out, "row_count", stake, row + 1, static_cast<double>(r.count));
            CsvLine(out, "row_probability", stake, row + 1, r.probability);
            CsvLine(out, "row_one_in", stake, row + 1, r.oneIn);
            CsvLine(out, "row_return_share", stake, row + 1, r.returnShare);
        }
        for (const ParSheet::Stake::Pay& pay : odds.pays) {
            CsvLine(out, "pay_count", stake, pay.amount, static_cast<double>(pay.count));
        }
        for (const Range& range : RangesOf(odds)) {
            CsvLine(out, "range_expected", stake, range.spins, range.expected);
            CsvLine(out, "range_low", stake, range.spins, double(range.low));
            CsvLine(out, "range_median", stake, range.spins, double(range.median));
            CsvLine(out, "range_high", stake, range.spins, double(range.high));
            CsvLine(out, "range_ahead", stake, range.spins, range.ahead);
        }
    }
    return out;
}

} // namespace kelvory
