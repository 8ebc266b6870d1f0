#pragma once

#include "PexarRadio.h"

// The built-in radio that transmits in 848-858 MHz and receives 76 MHz higher.
class PexarLow : public PexarRadio {
public:
    explicit PexarLow(ModemLinks& links);
};
