#pragma once

// The calculation that the window shows and the record file keeps: all singles,
// zero until the first computation.
struct TCalcState {
    float Precision = 0; // stop threshold for both series
    float X = 0;         // the argument x
    float Series1 = 0;   // latest value of the first series, e^(2x)
};
