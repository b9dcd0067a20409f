#include "engines/clsTKnownCode.h"

#include "engines/basKnownCodeTable.h"

#include <algorithm>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>

// How the best code of one (triples, doubles, radius) is made.
struct clsTKnownCode::Plan
{
    enum Kind
    {
        OneWord,
        Whole,
        Hamming,
        Golay,
        Table,   // a shipped entry of basKnownCodeTable
        Product, // (t1, b1, r1) x (t - t1, b - b1, r - r1)
        Shorten, // drop the last triple of (t + 1, b, r)
        Narrow   // the last triple of (t + 1, b - 1, r) narrowed to a double
    };
    Kind How = Whole;
    std::int64_t Size = 0;
    std::int32_t T1 = 0;
    std::int32_t B1 = 0;
    std::int32_t R1 = 0;
    const basKnownCodeTable::Entry* Entry = nullptr;
};

namespace {

std::int64_t Pow(std::int64_t a, std::int32_t n)
{
    std::int64_t v = 1;
    for (std::int32_t i = 0; i < n; ++i) {
        v *= a;
    }
    return v;
}
} // namespace

const clsTKnownCode::Plan& clsTKnownCode::PlanFor(std::int32_t t, std::int32_t b, std::int32_t r)
{
    // [t][b][r]: computed once, then only read.
    static std::array<std::array<std::array<Plan, 3>, clsToto::kMatchCount + 1>,
                      clsToto::kMatchCount + 1>
        table;
    static std::once_flag once;
    std::call_once(once, [] {
        for (std::int32_t tt = 0; tt <= clsToto::kMatchCount; ++tt) {
            for (std::int32_t bb = 0; tt + bb <= clsToto::kMatchCount; ++bb) {
                for (std::int32_t rr = 0; rr <= 2; ++rr) {
                    Plan& p = table[tt][bb][rr];
                    p.How = Plan::Whole;
                    p.Size = Pow(3, tt) * Pow(2, bb);
                    if (tt + bb <= rr) {
                        p = Plan{Plan::OneWord, 1};
                    } else if (rr == 1 && bb == 0 && tt == 4) {
                        p = Plan{Plan::Hamming, 9};
                    } else if (rr == 1 && bb == 0 && tt == 13) {
                        p = Plan{Plan::Hamming, 59049};
                    } else if (rr == 2 && bb == 0 && tt == 11) {
                        p = Plan{Plan::Golay, 729};
                    }
                }
            }
        }
        for (const basKnownCodeTable::Entry& e : basKnownCodeTable::Entries()) {
            Plan& p = table[e.Triples][e.Doubles][e.Radius];
            if (e.Size < p.Size) {
                p = Plan{Plan::Table, e.Size};
                p.Entry = &e;
            }
        }
        // Relax until nothing improves: products refer to smaller spaces, shortening and
        // narrowing to larger ones.
        for (bool changed = true; changed;) {
            changed = false;
            for (std::int32_t tt = 0; tt <= clsToto::kMatchCount; ++tt) {
                for (std::int32_t bb = 0; tt + bb <= clsToto::kMatchCount; ++bb) {
                    for (std::int32_t rr = 0; rr <= 2; ++rr) {
                        Plan& p = table[tt][bb][rr];
                        auto offer = [&](Plan q) {
                            if (q.Size < p.Size) {
                                p = q;
                                changed = true;
                            }
                        };
                        for (std::int32_t t1 = 0; t1 <= tt; ++t1) {
                            for (std::int32_t b1 = 0; b1 <= bb; ++b1) {
                                if ((t1 == 0 && b1 == 0) || (t1 == tt && b1 == bb)) {
                                    continue;
                                }
                                for (std::int32_t r1 = 0; r1 <= rr; ++r1) {
                                    const std::int64_t s = table[t1][b1][r1].Size *
                                                           table[tt - t1][bb - b1][rr - r1].Size;
                                    offer(Plan{Plan::Product, s, t1, b1, r1});
                                }
                            }
                        }
                        if (tt + bb < clsToto::kMatchCount) {
                            offer(Plan{Plan::Shorten, table[tt + 1][bb][rr].Size});
                        }
                        if (bb >= 1) {
                            offer(Plan{Plan::Narrow, table[tt + 1][bb - 1][rr].Size});
                        }
                    }
                }
            }
        }
    });
    return table[t][b][r];
}

