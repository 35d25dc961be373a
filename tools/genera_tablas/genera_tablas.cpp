// Builds the reduced systems shipped in tablas.bin.
//
// A reduced system of N numbers "al G" is a set of six-number bets, written as positions
// 1..N of the player's chosen numbers, such that whatever six winning numbers come out
// among the N, at least one bet holds G of them. For each N from 8 to 20 and G of 3, 4
// and 5 this searches a small such set by simulated annealing: it starts from a greedy
// cover, drops one bet at a time and repairs the holes, and keeps the smallest complete
// set found. Sets of more than 205 bets (what one peña record holds) are not written, and
// sizes whose lower bound lies too close to 205 are not searched.
//
// The search is deterministic (fixed seeds, fixed work budgets), so running it again
// gives the same file. Usage: genera_tablas <output file> [work budget multiplier]
#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr int kMaxBets = 205;

std::vector<uint32_t> sixSubsets(int n) {
    std::vector<uint32_t> out;
    for (uint32_t m = 0; m < (1u << n); ++m)
        if (std::popcount(m) == 6)
            out.push_back(m);
    return out;
}

struct Search {
    int n, g;
    const std::vector<uint32_t>& all;
    std::mt19937_64 rng;

    std::vector<uint32_t> bets;
    std::vector<uint16_t> cover; // bets covering each winning set
    std::vector<int> hole;       // uncovered winning sets
    std::vector<int> holePos;    // position in `hole`, -1 when covered

    Search(int n_, int g_, const std::vector<uint32_t>& a, uint64_t seed)
        : n(n_), g(g_), all(a), rng(seed), cover(a.size()), holePos(a.size(), -1) {}

    bool covers(uint32_t bet, uint32_t w) const { return std::popcount(bet & w) >= g; }

    void addHole(int w) {
        holePos[w] = static_cast<int>(hole.size());
        hole.push_back(w);
    }
    void removeHole(int w) {
        const int p = holePos[w];
        hole[p] = hole.back();
        holePos[hole[p]] = p;
        hole.pop_back();
        holePos[w] = -1;
    }

    void rebuild() {
        std::fill(cover.begin(), cover.end(), 0);
        hole.clear();
        std::fill(holePos.begin(), holePos.end(), -1);
        for (size_t w = 0; w < all.size(); ++w) {
            for (uint32_t b : bets)
                if (covers(b, all[w]))
                    ++cover[w];
            if (cover[w] == 0)
                addHole(static_cast<int>(w));
        }
    }

    // Change in the number of holes if bet i became `nb`.
    int delta(size_t i, uint32_t nb) const {
        const uint32_t ob = bets[i];
        const uint32_t diff = ob ^ nb;
        int d = 0;
        for (size_t w = 0; w < all.size(); ++w) {
            if (!(all[w] & diff))
                continue;
            const bool was = covers(ob, all[w]), now = covers(nb, all[w]);
            if (was && !now && cover[w] == 1)
                ++d;
            else if (!was && now && cover[w] == 0)
                --d;
        }
        return d;
    }

    void apply(size_t i, uint32_t nb) {
        const uint32_t ob = bets[i];
        const uint32_t diff = ob ^ nb;
        for (size_t w = 0; w < all.size(); ++w) {
            if (!(all[w] & diff))
                continue;
            const bool was = covers(ob, all[w]), now = covers(nb, all[w]);
            if (was && !now && --cover[w] == 0)
                addHole(static_cast<int>(w));
            else if (!was && now && cover[w]++ == 0)
                removeHole(static_cast<int>(w));
        }
        bets[i] = nb;
    }

    int randomBit(uint32_t m) {
        const int k = std::popcount(m);
        int pick = static_cast<int>(rng() % static_cast<uint64_t>(k));
        for (int b = 0;; ++b)
            if (m & (1u << b) && pick-- == 0)
                return b;
    }

    // Anneals the current bets towards no hole within a budget of moves.
    bool anneal(long moves) {
        std::uniform_real_distribution<double> u(0, 1);
        double t = 0.6;
        const double cool = std::pow(0.02 / t, 1.0 / static_cast<double>(std::max(moves, 1L)));
        for (long it = 0; it < moves && !hole.empty(); ++it, t *= cool) {
            const uint32_t w = all[hole[rng() % hole.size()]];
            const size_t i = rng() % bets.size();
            const uint32_t b = bets[i];
            const uint32_t out = b & ~w, in = w & ~b;
            if (!out || !in)
                continue;
            const uint32_t nb = (b & ~(1u << randomBit(out))) | (1u << randomBit(in));
            const int d = delta(i, nb);
            if (d <= 0 || u(rng) < std::exp(-d / t))
                apply(i, nb);
        }
        return hole.empty();
    }

