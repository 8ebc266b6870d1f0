#include "PexarLow.h"

namespace {

constexpr PexarRadio::Constants Model{
    .RadioType = 7,
    .TXOffset = -121.0,
    .RXOffset = -45.0,
    .MinTXFreq = 848.0,
    .MaxTXFreq = 858.0,
    .BandMessage = "The transmit freq of modem is limited to between 848 and 858",
};

}  // namespace

PexarLow::PexarLow(ModemLinks& links) : PexarRadio(links, Model) {}
