#include "lottery/clsTProbability.h"

#include "lottery/basBall.h"
#include "lottery/clsTNumber.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::uint8_t kHit1 = 1;
constexpr std::uint8_t kHit2 = 2;
constexpr std::uint8_t kHit3 = 4;

void Require(std::span<const std::int32_t> lngList)
{
    for (std::int32_t v : lngList) {
        if (!clsTNumber::IsValidNo(v)) {
            throw clsTNumber::NoOutOfRange();
        }
    }
}

} // namespace

bool clsTProbability::GetTousen(std::span<const std::int32_t> lngMulti,
                                std::span<const std::int32_t> lngSingle,
                                std::span<std::int32_t> lngTousen)
{
    try {
        if (lngTousen.size() < 6) {
            throw std::out_of_range("winning count list shorter than 6");
        }
        Require(lngMulti);
        Require(lngSingle);
        // The three flags of a number share one byte: 1.6 MB instead of three 16-bit tables,
        // so the marking stays in cache far more often.
        std::vector<std::uint8_t> hit(clsTNumber::SingleCount, 0);
        // The balls are walked as the engines walk them: one offset load per member, the
        // distance a constant at each step of the walk.
        std::uint8_t* mark = hit.data();
        std::size_t done = 0;
        for (const std::int32_t s : lngSingle) {
            if (m_pump != nullptr && ++done % kPumpEvery == 0) {
                m_pump->DoEvents();
            }
            basBall::Digits d;
            basBall::MakeDigits(s, d);
            basBall::BallOffsets o;
            basBall::MakeBallOffsets(d, o);
            basBall::ForEachOfBall(mark + s, o, 3, [](std::uint8_t* x, int lngDistance) {
                *x = static_cast<std::uint8_t>(*x | (kHit1 << lngDistance));
            });
        }
        std::array<std::int32_t, 6> n{};
        n[0] = static_cast<std::int32_t>(lngMulti.size());
        for (std::int32_t m : lngMulti) {
            const std::uint8_t h = hit[static_cast<std::size_t>(m)];
            n[1] += (h & kHit1) != 0;
            n[2] += (h & kHit2) != 0;
            n[3] += (h & kHit3) != 0;
            n[4] += (h & (kHit1 | kHit2)) != 0;
            n[5] += h != 0;
        }
        for (int i = 0; i < 6; ++i) {
            lngTousen[static_cast<std::size_t>(i)] = n[static_cast<std::size_t>(i)];
        }
        m_lastError = {};
        return true;
    } catch (const std::exception& e) {
        m_lastError = clsErrorReporter::FromException(e);
        return false;
    }
}