std::int64_t clsTKnownCode::Size(std::int32_t lngTriples, std::int32_t lngDoubles,
                                 std::int32_t lngRadius)
{
    if (lngTriples < 0 || lngDoubles < 0 || lngTriples + lngDoubles > clsToto::kMatchCount ||
        lngRadius < 0 || lngRadius > 2) {
        throw std::invalid_argument("符号の大きさが範囲外です");
    }
    return PlanFor(lngTriples, lngDoubles, lngRadius).Size;
}

// Words over t triples (coordinates 0 to t - 1) followed by b doubles.
std::vector<clsTKnownCode::Word> clsTKnownCode::Words(std::int32_t t, std::int32_t b,
                                                      std::int32_t r)
{
    const Plan& p = PlanFor(t, b, r);
    const std::int32_t n = t + b;
    std::vector<Word> out;
    switch (p.How) {
    case Plan::OneWord:
        out.push_back(Word{});
        break;
    case Plan::Whole:
        out = WholeWords(t, n);
        break;
    case Plan::Hamming:
        out = HammingWords(n);
        break;
    case Plan::Golay:
        out = GolayWords();
        break;
    case Plan::Table:
        out = TableWords(p.Entry->Words, n);
        break;
    case Plan::Product:
        out = ProductWords(p, t, b, r);
        break;
    case Plan::Shorten:
    case Plan::Narrow:
        out = ReducedWords(p.How == Plan::Narrow, t, b, r);
        break;
    }
    return out;
}

std::vector<clsTKnownCode::Word> clsTKnownCode::WholeWords(std::int32_t t, std::int32_t n)
{
    std::vector<Word> out;
    Word w{};
    for (;;) {
        out.push_back(w);
        std::int32_t i = 0;
        while (i < n && ++w[i] == (i < t ? 3 : 2)) {
            w[i] = 0;
            ++i;
        }
        if (i == n) {
            break;
        }
    }
    return out;
}

std::vector<clsTKnownCode::Word> clsTKnownCode::HammingWords(std::int32_t n)
{
    std::vector<Word> out;
    // Check matrix columns: the points of the projective line (length 4) or plane (13)
    // over GF(3), each with its first non-zero entry 1.
    std::vector<std::array<std::int32_t, 3>> cols;
    for (std::int32_t a = 0; a < 3; ++a) {
        for (std::int32_t c = 0; c < 3; ++c) {
            for (std::int32_t e = 0; e < 3; ++e) {
                const std::array<std::int32_t, 3> v{a, c, e};
                const auto first = std::find_if(v.begin(), v.end(), [](int x) { return x; });
                if (first != v.end() && *first == 1 && (n == 13 || a == 0)) {
                    cols.push_back(v);
                }
            }
        }
    }
    Word w{};
    for (;;) {
        std::array<std::int32_t, 3> s{};
        for (std::int32_t i = 0; i < n; ++i) {
            for (std::int32_t k = 0; k < 3; ++k) {
                s[k] += w[i] * cols[i][k];
            }
        }
        if (s[0] % 3 == 0 && s[1] % 3 == 0 && s[2] % 3 == 0) {
            out.push_back(w);
        }
        std::int32_t i = 0;
        while (i < n && ++w[i] == 3) {
            w[i] = 0;
            ++i;
        }
        if (i == n) {
            break;
        }
    }
    return out;
}

