#include "calculator/CalculationHistory.h"

void CalculationHistory::add(const Calculation &calculation)
{
    calculations.push_back(calculation);
    reviewed.reset();
}

void CalculationHistory::clear()
{
    calculations.clear();
    reviewed.reset();
}

const Calculation *CalculationHistory::newest() const
{
    return calculations.empty() ? nullptr : &calculations.back();
}

const Calculation *CalculationHistory::heard() const
{
    return reviewed ? &calculations[*reviewed] : newest();
}

int CalculationHistory::heardNumber() const
{
    return int(reviewed.value_or(calculations.size() - 1)) + 1;
}

bool CalculationHistory::stepBack()
{
    if (calculations.empty() || reviewed == 0)
        return false;
    reviewed = reviewed ? *reviewed - 1 : calculations.size() - 1;
    return true;
}

bool CalculationHistory::stepForward()
{
    if (!reviewed || *reviewed + 1 == calculations.size())
        return false;
    reviewed = *reviewed + 1;
    return true;
}