    // Greedy start: the bet covering most holes among a sample of candidates.
    void greedy() {
        bets.clear();
        rebuild();
        while (!hole.empty()) {
            uint32_t best = all[hole[rng() % hole.size()]];
            int bestGain = -1;
            for (int c = 0; c < 60; ++c) {
                const uint32_t cand = all[hole[rng() % hole.size()]];
                int gain = 0;
                for (int h : hole)
                    gain += covers(cand, all[h]);
                if (gain > bestGain) {
                    bestGain = gain;
                    best = cand;
                }
            }
            bets.push_back(best);
            for (size_t w = 0; w < all.size(); ++w)
                if (covers(best, all[w]) && cover[w]++ == 0)
                    removeHole(static_cast<int>(w));
        }
    }
};

struct Result {
    int n, g;
    std::vector<uint32_t> bets;
};

long binom(int n, int k) {
    long r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

// No set of bets can be smaller than the winning sets divided by what one bet covers.
long lowerBound(int n, int g) {
    long perBet = 0;
    for (int i = g; i <= 6; ++i)
        perBet += binom(6, i) * binom(n - 6, 6 - i);
    return (binom(n, 6) + perBet - 1) / perBet;
}

// One search; `listo` picks the first bet to drop at each size by how little it covers
// alone, otherwise every drop is random.
Result solve(int n, int g, double budget, bool listo) {
    // Searches so far end at about twice the bound: skip sizes that cannot come under 205.
    if (lowerBound(n, g) * 8 > kMaxBets * 5)
        return {n, g, {}};
    const std::vector<uint32_t> all = sixSubsets(n);
    Search s(n, g, all, 7919u * static_cast<uint64_t>(n) + static_cast<uint64_t>(g));
    s.greedy();
    std::vector<uint32_t> best = s.bets;
    // Moves per attempt, scaled so that every size costs about the same work.
    const long moves = static_cast<long>(budget * std::min(4e9 / static_cast<double>(all.size()), 2e6));
    // Each smaller size gets a few tries: first without the bet that alone covers the
    // fewest winning sets, then without random ones.
    for (int tries = 0; best.size() > 1 && tries < 3;) {
        s.bets = best;
        size_t drop = s.rng() % s.bets.size();
        if (listo && tries == 0) {
            s.rebuild();
            long fewest = -1;
            for (size_t i = 0; i < s.bets.size(); ++i) {
                long alone = 0;
                for (size_t w = 0; w < all.size(); ++w)
                    alone += s.cover[w] == 1 && s.covers(s.bets[i], all[w]);
                if (fewest < 0 || alone < fewest) {
                    fewest = alone;
                    drop = i;
                }
            }
        }
        s.bets.erase(s.bets.begin() + static_cast<long>(drop));
        s.rebuild();
        if (s.anneal(moves)) {
            best = s.bets;
            tries = 0;
        } else {
            ++tries;
        }
    }
    return {n, g, best};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <tablas.bin> [budget]\n", argv[0]);
        return 2;
    }
    const double budget = argc > 2 ? std::atof(argv[2]) : 3.0;
    std::vector<std::pair<int, int>> pairs;
    for (int n = 8; n <= 20; ++n)
        for (int g = 3; g <= 5; ++g)
            pairs.emplace_back(n, g);
    // Both ways of dropping bets run for every pair; the smaller set is kept.
    constexpr size_t kWays = 2;
    std::vector<Result> tried(pairs.size() * kWays);
    std::atomic<size_t> next{0};
    std::mutex io;
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
        pool.emplace_back([&] {
            for (size_t k; (k = next++) < tried.size();) {
                const auto [n, g] = pairs[k / kWays];
                tried[k] = solve(n, g, budget, k % kWays == 0);
                std::lock_guard<std::mutex> l(io);
                std::fprintf(stderr, "N=%d G=%d bets=%zu\n", n, g, tried[k].bets.size());
            }
        });
    for (std::thread& t : pool)
        t.join();

    std::vector<Result> results;
    for (size_t p = 0; p < pairs.size(); ++p) {
        const Result* best = &tried[p * kWays];
        for (size_t w = 1; w < kWays; ++w)
            if (tried[p * kWays + w].bets.size() < best->bets.size())
                best = &tried[p * kWays + w];
        results.push_back(*best);
    }

    std::ofstream f(argv[1], std::ios::binary);
    for (const Result& r : results) {
        if (r.bets.empty() || r.bets.size() > kMaxBets)
            continue;
        f << r.n << "\r\n" << r.g << "\r\n" << r.bets.size() << "\r\n";
        for (uint32_t b : r.bets) {
            for (int p = 0; p < r.n; ++p)
                if (b & (1u << p)) {
                    char field[12];
                    std::snprintf(field, sizeof field, "%02d", p + 1);
                    f << field;
                }
            f << "\r\n";
        }
        std::printf("%d %d %zu\n", r.n, r.g, r.bets.size());
    }
    return f ? 0 : 1;
}
