// SPDX-License-Identifier: MIT
// kelvory-odds: prints the game's exact odds, worked out from its own rules.
#include "game/ParSheet.h"
#include "tools/OddsReport.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr char kUsage[] =
    "Usage: kelvory-odds [--csv]\n"
    "Prints the exact odds of Kelvory for stakes of 1 and 2 credits,\n"
    "worked out from all 64,000 equally likely resting windows of the reels.\n"
    "\n"
    "  --csv   one figure a line: section,stake,item,value\n"
    "  --help  show this text\n";

} // namespace

int main(int argc, char* argv[]) {
    bool csv = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--csv") {
            csv = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "kelvory-odds: unknown option '%s'\n%s", argv[i], kUsage);
            return 2;
        }
    }
    const kelvory::ParSheet sheet = kelvory::ParSheet::Build();
    const std::string text =
        csv ? kelvory::OddsReport::Csv(sheet) : kelvory::OddsReport::Table(sheet);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        std::fputs("kelvory-odds: cannot write the output\n", stderr);
        return 1;
    }
    return 0;
}
