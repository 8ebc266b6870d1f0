#include "GeneralFunc.h"

int NumericKeyFilter(const int& KeyAscii)
{
    const bool digit = KeyAscii >= '0' && KeyAscii <= '9';
    if (digit || KeyAscii == '.' || KeyAscii == '-' || KeyAscii == 8 || KeyAscii == 13) return KeyAscii;
    return 0;
}
