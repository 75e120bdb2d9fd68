#include "AxisTicks.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int LeastTicks = 4;
constexpr int MostDecades = 14; // labelled decades on one axis, at most

// The ticks of a step in [low, high], as whole multiples of it: counted in
// whole numbers, so that adding steps cannot drift.
struct Multiples {
    double From, To;
};

Multiples Within(double low, double high, double step) {
    return {std::ceil(low / step - 1e-9), std::floor(high / step + 1e-9)};
}

// Every tick of `step` in [low, high], labelled by `label`.
template <class Label> AxisTicks Spaced(double low, double high, double step, Label label) {
    AxisTicks ticks;
    const Multiples m = Within(low, high, step);
    ticks.First = m.From * step;
    ticks.Step = step;
    for (double i = m.From; i <= m.To; ++i)
        ticks.Labels.push_back(label(i * step));
    return ticks;
}

} // namespace

AxisTicks LinearTicks(double low, double high, const TFormatSettings& settings) {
    if (!(low < high)) { // one value: a little room around it
        const double pad = std::max(std::abs(low), 1.0) * 0.05;
        low -= pad, high += pad;
    }
    if (!std::isfinite(high - low))
        return {};
    // The widest step of 1, 2 or 5 x 10^k that still gives enough ticks.
    static constexpr double Mantissas[] = {5, 2, 1};
    const int power = int(std::floor(std::log10(high - low)));
    double step = std::pow(10.0, power + 1);
    for (int i = 0; [&] {
             const Multiples m = Within(low, high, step);
             return m.To - m.From + 1 < LeastTicks;
         }();
         ++i)
        step = Mantissas[i % 3] * std::pow(10.0, power - i / 3);
    // Fixed decimals, or where they grow long (from 10^7, below 10^-4) the
    // window's own format, "2,5E10", "-2E-12", if that tells the ticks apart.
    const double largest = std::max(std::abs(low), std::abs(high));
    if (largest >= 1e7 || largest < 1e-4) {
        AxisTicks ticks =
            Spaced(low, high, step, [&](double tick) { return ShownValue(tick, settings); });
        if (std::ranges::adjacent_find(ticks.Labels) == ticks.Labels.end())
            return ticks;
    }
    const int decimals = std::max(0, -int(std::floor(std::log10(step) + 1e-9)));
    return Spaced(low, high, step,
                  [&](double tick) { return FixedValue(tick, decimals, settings); });
}

AxisTicks TermTicks(int last, const TFormatSettings& settings) {
    return Spaced(1, last, last <= 10 ? 1 : 5,
                  [&](double tick) { return FixedValue(tick, 0, settings); });
}

AxisTicks DecadeTicks(int low, int high) {
    const int step = std::max(1, (high - low + MostDecades - 1) / MostDecades);
    return Spaced(low, high, step, [](double tick) { return DecadeText(int(tick)); });
}
