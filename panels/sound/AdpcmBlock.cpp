#include "panels/sound/AdpcmBlock.h"

#include "panels/sound/WaveBytes.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 89> imaSteps = { 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45,
    50, 55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494,
    544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327,
    3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500,
    20350, 22385, 24623, 27086, 29794, 32767 };
constexpr std::array<int, 8> imaIndexMoves = { -1, -1, -1, -1, 2, 4, 6, 8 };
constexpr std::array<int, 16> msAdaptation
    = { 230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230 };

std::int16_t clamp16(int value)
{
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

struct ImaChannel {
    int sample;
    int index;

    std::int16_t next(int code)
    {
        int step = imaSteps[static_cast<std::size_t>(index)];
        int difference = step >> 3;
        if (code & 1)
            difference += step >> 2;
        if (code & 2)
            difference += step >> 1;
        if (code & 4)
            difference += step;
        sample = clamp16(code & 8 ? sample - difference : sample + difference);
        index = std::clamp(index + imaIndexMoves[static_cast<std::size_t>(code & 7)], 0, 88);
        return static_cast<std::int16_t>(sample);
    }
};

// Per channel a 4-byte header (first sample, step index), then words of 4 bytes per channel in
// turn, each holding that channel's next 8 samples, low nibble first.
void decodeIma(const std::uint8_t* block, int channels, int frames, std::int16_t* out)
{
    for (int c = 0; c < channels; ++c) {
        const std::uint8_t* head = block + 4 * c;
        ImaChannel channel { static_cast<std::int16_t>(readWord(head)), std::min<int>(head[2], 88) };
        out[c] = static_cast<std::int16_t>(channel.sample);
        const std::uint8_t* words = block + 4 * channels + 4 * c;
        for (int frame = 1; frame < frames; ++frame) {
            int nibble = frame - 1;
            const std::uint8_t* word = words + (nibble / 8) * 4 * channels;
            int byte = word[(nibble % 8) / 2];
            out[frame * channels + c] = channel.next(nibble % 2 ? byte >> 4 : byte & 0x0F);
        }
    }
}

// Per channel a predictor number, then per channel the first step, the second sample and the
// first sample; then one nibble per sample, high nibble first, the channels in turn.
bool decodeMs(const std::vector<std::int16_t>& coefficients, const std::uint8_t* block, int channels, int frames,
    std::int16_t* out)
{
    struct Channel {
        int coefficient1, coefficient2, delta, sample1, sample2;
    } state[8];
    for (int c = 0; c < channels; ++c) {
        std::size_t predictor = block[c];
        if (2 * predictor + 1 >= coefficients.size())
            return false;
        state[c] = { coefficients[2 * predictor], coefficients[2 * predictor + 1], readWord(block + channels + 2 * c),
            static_cast<std::int16_t>(readWord(block + 3 * channels + 2 * c)),
            static_cast<std::int16_t>(readWord(block + 5 * channels + 2 * c)) };
        out[c] = static_cast<std::int16_t>(state[c].sample2);
        if (frames > 1)
            out[channels + c] = static_cast<std::int16_t>(state[c].sample1);
    }
    const std::uint8_t* nibbles = block + 7 * channels;
    int count = (frames - 2) * channels;
    for (int n = 0; n < count; ++n) {
        Channel& channel = state[n % channels];
        int code = n % 2 ? nibbles[n / 2] & 0x0F : nibbles[n / 2] >> 4;
        int predicted = (channel.sample1 * channel.coefficient1 + channel.sample2 * channel.coefficient2) / 256;
        int sample = clamp16(predicted + (code >= 8 ? code - 16 : code) * channel.delta);
        channel.sample2 = channel.sample1;
        channel.sample1 = sample;
        channel.delta = std::clamp(msAdaptation[static_cast<std::size_t>(code)] * channel.delta / 256, 16, 0xFFFF);
        out[2 * channels + n] = static_cast<std::int16_t>(sample);
    }
    return true;
}

} // namespace

bool decodeAdpcmBlock(const WaveHeader& header, const std::uint8_t* block, int frames, std::int16_t* out)
{
    if (frames <= 0)
        return true;
    if (header.encoding == WaveEncoding::ImaAdpcm) {
        decodeIma(block, header.channels, frames, out);
        return true;
    }
    return decodeMs(header.coefficients, block, header.channels, frames, out);
}
