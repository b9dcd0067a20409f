#include "base/clsQuickSort.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace {

struct Range
{
    std::int64_t lo;
    std::int64_t hi;
};

// Calls the pump once 2^20 entries have been looked at since the last call: a few
// milliseconds' work.
class WorkTick
{
public:
    explicit WorkTick(clsIPump* pump)
        : m_pump(pump)
    {}
    void Add(std::int64_t lngEntries)
    {
        m_done += lngEntries;
        if (m_pump != nullptr && m_done >= kWork) {
            m_done = 0;
            m_pump->DoEvents();
        }
    }

private:
    static constexpr std::int64_t kWork = std::int64_t{1} << 20;
    clsIPump* m_pump;
    std::int64_t m_done = 0;
};

// Both sub-ranges of a step are sorted independently of each other, so the order in which
// they are done does not change the result: doing the smaller first keeps the pending stack
// at O(log n) where the plain recursion could go n deep.
void PushLarger(std::vector<Range>& stack, Range a, Range b, Range& next)
{
    if (a.hi - a.lo > b.hi - b.lo) {
        std::swap(a, b);
    }
    stack.push_back(b);
    next = a;
}

template <class Key, class Before>
void SchemeH(std::span<Key> key, std::span<std::int32_t> index, Before before, WorkTick& tick)
{
    std::vector<Range> stack;
    stack.push_back({0, static_cast<std::int64_t>(key.size()) - 1});
    while (!stack.empty()) {
        Range r = stack.back();
        stack.pop_back();
        while (r.lo < r.hi) {
            const Key p = key[(r.lo + r.hi) / 2];
            std::int64_t i = r.lo;
            std::int64_t j = r.hi;
            for (;;) {
                while (before(key[i], p)) {
                    ++i;
                }
                while (before(p, key[j])) {
                    --j;
                }
                if (i >= j) {
                    break;
                }
                std::swap(key[i], key[j]);
                std::swap(index[i], index[j]);
                ++i;
                --j;
            }
            tick.Add(r.hi - r.lo);
            PushLarger(stack, {r.lo, i - 1}, {j + 1, r.hi}, r);
        }
    }
}

// Scheme L. Followed literally, a segment whose pivot is its least key (in sort order) costs a
// full scan and shrinks by one entry, which is quadratic on long runs of equal keys. Such a
// step does nothing but exchange the first and middle entries, so while the middle key equals
// the segment's least key it is done in O(1); the least key and its count are found once per
// run of such steps. The order that results is exactly the literal scheme's.
template <class Key, class Before>
void SchemeL(std::span<Key> key, std::span<std::int32_t> index, Before before, WorkTick& tick)
{
    std::vector<Range> stack;
    stack.push_back({0, static_cast<std::int64_t>(key.size()) - 1});
    while (!stack.empty()) {
        Range r = stack.back();
        stack.pop_back();
        while (r.lo < r.hi) {
            // Least key of lo..hi and how many entries hold it.
            Key least = key[r.lo];
            std::int64_t count = 0;
            for (std::int64_t t = r.lo; t <= r.hi; ++t) {
                if (before(key[t], least)) {
                    least = key[t];
                    count = 1;
                } else if (!before(least, key[t])) {
                    ++count;
                }
            }
            tick.Add(r.hi - r.lo);
            while (r.lo < r.hi && count > 0) {
                const std::int64_t mid = (r.lo + r.hi) / 2;
                if (before(least, key[mid])) {
                    break;
                }
                // Nothing is before the pivot: the literal step leaves i = lo.
                std::swap(key[r.lo], key[mid]);
                std::swap(index[r.lo], index[mid]);
                ++r.lo;
                --count;
            }
            if (r.lo >= r.hi) {
                break;
            }
            if (count == 0) {
                continue; // the least key changed: find the new one
            }
            const std::int64_t mid = (r.lo + r.hi) / 2;
            const Key p = key[mid];
            const std::int32_t q = index[mid];
            key[mid] = key[r.lo];
            index[mid] = index[r.lo];
            std::int64_t i = r.lo;
            for (std::int64_t j = r.lo + 1; j <= r.hi; ++j) {
                if (before(key[j], p)) {
                    ++i;
                    std::swap(key[i], key[j]);
                    std::swap(index[i], index[j]);
                }
            }
            key[r.lo] = key[i];
            index[r.lo] = index[i];
            key[i] = p;
            index[i] = q;
            tick.Add(r.hi - r.lo);
            PushLarger(stack, {r.lo, i - 1}, {i + 1, r.hi}, r);
        }
    }
}

void RequireElements(std::size_t n)
{
    if (n == 0) {
        throw std::out_of_range("配列に要素がありません。");
    }
}

