#pragma once

// The key filter of every numeric text box: digits, ".", "-", Backspace and
// Enter pass, every other key becomes 0.
int NumericKeyFilter(const int& KeyAscii);
