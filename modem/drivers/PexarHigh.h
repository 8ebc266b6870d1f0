#pragma once

#include "PexarRadio.h"

// The built-in radio that transmits in 924-934 MHz and receives 76 MHz lower.
class PexarHigh : public PexarRadio {
public:
    explicit PexarHigh(ModemLinks& links);
};
