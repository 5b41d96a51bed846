#include "bot/Board.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr const std::array<int32_t, 20>& kSegments = kBoardSegments;

int32_t SegmentIndex(int32_t number)
{
    for (size_t index = 0; index < kSegments.size(); ++index) {
        if (kSegments[index] == number) {
            return static_cast<int32_t>(index);
        }
    }
    return 0;
}

} // namespace

std::optional<TBed> BedAt(TPoint point)
{
    const double radius = std::hypot(point.X, point.Y);
    if (radius < kInnerBullRadius) {
        return TBed{TRing::Bull, 25};
    }
    if (radius < kOuterBullRadius) {
        return TBed{TRing::OuterBull, 25};
    }
    if (radius >= kDoubleOuterRadius) {
        return std::nullopt;
    }
    // Degrees clockwise from the top; the 20 spans -9 .. 9.
    double degrees = std::atan2(point.X, point.Y) * 180.0 / std::numbers::pi;
    if (degrees < 0.0) {
        degrees += 360.0;
    }
    const auto index =
        static_cast<size_t>(std::floor((degrees + kSegmentDegrees / 2.0) / kSegmentDegrees)) % 20;
    const int32_t number = kSegments[index];
    if (radius >= kTrebleInnerRadius && radius < kTrebleOuterRadius) {
        return TBed{TRing::Treble, number};
    }
    if (radius >= kDoubleInnerRadius) {
        return TBed{TRing::Double, number};
    }
    return TBed{TRing::Single, number};
}

TPoint AimPoint(const TBed& bed)
{
    double radius = 0.0;
    switch (bed.Ring) {
    case TRing::Bull:
        return {};
    case TRing::OuterBull:
        // Just below the Bull, where a miss of it still scores 25 or the Bull.
        return {0.0, -(kInnerBullRadius + kOuterBullRadius) / 2.0};
    case TRing::Treble:
        radius = (kTrebleInnerRadius + kTrebleOuterRadius) / 2.0;
        break;
    case TRing::Double:
        radius = (kDoubleInnerRadius + kDoubleOuterRadius) / 2.0;
        break;
    case TRing::Single:
        radius = (kTrebleOuterRadius + kDoubleInnerRadius) / 2.0;
        break;
    }
    const double radians = SegmentIndex(bed.Number) * kSegmentDegrees * std::numbers::pi / 180.0;
    return {radius * std::sin(radians), radius * std::cos(radians)};
}

std::string DartName(const std::optional<TBed>& bed)
{
    if (!bed) {
        return "Miss";
    }
    switch (bed->Ring) {
    case TRing::Single:
        return std::string(1, 'S').append(std::to_string(bed->Number));
    case TRing::Double:
    case TRing::Treble:
    case TRing::OuterBull:
    case TRing::Bull:
        break;
    }
    return bed->Name();
}

TDart DartOf(const std::optional<TBed>& bed)
{
    if (!bed) {
        return {0, 1};
    }
    switch (bed->Ring) {
    case TRing::Single:
        return {bed->Number, 1};
    case TRing::Double:
        return {bed->Number, 2};
    case TRing::Treble:
        return {bed->Number, 3};
    case TRing::OuterBull:
        return {25, 1};
    case TRing::Bull:
        return {25, 2};
    }
    return {0, 1};
}
