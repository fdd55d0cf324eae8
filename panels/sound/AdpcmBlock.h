#pragma once

#include "panels/sound/WaveHeader.h"

#include <cstddef>
#include <cstdint>

// Decodes one IMA or MS ADPCM block of `bytes` bytes into `frames` interleaved 16-bit frames
// (frames <= header.framesInBlock(bytes)). False for a block that can't be decoded (an MS ADPCM
// predictor the format chunk does not have).
bool decodeAdpcmBlock(const WaveHeader& header, const std::uint8_t* block, int frames, std::int16_t* out);
