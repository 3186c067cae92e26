#pragma once

// The pipe page's texts that the size table shows too, UTF-8.
namespace pipes::texts {

// The page's tab.
inline constexpr char PageCaption[] = "配管計算";
// The sizing target's caption on the velocity basis.
inline constexpr char TargetVelocity[] = "目標流速";

} // namespace pipes::texts
