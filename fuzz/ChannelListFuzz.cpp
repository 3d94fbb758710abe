// A channel list for the finder from arbitrary text: every channel read is a frequency above 0 on
// the list's five decimals, lines not taken are named in order, and the channels written and
// read back (in either convention) are the same channels and the same text.
//
// Input: the first byte picks the decimal convention (bit 0) and the role (bits 1-2); the rest is
// the file.

#include "FuzzSupport.h"
#include "engine/ChannelList.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spurline;
    using namespace spurline::fuzz;
    if (size == 0)
        return 0;
    const Locale locale = LocaleFromByte(data[0]);
    const FinderRole role = ((data[0] >> 1) & 3) == 0   ? FinderRole::Tx
                            : ((data[0] >> 1) & 3) == 1 ? FinderRole::Rx
                                                        : FinderRole::Both;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const ChannelListRead read = ReadChannelList(text, role, 5000, locale);
    int previous = 0;
    for (const CsvRejectedLine& line : read.rejected) {
        Require(line.line > previous, "lines not taken in order", CsvRejectedLineText(line));
        previous = line.line;
    }
    for (const FinderChannel& c : read.channels) {
        for (double f : {c.receiveMHz, c.transmitMHz}) {
            Require(f > 0 && f < 1e6, "a frequency in range", std::to_string(f));
            Require(std::round(f * 1e5) / 1e5 == f, "five decimals", std::to_string(f));
        }
        Require(role == FinderRole::Both || c.receiveMHz == c.transmitMHz,
                "one frequency for a transmitter or a receiver");
    }

    const std::string written = WriteChannelList(read.channels, role);
    for (const Locale& other : {Locale::English(), Locale::German()}) {
        const ChannelListRead again = ReadChannelList(written, role, 0, other);
        Require(again.channels == read.channels, "the same channels read back", written);
        Require(again.rejected.empty(), "every written line read back", written);
        Require(WriteChannelList(again.channels, role) == written, "the same text written again");
    }
    return 0;
}
