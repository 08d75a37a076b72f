#pragma once
// Finds, in a window of the document's lines, the lines the reader must look
// at now (MayBeReadAtOnce); nine lines in ten are passed over. The bytes
// are taken 64 at a time: one mask of the LFs with a CR before them gives
// every line end of a block, and each line's first bytes are tested alone,
// so a line passed over costs a handful of instructions. The work is done
// with the widest vector instructions the processor has.
#include <cstddef>
#include <cstdint>

namespace orv {

inline constexpr std::size_t kLineBlock = 64;
inline constexpr std::size_t kLineWindowBlocks = 16;
inline constexpr std::size_t kLineWindow = kLineBlock * kLineWindowBlocks;
// A window holds at most this many lines, all of them marked.
inline constexpr std::size_t kMostMarkedLines = kLineWindow / 2;

// Where the lines of a piece of text stand, from one window to the next.
struct LineWindowState {
  std::size_t next = 0;       // offset of the next block to take
  std::size_t lineStart = 0;  // offset of the line that has not ended yet
  std::uint64_t carry = 0;    // a CR closed the last block taken
};

// Takes up to kLineWindowBlocks blocks from `state.next` on, up to `size`,
// and writes the offsets of the marked lines that end there: a line's start
// to starts[i], its LF to lfs[i]. Returns how many. The text starts a line
// at offset 0, and kLineBlock bytes past `size` are readable.
std::size_t FindMarkedLines(const char* text, std::size_t size, LineWindowState& state,
                            std::uint32_t* starts, std::uint32_t* lfs);

// The ways of finding them, which must all agree; FindMarkedLines takes the
// fastest this processor has.
enum class LineFinder { Portable, Sse2, Avx2 };
bool LineFinderAvailable(LineFinder finder);
std::size_t FindMarkedLinesWith(LineFinder finder, const char* text, std::size_t size,
                                LineWindowState& state, std::uint32_t* starts,
                                std::uint32_t* lfs);

}  // namespace orv
