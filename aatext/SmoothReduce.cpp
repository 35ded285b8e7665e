#include "aatext/SmoothReduce.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace iv {

namespace {

// One coverage byte from the cell whose sample rows start at rows[0..S-1], column offset c.
template <int S>
inline std::uint8_t ReduceCell(const std::uint8_t *const rows[], int c) {
  if constexpr (S == 4) {
    unsigned sum = 0;
    for (int r = 0; r < 4; ++r) sum += unsigned(rows[r][c]) + rows[r][c + 1] + rows[r][c + 2] + rows[r][c + 3];
    return std::uint8_t(sum >> 4);
  } else if constexpr (S == 3) {
    // Weights total 8: two opposite corners count half, truncated before adding.
    const unsigned sum = unsigned(rows[0][c]) + rows[0][c + 1] + (unsigned(rows[0][c + 2]) >> 1) +
                         rows[1][c] + rows[1][c + 1] + rows[1][c + 2] +
                         (unsigned(rows[2][c]) >> 1) + rows[2][c + 1] + rows[2][c + 2];
    return std::uint8_t(sum >> 3);
  } else if constexpr (S == 2) {
    return std::uint8_t((unsigned(rows[0][c]) + rows[0][c + 1] + rows[1][c] + rows[1][c + 1]) >> 2);
  } else {
    return rows[0][c];
  }
}

template <int S>
void ReduceCells(const std::uint8_t *const rows[], int cells, std::uint8_t *out) {
  for (int i = 0; i < cells; ++i) out[i] = ReduceCell<S>(rows, i * S);
}

#ifdef __SSE2__

// The sums of adjacent byte pairs as 16-bit lanes (exact: at most 510).
inline __m128i PairSums(__m128i bytes) {
  const __m128i low = _mm_and_si128(bytes, _mm_set1_epi16(0x00FF));
  return _mm_add_epi16(low, _mm_srli_epi16(bytes, 8));
}

inline __m128i Load(const std::uint8_t *at) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at)); }
inline void Store(std::uint8_t *at, __m128i bytes) { _mm_storeu_si128(reinterpret_cast<__m128i *>(at), bytes); }

// A vector step reduces kCells cells from S rows of S * kCells samples.
template <int S>
struct VectorStep;

template <>
struct VectorStep<4> {
  static constexpr int kCells = 16;
  static void Run(const std::uint8_t *const rows[], std::uint8_t *out) {
    __m128i cells[4];  // four cells each, as 32-bit sums of 16 samples shifted down
    for (int q = 0; q < 4; ++q) {
      __m128i pairs = _mm_setzero_si128();  // at most 4 * 510
      for (int r = 0; r < 4; ++r) pairs = _mm_add_epi16(pairs, PairSums(Load(rows[r] + 16 * q)));
      cells[q] = _mm_srli_epi32(_mm_madd_epi16(pairs, _mm_set1_epi16(1)), 4);
    }
    Store(out, _mm_packus_epi16(_mm_packs_epi32(cells[0], cells[1]), _mm_packs_epi32(cells[2], cells[3])));
  }
};

template <>
struct VectorStep<2> {
  static constexpr int kCells = 16;
  static void Run(const std::uint8_t *const rows[], std::uint8_t *out) {
    __m128i halves[2];
    for (int h = 0; h < 2; ++h)
      halves[h] = _mm_srli_epi16(_mm_add_epi16(PairSums(Load(rows[0] + 16 * h)), PairSums(Load(rows[1] + 16 * h))), 2);
    Store(out, _mm_packus_epi16(halves[0], halves[1]));
  }
};

template <>
struct VectorStep<3> {
  static constexpr int kCells = 32;

