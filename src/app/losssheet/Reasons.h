#pragma once

#include "app/losssheet/Utf8.h"

#include <QStringList>

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

} // namespace app::losssheet
