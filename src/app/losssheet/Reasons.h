#pragma once

#include "app/losssheet/SheetLook.h"
#include "app/losssheet/Utf8.h"

#include <QStringList>
#include <QVariant>

namespace app::losssheet {

// Why a section's or a fitting's result is missing or doubtful: its
// problem first, then its warnings, as the tables' tips and the printed
// sheet's notes list them.
template <typename Result> QStringList ReasonsOf(const Result &r)
{
    QStringList reasons;
    if (!r.problem.empty())
        reasons << Utf8(r.problem);
    for (const auto &warning : r.warnings)
        reasons << Utf8(warning);
    return reasons;
}

// The mark in a row's first cell: a problem's, else a warning's, else none.
template <typename Result> QVariant MarkOf(const Result &r)
{
    if (!r.problem.empty())
        return ProblemIcon();
    if (!r.warnings.empty())
        return WarningIcon();
    return {};
}

} // namespace app::losssheet
