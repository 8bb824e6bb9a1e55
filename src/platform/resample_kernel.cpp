#include "platform/resample_kernel.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace orvane {
namespace {

// Zero crossings of the sinc on each side when the full source band passes.
constexpr int kHalfWidth = 16;
// Downsampling widens the kernel in source frames; far below the source rate this caps the cost.
constexpr int kMaxHalfWidth = 64;
// The cut-off as a fraction of the lower of the two Nyquist frequencies: the transition band of a
// 32-tap kernel ends about at Nyquist, where images would start.
constexpr double kCutoff = 0.92;
constexpr double kKaiserBeta = 7.5;
constexpr uint64_t kMaxRows = 1024;
constexpr double kPi = 3.14159265358979323846;

double BesselI0(double x) {
    double sum = 1.0;
    double term = 1.0;
    for (int k = 1; k < 64 && term > 1e-12 * sum; ++k) {
        const double half = x / (2.0 * k);
        term *= half * half;
        sum += term;
    }
    return sum;
}

double Sinc(double x) {
    return x == 0.0 ? 1.0 : std::sin(kPi * x) / (kPi * x);
}

}  // namespace

ResampleKernel::ResampleKernel(int sourceRate, int outputRate) {
    const uint64_t source = static_cast<uint64_t>(std::max(sourceRate, 1));
    const uint64_t output = static_cast<uint64_t>(std::max(outputRate, 1));
    const uint64_t common = std::gcd(source, output);
    const uint64_t step = source / common;
    denominator_ = output / common;
    stepWhole_ = step / denominator_;
    stepFraction_ = step % denominator_;
    if (source == output) {
        // Every output frame lands on a source frame: a plain copy.
        halfWidth_ = 1;
        table_ = {1.0f, 0.0f};
        return;
    }
    const double band = std::min(1.0, static_cast<double>(output) / static_cast<double>(source));
    const double cutoff = kCutoff * band;
    halfWidth_ = std::min(kMaxHalfWidth, static_cast<int>(std::ceil(kHalfWidth / band)));
    exact_ = denominator_ <= kMaxRows;
    rows_ = exact_ ? denominator_ : kMaxRows;

    const int taps = 2 * halfWidth_;
    const double windowNorm = BesselI0(kKaiserBeta);
    table_.resize(rows_ * static_cast<uint64_t>(taps));
    for (uint64_t row = 0; row < rows_; ++row) {
        const double phase = static_cast<double>(row) / static_cast<double>(rows_);
        float* coefficients = table_.data() + row * static_cast<uint64_t>(taps);
        double sum = 0.0;
        for (int j = 0; j < taps; ++j) {
            // Distance from the output position to the source frame this tap reads.
            const double x = phase + (halfWidth_ - 1) - j;
            const double t = x / halfWidth_;
            const double window =
                t * t >= 1.0 ? 0.0 : BesselI0(kKaiserBeta * std::sqrt(1.0 - t * t)) / windowNorm;
            const double value = cutoff * Sinc(cutoff * x) * window;
            coefficients[j] = static_cast<float>(value);
            sum += value;
        }
        // Every phase passes a constant unchanged, so slow parts do not ripple with the phase.
        for (int j = 0; j < taps; ++j) {
            coefficients[j] = static_cast<float>(coefficients[j] / sum);
        }
    }
}

}  // namespace orvane
