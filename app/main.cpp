#include "SeriesCalcMain.h"

int main(int argc, char** argv) {
    return RunSeriesCalc(argc, argv);
}