  // The 96 samples of 32 cells sorted by their column in the cell: phase[k] holds sample k of
  // each cell, in two vectors of 16 cells. Each round interleaves the first half of the
  // sequence with the second, which moves sample p to 2p mod 95; five rounds move 3i + k to
  // 32 * (3i + k) = 95i + i + 32k, that is to i + 32k.
  static void Sort(const std::uint8_t *samples, __m128i phase[3][2]) {
    __m128i v[6];
    for (int i = 0; i < 6; ++i) v[i] = Load(samples + 16 * i);
    for (int round = 0; round < 5; ++round) {
      const __m128i w[6] = {_mm_unpacklo_epi8(v[0], v[3]), _mm_unpackhi_epi8(v[0], v[3]),
                            _mm_unpacklo_epi8(v[1], v[4]), _mm_unpackhi_epi8(v[1], v[4]),
                            _mm_unpacklo_epi8(v[2], v[5]), _mm_unpackhi_epi8(v[2], v[5])};
      for (int i = 0; i < 6; ++i) v[i] = w[i];
    }
    for (int k = 0; k < 3; ++k) phase[k][0] = v[2 * k], phase[k][1] = v[2 * k + 1];
  }

  static __m128i Halved(__m128i bytes) { return _mm_and_si128(_mm_srli_epi16(bytes, 1), _mm_set1_epi8(0x7F)); }

  static void Run(const std::uint8_t *const rows[], std::uint8_t *out) {
    __m128i top[3][2], middle[3][2], bottom[3][2];
    Sort(rows[0], top);
    Sort(rows[1], middle);
    Sort(rows[2], bottom);
    const __m128i low = _mm_set1_epi16(0x00FF);
    for (int h = 0; h < 2; ++h) {
      const __m128i terms[9] = {top[0][h],           top[1][h],    Halved(top[2][h]),
                                middle[0][h],        middle[1][h], middle[2][h],
                                Halved(bottom[0][h]), bottom[1][h], bottom[2][h]};
      // Even and odd cells summed apart in 16-bit lanes (at most 7 * 255 + 2 * 127).
      __m128i even = _mm_setzero_si128(), odd = _mm_setzero_si128();
      for (const __m128i &term : terms) {
        even = _mm_add_epi16(even, _mm_and_si128(term, low));
        odd = _mm_add_epi16(odd, _mm_srli_epi16(term, 8));
      }
      Store(out + 16 * h, _mm_or_si128(_mm_srli_epi16(even, 3), _mm_slli_epi16(_mm_srli_epi16(odd, 3), 8)));
    }
  }
};

template <int S>
void ReduceVectors(const std::uint8_t *const rows[], int cells, std::uint8_t *out) {
  constexpr int kCells = VectorStep<S>::kCells;
  const std::uint8_t *at[S];
  int done = 0;
  for (; done + kCells <= cells; done += kCells) {
    for (int r = 0; r < S; ++r) at[r] = rows[r] + done * S;
    VectorStep<S>::Run(at, out + done);
  }
  if (done == cells) return;
  // The rest goes through the same step from zero-padded copies; cells do not mix.
  const int rest = cells - done;
  alignas(16) std::uint8_t padded[S][kCells * S] = {};
  std::uint8_t reduced[kCells];
  for (int r = 0; r < S; ++r) {
    std::memcpy(padded[r], rows[r] + done * S, std::size_t(rest) * S);
    at[r] = padded[r];
  }
  VectorStep<S>::Run(at, reduced);
  std::memcpy(out + done, reduced, std::size_t(rest));
}

#endif

template <int S>
void Reduce(const std::uint8_t *const rows[], int cells, std::uint8_t *out) {
#ifdef __SSE2__
  ReduceVectors<S>(rows, cells, out);
#else
  ReduceCells<S>(rows, cells, out);
#endif
}

}  // namespace

void ReduceRow(const std::uint8_t *const rows[], int scale, int cells, std::uint8_t *out) {
  if (cells <= 0) return;
  switch (scale) {
    case 4: return Reduce<4>(rows, cells, out);
    case 3: return Reduce<3>(rows, cells, out);
    case 2: return Reduce<2>(rows, cells, out);
    default: std::memcpy(out, rows[0], std::size_t(cells));
  }
}

void ReduceRowByCell(const std::uint8_t *const rows[], int scale, int cells, std::uint8_t *out) {
  switch (scale) {
    case 4: return ReduceCells<4>(rows, cells, out);
    case 3: return ReduceCells<3>(rows, cells, out);
    case 2: return ReduceCells<2>(rows, cells, out);
    default: return ReduceCells<1>(rows, cells, out);
  }
}

}  // namespace iv
