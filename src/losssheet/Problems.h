#pragma once

#include "losssheet/System.h"

#include <string>
#include <string_view>

// The reasons a section's row gives for what it could not compute, and its
// warnings, in Japanese. A flow is a 風量 in a duct system, a 流量 in a pipe
// system; the start is the fan or the pump.
namespace losssheet::problem {

std::string DuplicateName(std::string_view name);
std::string UnknownUpstream(std::string_view name);
std::string Loop();
std::string SecondStart(SystemKind kind);
std::string CutOff(std::string_view upstreamName);

std::string NoFlow(SystemKind kind);
std::string FlowNotPositive(SystemKind kind);
std::string FlowOfBranchesUnknown(SystemKind kind);

std::string UnreadableDuctSize(std::string_view typed);
std::string UnknownNominalSize(std::string_view typed);
std::string NoSizingTarget();
std::string NoFixedSide();
std::string BadAspectRatio();
std::string NoSizeFits();
std::string SizeLimitPassed(); // a warning: the sizes shown are the last tried
std::string NegativeLength();
std::string CannotCompute(std::string_view failure);
// A sum beyond the extended range, said as the arithmetic says it.
std::string Overflow();

// Fittings: each problem and warning of a fitting names it by its place and kind.
std::string OfFitting(std::size_t index, std::string_view kind, std::string_view text);
std::string UnknownKind(std::string_view id);
std::string UnknownMethod(std::string_view id);
std::string KindNotForSystem();
std::string MissingValue(std::string_view parameter);
std::string NoUpstreamSection();
std::string UpstreamNotComputed();
std::string NoSingleOtherBranch();
std::string BadCount();
std::string MainSectionChanges();

// The summary.
std::string NoTerminal();
std::string BadMargin();

} // namespace losssheet::problem