std::vector<clsTKnownCode::Word> clsTKnownCode::GolayWords()
{
    std::vector<Word> out;
    // The cyclic code of length 11 generated by x^5 + x^4 - x^3 + x^2 - 1 over GF(3).
    constexpr std::array<std::int32_t, 6> g{2, 0, 1, 2, 1, 1};
    for (std::int32_t m = 0; m < 729; ++m) {
        std::array<std::int32_t, 11> c{};
        for (std::int32_t i = 0, x = m; i < 6; ++i, x /= 3) {
            for (std::int32_t j = 0; j < 6; ++j) {
                c[i + j] += (x % 3) * g[j];
            }
        }
        Word w{};
        for (std::int32_t i = 0; i < 11; ++i) {
            w[i] = static_cast<std::uint8_t>(c[i] % 3);
        }
        out.push_back(w);
    }
    return out;
}

std::vector<clsTKnownCode::Word> clsTKnownCode::TableWords(const char* strWords, std::int32_t n)
{
    std::vector<Word> out;
    for (const char* c = strWords; *c != '\0';) {
        if (*c == ' ') {
            ++c;
            continue;
        }
        Word w{};
        for (std::int32_t i = 0; i < n; ++i, ++c) {
            w[i] = static_cast<std::uint8_t>(*c - '0');
        }
        out.push_back(w);
    }
    return out;
}

std::vector<clsTKnownCode::Word> clsTKnownCode::ProductWords(const Plan& p, std::int32_t t,
                                                             std::int32_t b, std::int32_t r)
{
    std::vector<Word> out;
    const std::int32_t t1 = p.T1;
    const std::int32_t b1 = p.B1;
    const std::int32_t t2 = t - t1;
    const std::int32_t b2 = b - b1;
    const auto a = Words(t1, b1, p.R1);
    const auto c = Words(t2, b2, r - p.R1);
    out.reserve(a.size() * c.size());
    for (const Word& x : a) {
        for (const Word& y : c) {
            Word w{};
            std::copy_n(x.begin(), t1, w.begin());
            std::copy_n(y.begin(), t2, w.begin() + t1);
            std::copy_n(x.begin() + t1, b1, w.begin() + t);
            std::copy_n(y.begin() + t2, b2, w.begin() + t + b1);
            out.push_back(w);
        }
    }
    return out;
}

std::vector<clsTKnownCode::Word> clsTKnownCode::ReducedWords(bool blnNarrow, std::int32_t t,
                                                             std::int32_t b, std::int32_t r)
{
    // Dropping a coordinate, or moving its third value onto another, brings no point of
    // the smaller space farther from a word.
    std::vector<Word> out;
    std::set<Word> seen;
    for (Word w : Words(t + 1, blnNarrow ? b - 1 : b, r)) {
        if (blnNarrow) {
            w[t] = w[t] == 2 ? 0 : w[t];
        } else {
            std::copy(w.begin() + t + 1, w.begin() + t + 1 + b, w.begin() + t);
            w[t + b] = 0;
        }
        if (seen.insert(w).second) {
            out.push_back(w);
        }
    }
    return out;
}

std::vector<std::int32_t> clsTKnownCode::Build(std::span<const std::int32_t> lngWidth,
                                               std::int32_t lngRadius)
{
    std::vector<std::int32_t> triples;
    std::vector<std::int32_t> doubles;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(lngWidth.size()); ++i) {
        if (lngWidth[i] == 3) {
            triples.push_back(i);
        } else if (lngWidth[i] == 2) {
            doubles.push_back(i);
        } else {
            throw std::invalid_argument("幅は 2 か 3 です: " + std::to_string(lngWidth[i]));
        }
    }
    const auto t = static_cast<std::int32_t>(triples.size());
    const auto b = static_cast<std::int32_t>(doubles.size());
    Size(t, b, lngRadius);
    std::vector<std::int32_t> stride(lngWidth.size(), 1);
    for (std::size_t i = 1; i < lngWidth.size(); ++i) {
        stride[i] = stride[i - 1] * lngWidth[i - 1];
    }
    std::vector<std::int32_t> out;
    for (const Word& w : Words(t, b, lngRadius)) {
        std::int32_t x = 0;
        for (std::int32_t i = 0; i < t; ++i) {
            x += w[i] * stride[triples[i]];
        }
        for (std::int32_t i = 0; i < b; ++i) {
            x += w[t + i] * stride[doubles[i]];
        }
        out.push_back(x);
    }
    return out;
}
