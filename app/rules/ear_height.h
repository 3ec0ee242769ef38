#pragma once
// The ear height above an audience plane: seated, standing or a height of
// the user's own, and the plane-1 ear height of a ground stack, which never
// lies above the stage the stack stands on.

namespace rules {

// Seated and standing ear heights, m.
inline constexpr double kSeatedEarHeight = 1.4;
inline constexpr double kStandingEarHeight = 1.8;

enum class EarChoice { Seated, Standing, Custom };

// The choice a stored ear height shows: seated within 0.05 m of 1.4 (the
// bounds themselves excluded), standing within 0.05 m of 1.8, else custom.
EarChoice EarHeightChoice(double height);

// 1.4 for a seated audience, else 1.8.
double SeatedOrStanding(bool seated);

// The plane-1 ear height of a ground stack on a stage of `stageHeight`: the
// chosen ear height, or the stage height where that is lower.
double StackedEarHeight(double stageHeight, double chosen);

// The plane-1 ear height in either rig mode: the chosen height, held down to
// the stage height when ground-stacked (rigMode 2).
double Plane1EarHeight(int rigMode, double stageHeight, double chosen);

}  // namespace rules
