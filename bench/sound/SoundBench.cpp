// From the entry click to the first sample, and the memory that takes, for a 1-second and a
// 10-minute 44.1 kHz 16-bit stereo wave and a 10-minute IMA ADPCM one: the test player (open, then
// play; it streams from the file) against the naive way of the same back end (SDL_LoadWAV of the
// whole file, then SDL_QueueAudio); and the player's refusal of a 2 GiB sparse file that holds only
// "RIFF....WAVE" and zeros.
//   bench_sound <folder for the generated waves> [runs]
//   bench_sound --peak player|naive <file.wav>   one open in a fresh process: extra peak memory
// Runs on SDL's "dummy" driver unless SDL_AUDIODRIVER names another.
#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/TMediaPlayer.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void put(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>(value >> (8 * i) & 0xFF));
}

std::string makeWave(const std::string& folder, const std::string& name, std::uint32_t seconds)
{
    std::string path = folder + "/" + name;
    std::uint32_t dataBytes = seconds * 44100 * 4;
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) == 44 + dataBytes)
        return path;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, 2, 2);
    put(out, 44100, 4);
    put(out, 44100 * 4, 4);
    put(out, 4, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, dataBytes, 4);
    std::vector<char> second(44100 * 4);
    for (std::size_t i = 0; i < second.size(); i += 2) {
        auto sample = static_cast<std::int16_t>(8000 * ((i / 2) % 100) / 100 - 4000);
        second[i] = static_cast<char>(sample & 0xFF);
        second[i + 1] = static_cast<char>(sample >> 8 & 0xFF);
    }
    for (std::uint32_t s = 0; s < seconds; ++s)
        out.write(second.data(), static_cast<std::streamsize>(second.size()));
    return path;
}

// 44.1 kHz stereo IMA ADPCM in blocks of 2048 bytes (2041 frames), codes of a steady pattern.
std::string makeAdpcmWave(const std::string& folder, std::uint32_t seconds)
{
    constexpr std::uint32_t blockAlign = 2048, perBlock = 2041;
    std::string path = folder + "/ten-minutes-adpcm.wav";
    std::uint32_t blocks = (seconds * 44100 + perBlock - 1) / perBlock, dataBytes = blocks * blockAlign;
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) == 60 + dataBytes)
        return path;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("RIFF", 4);
    put(out, 52 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 20, 4);
    put(out, 0x11, 2);
    put(out, 2, 2);
    put(out, 44100, 4);
    put(out, 44100 * blockAlign / perBlock, 4);
    put(out, blockAlign, 2);
    put(out, 4, 2);
    put(out, 2, 2);
    put(out, perBlock, 2);
    out.write("fact", 4);
    put(out, 4, 4);
    put(out, seconds * 44100, 4);
    out.write("data", 4);
    put(out, dataBytes, 4);
    std::vector<char> block(blockAlign, 0x17);
    for (int channel = 0; channel < 2; ++channel) {
        block[4 * channel] = block[4 * channel + 1] = 0;
        block[4 * channel + 2] = 40; // step index
        block[4 * channel + 3] = 0;
    }
    for (std::uint32_t b = 0; b < blocks; ++b)
        out.write(block.data(), blockAlign);
    return path;
}

// Only a RIFF header, and zeros after it: holes in the file that take no room on the disk.
std::string makeSparseFile(const std::string& folder)
{
    std::string path = folder + "/sparse.wav";
    std::ofstream(path, std::ios::binary | std::ios::trunc).write("RIFF\xF8\xFF\xFF\x7FWAVE", 12);
    std::filesystem::resize_file(path, std::uint64_t { 2 } << 30);
    return path;
}

double since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Open, play, and wait until the device has taken the first piece of the sound; for a file the
// player refuses, until the refusal. `opened` receives the time the open took alone.
double playerToFirstSample(const std::string& path, double* opened = nullptr)
{
    TMediaPlayer player;
    auto start = Clock::now();
    player.FileName = path;
    try {
        player.open();
    } catch (const EMCIDeviceError&) {
        if (opened)
            *opened = since(start);
        return since(start);
    }
    if (opened)
        *opened = since(start);
    player.play();
    while (player.position() == 0)
        std::this_thread::yield();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double naiveToFirstSample(const std::string& path)
{
    auto start = Clock::now();
    SDL_AudioSpec format {};
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV(path.c_str(), &format, &samples, &bytes))
        return -1;
    format.callback = nullptr;
    format.samples = 512; // the player's period, so both wait alike for the device
    SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &format, nullptr, 0);
    SDL_QueueAudio(device, samples, bytes);
    SDL_PauseAudioDevice(device, 0);
    while (SDL_GetQueuedAudioSize(device) == bytes)
        std::this_thread::yield();
    double took = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    SDL_CloseAudioDevice(device);
    SDL_FreeWAV(samples);
    return took;
}

long statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::string(field).size());
    return 0;
}

int peak(const std::string& way, const std::string& path)
{
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    long before = statusKiB("VmRSS:");
    double took = way == "naive" ? naiveToFirstSample(path) : playerToFirstSample(path);
    std::printf("%.3f %ld\n", took, statusKiB("VmHWM:") - before);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
}

long extraKiB(const std::string& self, const std::string& way, const std::string& path)
{
    std::string command = "'" + self + "' --peak " + way + " '" + path + "'";
    FILE* child = ::popen(command.c_str(), "r");
    double took = 0;
    long kib = -1;
    if (child && std::fscanf(child, "%lf %ld", &took, &kib) != 2)
        kib = -1;
    if (child)
        ::pclose(child);
    return kib;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (argc == 4 && std::string(argv[1]) == "--peak")
        return peak(argv[2], argv[3]);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_sound <folder> [runs] | bench_sound --peak player|naive <file.wav>\n");
        return 2;
    }
    int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 5;
    std::filesystem::create_directories(argv[1]);
    constexpr int count = 4, sparse = 3;
    const std::string files[count] = { makeWave(argv[1], "second.wav", 1), makeWave(argv[1], "ten-minutes.wav", 600),
        makeAdpcmWave(argv[1], 600), makeSparseFile(argv[1]) };
    const char* names[count] = { "1 s", "10 min", "10 min IMA ADPCM", "2 GiB sparse (refused)" };

    SDL_InitSubSystem(SDL_INIT_AUDIO);
    std::vector<double> player[count], opened[count], naive[count];
    for (int run = 0; run < runs; ++run) {
        for (int f = 0; f < count; ++f) {
            double open = 0;
            player[f].push_back(playerToFirstSample(files[f], &open));
            opened[f].push_back(open);
            // Of the sparse file only the player's refusal is measured.
            if (f != sparse)
                naive[f].push_back(naiveToFirstSample(files[f]));
        }
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);

    std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::printf("open to first sample (median of %d), extra peak memory (a fresh process each):\n", runs);
    for (int f = 0; f < count; ++f) {
        std::printf("  %-22s  player %8.2f ms (open %5.2f ms) %8ld KiB", names[f], median(player[f]), median(opened[f]),
            extraKiB(self, "player", files[f]));
        if (f != sparse)
            std::printf("    naive %8.2f ms %8ld KiB", median(naive[f]), extraKiB(self, "naive", files[f]));
        std::printf("\n");
    }
    std::printf("player 10 min / 1 s: %.2f x; player / naive at 10 min: %.3f x\n",
        median(player[1]) / median(player[0]), median(player[1]) / median(naive[1]));
    return 0;
}
