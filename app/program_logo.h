#pragma once
// The program's logo: the picture the start-up window shows (a dark stage
// with the name over a fan of rays), for the splash and for the printed
// pages' corner pictures.

#include <QImage>

#include <string>

#include "platform/core/canvas.h"

// The splash picture at its own size.
inline constexpr int kLogoWidth = 815;
inline constexpr int kLogoHeight = 186;
// Drawn at the given pixel ratio: ratio x the size in pixels, the same picture.
QImage ProgramLogoImage(double pixelRatio = 1.0);

// A white picture of width x height with the logo scaled into it, whole and
// centred, its proportions kept.  An empty picture for a size of nothing.
rtl::Picture ProgramLogoPicture(int width, int height, const std::string& name);
