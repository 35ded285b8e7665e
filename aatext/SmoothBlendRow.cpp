#include "aatext/SmoothBlendRow.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace iv {

namespace {

// Text leaves most of its box bare: runs of eight bare pixels are passed over at once.
bool Bare(const std::uint8_t *coverage) {
  std::uint64_t eight;
  std::memcpy(&eight, coverage, sizeof eight);
  return eight == 0;
}

}  // namespace

void BlendRowByPixel(const std::uint8_t *coverage, std::uint8_t *pixels, int count, const int ink[3], int factor) {
  for (int start = 0; start < count; start += 8) {
    const int end = std::min(start + 8, count);
    if (end - start == 8 && Bare(coverage + start)) continue;
    // Without branches: along glyph edges coverage changes from pixel to pixel, and a
    // mispredicted branch costs more than the arithmetic. No coverage leaves a pixel as it is.
    for (int c = start; c < end; ++c) {
      const int a = (coverage[c] * factor) >> 8;
      std::uint8_t *p = pixels + 3 * c;
      for (int channel = 0; channel < 3; ++channel) {
        const int moved = p[channel] + (((ink[channel] - p[channel]) * a) >> 8);
        p[channel] = std::uint8_t(a == 255 ? ink[channel] : moved);
      }
    }
  }
}

#ifdef __SSE2__

namespace {

// Eight pixels' coverage (16-bit lanes) under their 24 bytes: three vectors of 16-bit lanes.
void Spread(__m128i eight, __m128i lanes[3]) {
  lanes[0] = _mm_shufflehi_epi16(_mm_shufflelo_epi16(_mm_shuffle_epi32(eight, _MM_SHUFFLE(1, 0, 0, 0)),
                                                     _MM_SHUFFLE(1, 0, 0, 0)),
                                 _MM_SHUFFLE(2, 2, 1, 1));  // 0 0 0 1 1 1 2 2
  lanes[1] = _mm_shufflehi_epi16(_mm_shufflelo_epi16(_mm_shuffle_epi32(eight, _MM_SHUFFLE(2, 2, 1, 1)),
                                                     _MM_SHUFFLE(1, 1, 1, 0)),
                                 _MM_SHUFFLE(1, 0, 0, 0));  // 2 3 3 3 4 4 4 5
  lanes[2] = _mm_shufflehi_epi16(_mm_shufflelo_epi16(_mm_shuffle_epi32(eight, _MM_SHUFFLE(3, 3, 3, 2)),
                                                     _MM_SHUFFLE(2, 2, 1, 1)),
                                 _MM_SHUFFLE(1, 1, 1, 0));  // 5 5 6 6 6 7 7 7
}

// The formula on eight bytes in 16-bit lanes. floor((ink - p) * a / 256) is the high half of
// (ink - p) * 128 times a * 2, both of which fit 16 signed bits.
__m128i BlendLanes(__m128i pixel, __m128i ink, __m128i a) {
  const __m128i step = _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(ink, pixel), 7), _mm_slli_epi16(a, 1));
  const __m128i inked = _mm_cmpeq_epi16(a, _mm_set1_epi16(255));
  return _mm_or_si128(_mm_and_si128(inked, ink), _mm_andnot_si128(inked, _mm_add_epi16(pixel, step)));
}

}  // namespace

void BlendRow(const std::uint8_t *coverage, std::uint8_t *pixels, int count, const int ink[3], int factor) {
  // Sixteen pixels are 48 bytes: three vectors of bytes, six of 16-bit lanes. The ink repeats
  // over them as it does over the pixels.
  const __m128i zero = _mm_setzero_si128();
  alignas(16) std::uint16_t inkBytes[48];
  for (int b = 0; b < 48; ++b) inkBytes[b] = std::uint16_t(ink[b % 3]);
  __m128i inks[6];
  for (int j = 0; j < 6; ++j) inks[j] = _mm_load_si128(reinterpret_cast<const __m128i *>(inkBytes + 8 * j));
  const __m128i factors = _mm_set1_epi16(std::int16_t(factor));
  int c = 0;
  for (; c + 16 <= count; c += 16) {
    const __m128i cells = _mm_loadu_si128(reinterpret_cast<const __m128i *>(coverage + c));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(cells, zero)) == 0xFFFF) continue;
    // a = coverage * factor >> 8 (at most 255 * 256: exact in 16 bits).
    __m128i alphas[6];
    Spread(_mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(cells, zero), factors), 8), alphas);
    Spread(_mm_srli_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(cells, zero), factors), 8), alphas + 3);
    for (int k = 0; k < 3; ++k) {
      auto *at = reinterpret_cast<__m128i *>(pixels + 3 * c + 16 * k);
      const __m128i bytes = _mm_loadu_si128(at);
      const __m128i low = BlendLanes(_mm_unpacklo_epi8(bytes, zero), inks[2 * k], alphas[2 * k]);
      const __m128i high = BlendLanes(_mm_unpackhi_epi8(bytes, zero), inks[2 * k + 1], alphas[2 * k + 1]);
      _mm_storeu_si128(at, _mm_packus_epi16(low, high));
    }
  }
  BlendRowByPixel(coverage + c, pixels + 3 * c, count - c, ink, factor);
}

#else

void BlendRow(const std::uint8_t *coverage, std::uint8_t *pixels, int count, const int ink[3], int factor) {
  BlendRowByPixel(coverage, pixels, count, ink, factor);
}

#endif

}  // namespace iv