// Runs fn; an exception it throws is reported under strOperation and gives false.
template <class Fn> bool Guarded(const clsErrorReporter& err, const char* strOperation, Fn fn)
{
    try {
        fn();
        return true;
    } catch (const std::exception& e) {
        err.ReportException(strOperation, e);
        return false;
    }
}

// Calls fn with the order asked for: ascending when Sorted, else descending.
template <class Fn> void InOrder(bool Sorted, Fn fn)
{
    if (Sorted) {
        fn(std::less<>());
    } else {
        fn(std::greater<>());
    }
}

template <class T> void SortWhole(std::span<T> a, bool Sorted)
{
    RequireElements(a.size());
    // Equal values are indistinguishable, so any correct sort gives the same array.
    InOrder(Sorted, [&](auto less) { std::sort(a.begin(), a.end(), less); });
}
} // namespace

clsQuickSort::clsQuickSort(clsIMessage& message)
    : m_err(message, "clsQuickSort")
{}

bool clsQuickSort::LongSort(std::span<std::int32_t> myArray, bool Sorted) const
{
    return Guarded(m_err, "LongSort", [&] { SortWhole(myArray, Sorted); });
}

bool clsQuickSort::StringSort(std::span<std::string> myArray, bool Sorted) const
{
    return Guarded(m_err, "StringSort", [&] { SortWhole(myArray, Sorted); });
}

bool clsQuickSort::LongIndexSort(std::span<std::int32_t> myArray, std::span<std::int32_t> lngIndex,
                                 bool Sorted) const
{
    return Guarded(m_err, "LongIndexSort", [&] {
        RequireElements(myArray.size());
        if (lngIndex.size() != myArray.size()) {
            throw std::out_of_range("索引の要素数がキーと違います。");
        }
        WorkTick tick(m_pump);
        InOrder(Sorted, [&](auto less) { SchemeH(myArray, lngIndex, less, tick); });
    });
}

bool clsQuickSort::CurrencyIndexSort(std::span<Currency> curArray,
                                     std::vector<std::int32_t>& lngIndex, bool Sorted) const
{
    return Guarded(m_err, "CurrencyIndexSort", [&] {
        RequireElements(curArray.size());
        lngIndex.resize(curArray.size());
        for (std::size_t i = 0; i < lngIndex.size(); ++i) {
            lngIndex[i] = static_cast<std::int32_t>(i);
        }
        WorkTick tick(m_pump);
        InOrder(Sorted, [&](auto less) {
            SchemeL(curArray, std::span<std::int32_t>(lngIndex), less, tick);
        });
    });
}

bool clsQuickSort::StableIndexSort(std::span<const double> dblKey,
                                   std::vector<std::int32_t>& lngIndex, bool Sorted) const
{
    return Guarded(m_err, "StableIndexSort", [&] {
        RequireElements(dblKey.size());
        const std::size_t n = dblKey.size();
        lngIndex.resize(n);
        std::iota(lngIndex.begin(), lngIndex.end(), 0);
        WorkTick tick(m_pump);
        InOrder(Sorted, [&](auto less) {
            const auto before = [&](std::int32_t a, std::int32_t b) {
                return less(dblKey[static_cast<std::size_t>(a)],
                            dblKey[static_cast<std::size_t>(b)]);
            };
            // Sorted runs, then merged pairwise; a merge takes the left run's entry on a tie,
            // so the result is the one stable order.
            constexpr std::size_t kRun = 1u << 15;
            for (std::size_t lo = 0; lo < n; lo += kRun) {
                const std::size_t hi = std::min(n, lo + kRun);
                std::stable_sort(lngIndex.begin() + static_cast<std::ptrdiff_t>(lo),
                                 lngIndex.begin() + static_cast<std::ptrdiff_t>(hi), before);
                tick.Add(static_cast<std::int64_t>(8 * (hi - lo)));
            }
            std::vector<std::int32_t> merged(n);
            for (std::size_t width = kRun; width < n; width *= 2) {
                for (std::size_t lo = 0; lo < n; lo += 2 * width) {
                    const auto first = lngIndex.begin() + static_cast<std::ptrdiff_t>(lo);
                    const auto mid =
                        lngIndex.begin() + static_cast<std::ptrdiff_t>(std::min(n, lo + width));
                    const auto last =
                        lngIndex.begin() + static_cast<std::ptrdiff_t>(std::min(n, lo + 2 * width));
                    std::merge(first, mid, mid, last,
                               merged.begin() + static_cast<std::ptrdiff_t>(lo), before);
                    tick.Add(last - first);
                }
                lngIndex.swap(merged);
            }
        });
    });
}
