#include "PexarHigh.h"

namespace {

constexpr PexarRadio::Constants Model{
    .RadioType = 6,
    .TXOffset = 121.0,
    .RXOffset = 45.0,
    .MinTXFreq = 924.0,
    .MaxTXFreq = 934.0,
    .BandMessage = "The transmit freq of modem is limited to between 924 and 934",
};

}  // namespace

PexarHigh::PexarHigh(ModemLinks& links) : PexarRadio(links, Model) {}
