#pragma once
namespace brev {
// Start of the Name Me stage picture file names ("eagle1.jpg" .. "eagle6.jpg").
inline constexpr char stageWord[] = "eagle";
} // namespace brev
