#pragma once

#include "flow/DuctSizing.h"
#include "flow/SizeTable.h"
#include "pipe/PipeSizing.h"

#include <QString>

namespace app::sizetable {

// What the page's last sizing leaves for the size table.
enum class SizingState {
    None,   // no sizing yet: the table says so
    Failed, // the last sizing failed before its inputs could be read
    // The inputs were read. The table computes from them even when the page's
    // own sizing then failed: a target that no size meets still lists every
    // size with one warning, and any other failure shows as a failed sizing.
    Done,
};

// A page's sizing section as the table needs it: the duct page's or the
// pipe page's, by the inputs its sizing routine takes.
template <typename Inputs> struct TableRequest
{
    SizingState state = SizingState::None;
    // The page's inputs as it passed them to its sizing routine: a duct's
    // `round` and `fixedSide` tell which size it chose; lossUnitFactor is
    // numeric::LossUnitFactor(conventionalUnits).
    Inputs inputs;
    flow::SizingBasis basis = flow::SizingBasis::Loss;
    bool conventionalUnits = true; // loss captions in mmAq/m, else Pa/m
    QString material;              // the material's list item; may be empty
    QString temperature;           // the water temperature's list item, ℃; may be empty
};

using DuctTableRequest = TableRequest<flow::DuctSizingInputs>;
using PipeTableRequest = TableRequest<pipes::PipeSizingInputs>;

} // namespace app::sizetable
