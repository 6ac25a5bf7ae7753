// The controls the tests name beside those the core names itself.
#pragma once

#include "midend/controls.h"

namespace kalmotre::ids {
inline constexpr int kSudokuLaden = controlNamed(Main, "SudokuLaden");
inline constexpr int kMnuEnde = controlNamed(Main, "mnuEnde_", 1);
inline constexpr int kBtnPlus = controlNamed(Main, "btnPlus");
inline constexpr int kBtnGO = controlNamed(Main, "btnGO");
inline constexpr int kBtnLoesung = controlNamed(Main, "btnLoesung");
inline constexpr int kFrame2 = controlNamed(Main, "Frame2");
inline constexpr int kSplashFrame = controlNamed(Splash, "Frame1");
inline constexpr int kImgLogo = controlNamed(Splash, "imgLogo");
inline constexpr int kLblCompany = controlNamed(Splash, "lblCompany");
}  // namespace kalmotre::ids
