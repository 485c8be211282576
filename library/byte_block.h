// ByteBlock and WideByteBlock: 64 bytes compared with a byte value at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define WRENNET_WIDE_BYTE_BLOCK 1
#endif

namespace wrennet {

// 64 bytes looked at together: for a byte value, a mask with bit i set when
// byte i has that value. The scanners find the few bytes that matter this way
// instead of visiting every byte.
class ByteBlock {
  public:
    static constexpr std::size_t kSize = 64;

    // Reads 64 bytes from `bytes`.
    explicit ByteBlock(const char* bytes) {
#if defined(__SSE2__)
        const auto* lanes = reinterpret_cast<const __m128i*>(bytes);
        lane0_ = _mm_loadu_si128(lanes);
        lane1_ = _mm_loadu_si128(lanes + 1);
        lane2_ = _mm_loadu_si128(lanes + 2);
        lane3_ = _mm_loadu_si128(lanes + 3);
#else
        std::memcpy(bytes_, bytes, kSize);
#endif
    }

    // Reads `size` bytes (at most 64) and treats the rest as `filler`.
    static ByteBlock Partial(const char* bytes, std::size_t size, char filler) {
        char padded[kSize];
        std::memset(padded, filler, kSize);
        std::memcpy(padded, bytes, size);
        return ByteBlock(padded);
    }

    std::uint64_t match(char c) const {
#if defined(__SSE2__)
        const __m128i wanted = _mm_set1_epi8(c);
        const auto mask = [&wanted](__m128i lane) {
            return std::uint64_t{
                static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(lane, wanted)))};
        };
        return mask(lane0_) | mask(lane1_) << 16 | mask(lane2_) << 32 | mask(lane3_) << 48;
#else
        std::uint64_t mask = 0;
        for (std::size_t i = 0; i < kSize; ++i) {
            if (bytes_[i] == c) mask |= std::uint64_t{1} << i;
        }
        return mask;
#endif
    }

  private:
#if defined(__SSE2__)
    __m128i lane0_, lane1_, lane2_, lane3_;
#else
    char bytes_[kSize];
#endif
};

#if defined(WRENNET_WIDE_BYTE_BLOCK)
// The same in two 32-byte lanes: half the instructions of a match. Its
// functions use AVX2, so they may run only where WideByteBlockWorks() says so,
// inlined into a caller compiled for AVX2 (see WRENNET_FOR_WIDE_BYTE_BLOCK).
class WideByteBlock {
  public:
    static constexpr std::size_t kSize = 64;

    [[gnu::target("avx2")]] explicit WideByteBlock(const char* bytes)
        : low_(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes))),
          high_(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 32))) {}

    [[gnu::target("avx2")]] static WideByteBlock Partial(const char* bytes, std::size_t size,
                                                         char filler) {
        char padded[kSize];
        std::memset(padded, filler, kSize);
        std::memcpy(padded, bytes, size);
        return WideByteBlock(padded);
    }

    [[gnu::target("avx2")]] std::uint64_t match(char c) const {
        const __m256i wanted = _mm256_set1_epi8(c);
        const auto low =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low_, wanted)));
        const auto high =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high_, wanted)));
        return std::uint64_t{low} | std::uint64_t{high} << 32;
    }

  private:
    __m256i low_, high_;
};

// Whether this processor runs WideByteBlock.
inline bool WideByteBlockWorks() { return __builtin_cpu_supports("avx2"); }

// For a function that uses WideByteBlock: compiled for AVX2, with everything it
// calls inlined into it, so that no AVX2 code is left where a processor
// without it could reach.
#define WRENNET_FOR_WIDE_BYTE_BLOCK gnu::target("avx2"), gnu::flatten
#endif

// A mask of the first `size` bits (all of them from 64 on).
constexpr std::uint64_t LowBits(std::size_t size) {
    return size >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << size) - 1;
}

}  // namespace wrennet
