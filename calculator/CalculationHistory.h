#pragma once

#include "calculator/Calculation.h"

#include <optional>
#include <vector>

// The calculations that "=" completed since the start or the last Clear All, oldest first, and
// where a review of them stands. Like a shell's history, the review rests past the newest until
// the first step back, which gives the newest; each new calculation brings it back there.
class CalculationHistory
{
public:
    void add(const Calculation &calculation);
    void clear();

    int size() const { return int(calculations.size()); }
    const Calculation *newest() const;
    // The calculation the review stands at, or the newest while none is being reviewed.
    const Calculation *heard() const;
    int heardNumber() const; // counted from 1, the oldest

    // One calculation back or forth; false, without moving, at either end.
    bool stepBack();
    bool stepForward();

private:
    std::vector<Calculation> calculations;
    std::optional<size_t> reviewed;
};
