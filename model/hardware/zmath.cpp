#include "model/hardware/zmath.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

namespace zmath {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// The generator is seeded once when the program starts.
struct SeedAtStart {
    SeedAtStart() { Randomize(); }
};
const SeedAtStart seedAtStart;

}  // namespace

float ArcTan2(float Y, float X) {
    if (Y == 0.0f) return X < 0.0f ? static_cast<float>(-kPi) : 0.0f;
    if (X == 0.0f) return Y < 0.0f ? static_cast<float>(-kPi / 2) : static_cast<float>(kPi / 2);
    const long double a = std::atan(static_cast<long double>(Y) / static_cast<long double>(X));
    if (X > 0.0f) return static_cast<float>(a);
    if (Y > 0.0f) return static_cast<float>(a + kPi);
    // X < 0 and Y < 0 (or a NaN, which carries through).
    return static_cast<float>(a - kPi);
}

float Tan(float X) {
    const long double x = X;
    return static_cast<float>(std::sin(x) / std::cos(x));
}

void Randomize() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    std::srand(static_cast<unsigned>(msOfDay));
}

float ArcTan2OfDoubles(double Y, double X) {
    const double m = std::max(std::fabs(X), std::fabs(Y));
    if (m > 1.0e30 || (m > 0.0 && m < 1.0e-30)) {
        X /= m;
        Y /= m;
    }
    return ArcTan2(static_cast<float>(Y), static_cast<float>(X));
}

}  // namespace zmath
