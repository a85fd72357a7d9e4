#pragma once

namespace orvanta::command {

// Identifiers of the program's own commands; menu items and tool-bar buttons carry them.
inline constexpr int kChangeBirthData = 32771;
inline constexpr int kStep = 1023;
inline constexpr int kNatalSettings = 32808;
inline constexpr int kEventSettings = 32809;
inline constexpr int kZoomIn = 32802;
inline constexpr int kZoomOut = 32801;
inline constexpr int kNatalWindow = 32787;
inline constexpr int kTextWindow = 32782;
inline constexpr int kEventWindow = 32780;
inline constexpr int kSynthesizeText = 32805;
inline constexpr int kBuildEventChart = 32806;
inline constexpr int kAnalysis = 32807;
inline constexpr int kEventDate = 1173;
inline constexpr int kEventStep = 1129;
inline constexpr int kNotice = 109;
inline constexpr int kBirthMoment = 32810;
inline constexpr int kDegreesMinutes = 32811;

}  // namespace orvanta::command
