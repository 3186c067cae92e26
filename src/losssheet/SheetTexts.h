#pragma once

#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <string>
#include <vector>

// The texts of the sheet's cells, in the unit system of the window: every
// place that shows a value (the table, a copied row, the printed sheet)
// takes its text from here. A value that could not be computed is "".
namespace losssheet {

struct SectionTexts
{
    std::string flow;               // general, 15 digits
    std::string size;               // "500×300", "φ300", "50"
    std::string equivalentDiameter; // mm, 1 decimal
    std::string velocity;           // m/s, 2 decimals
    std::string dynamicPressure;    // PressureScale
    std::string lossPerMetre;       // LossPerMetreScale
    std::string straightLoss;       // PressureScale, and so on
    std::string sumZeta;            // 2 decimals
    std::string equivalentLength;   // pipes, m, 2 decimals
    std::string fittingLoss;
    std::string equipmentLoss;
    std::string sectionLoss;
    std::string cumulative;
};

SectionTexts TextsOf(const SectionResult &r, SystemKind kind, UnitSystem units);

struct FittingTexts
{
    std::string zeta;             // one fitting, on the velocity its method names, 3 decimals
    std::string reference;        // whose velocity that is
    std::string sectionZeta;      // ζ·count on the section's velocity, 2 decimals
    std::string equivalentLength; // m, 2 decimals
    std::string loss;             // PressureScale
};

FittingTexts TextsOf(const FittingResult &r, SystemKind kind, UnitSystem units);

// Whose velocity a coefficient is on, as the fitting table names it.
std::string ReferenceText(fittings::Reference reference);

struct TerminalTexts
{
    std::string pathLoss;
    std::string surplus;
};

struct SummaryTexts
{
    std::string friction; // along the critical path, PressureScale
    std::string fittings;
    std::string equipment;
    std::string systemLoss;
    std::string margin;           // %, general
    std::string staticHead;       // pipes, m
    std::string terminalPressure; // pipes, kPa
    // Ducts: the required static pressure (PressureScale). Pipes: the total
    // head in m, and in kPa below.
    std::string required;
    std::string requiredKilopascals;
    std::vector<TerminalTexts> terminals;
};

SummaryTexts TextsOf(const Summary &s, SystemKind kind, UnitSystem units);

} // namespace losssheet
