// Makes the two files the game reads from its own folder: the hand pointer
// "HAND-M.CUR" shown over the window once a button has been hovered, and the
// sound "pic/Move.wav" of a tile taken from the stock.
//
// Usage: make_assets <output folder>

// std
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes &out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xffff));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

void putText(Bytes &out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

// The pointing hand, fingertip up: 'X' black outline, 'o' white inside,
// anything else lets the window show through.
constexpr int kCursorSize = 32;
constexpr int kHotspotX = 5;
constexpr int kHotspotY = 0;
constexpr std::array<std::string_view, 21> kHand = {
    ".....XX..........",
    "....XooX.........",
    "....XooX.........",
    "....XooX.........",
    "....XooX.........",
    "....XooXXX.......",
    "....XooXooXXX....",
    "....XooXooXooXX..",
    "XX..XooXooXooXoX.",
    "XoX.XooooooooXooX",
    "XooXXoooooooooooX",
    ".XoXooooooooooooX",
    "..XXooooooooooooX",
    "..XoooooooooooooX",
    "...XooooooooooooX",
    "...XoooooooooooX.",
    "....XooooooooooX.",
    "....XoooooooooX..",
    ".....XooooooooX..",
    ".....XooooooooX..",
    ".....XXXXXXXXXX..",
};

char handPixel(int x, int y)
{
    if (y >= static_cast<int>(kHand.size()) || x >= static_cast<int>(kHand[y].size()))
        return '.';
    return kHand[y][x];
}

// A cursor file is an icon file of type 2 whose entry carries the hotspot.
// Its one picture is a 1-bit bitmap stored bottom-up: first the colour bits
// (0 black, 1 white), then the AND mask (1 where the window shows through).
Bytes handCursor()
{
    constexpr std::uint32_t kRowBytes = kCursorSize / 8;
    constexpr std::uint32_t kPlaneBytes = kRowBytes * kCursorSize;
    constexpr std::uint32_t kHeaderBytes = 40;
    constexpr std::uint32_t kPaletteBytes = 2 * 4;
    constexpr std::uint32_t kImageBytes = kHeaderBytes + kPaletteBytes + 2 * kPlaneBytes;
    constexpr std::uint32_t kImageOffset = 6 + 16;

    Bytes out;
    put16(out, 0); // reserved
    put16(out, 2); // cursor
    put16(out, 1); // one picture
    out.push_back(kCursorSize);
    out.push_back(kCursorSize);
    out.push_back(2); // colours
    out.push_back(0);
    put16(out, kHotspotX);
    put16(out, kHotspotY);
    put32(out, kImageBytes);
    put32(out, kImageOffset);

    put32(out, kHeaderBytes);
    put32(out, kCursorSize);
    put32(out, 2 * kCursorSize); // colour bits and mask stacked
    put16(out, 1);               // planes
    put16(out, 1);               // bits per pixel
    put32(out, 0);               // uncompressed
    put32(out, 2 * kPlaneBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 2); // colours used
    put32(out, 0);
    put32(out, 0x00000000); // black
    put32(out, 0x00ffffff); // white

    for (bool mask : {false, true}) {
        for (int y = kCursorSize - 1; y >= 0; --y) {
            for (int byte = 0; byte < static_cast<int>(kRowBytes); ++byte) {
                std::uint8_t bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const char pixel = handPixel(byte * 8 + bit, y);
                    const bool set = mask ? pixel == '.' : pixel == 'o';
                    if (set)
                        bits |= static_cast<std::uint8_t>(0x80 >> bit);
                }
                out.push_back(bits);
            }
        }
    }
    return out;
}

// The knock of a wooden tile set down on the table: a few short, quickly
// damped resonances over a burst of noise at the moment of contact.
constexpr int kSampleRate = 22050;
constexpr double kClickSeconds = 0.06;

std::vector<double> woodenClick()
{
    struct Mode {
        double hertz;
        double level;
        double decaySeconds;
    };
    constexpr std::array<Mode, 4> kModes = {{
        {820, 1.0, 0.012},
        {1480, 0.6, 0.008},
        {2630, 0.35, 0.005},
        {4100, 0.2, 0.003},
    }};
    constexpr double kNoiseLevel = 0.5;
    constexpr double kNoiseDecaySeconds = 0.0015;
    constexpr double kAttackSeconds = 0.0006;

    const int count = static_cast<int>(kClickSeconds * kSampleRate);
    std::vector<double> samples(count);
    std::uint32_t noise = 0x9e3779b9u; // a fixed seed: every build makes the same file
    double peak = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double value = 0;
        for (const Mode &mode : kModes)
            value += mode.level * std::exp(-t / mode.decaySeconds) * std::sin(2 * std::numbers::pi * mode.hertz * t);
        noise = noise * 1664525u + 1013904223u;
        const double white = static_cast<double>(noise >> 8) / static_cast<double>(1u << 24) * 2 - 1;
        value += kNoiseLevel * std::exp(-t / kNoiseDecaySeconds) * white;
        value *= std::min(1.0, t / kAttackSeconds);
        samples[i] = value;
        peak = std::max(peak, std::abs(value));
    }
    const double fadeStart = count * 0.8;
    for (int i = 0; i < count; ++i) {
        samples[i] /= peak;
        if (i > fadeStart)
            samples[i] *= (count - i) / (count - fadeStart); // no crack at the end
    }
    return samples;
}

Bytes waveFile(const std::vector<double> &samples)
{
    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kBlockAlign = kBits / 8;
    constexpr double kLoudness = 0.7 * 32767;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

    Bytes out;
    putText(out, "RIFF");
    put32(out, 36 + dataBytes);
    putText(out, "WAVE");
    putText(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * kBlockAlign);
    put16(out, kBlockAlign);
    put16(out, kBits);
    putText(out, "data");
    put32(out, dataBytes);
    for (double sample : samples)
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample * kLoudness))));
    return out;
}

bool writeFile(const std::filesystem::path &path, const Bytes &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_assets <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder / "pic", error);
    if (error) {
        std::cerr << "make_assets: cannot create " << (folder / "pic") << ": " << error.message() << '\n';
        return 1;
    }
    for (const auto &[name, bytes] : {std::pair{folder / "HAND-M.CUR", handCursor()},
                                      std::pair{folder / "pic" / "Move.wav", waveFile(woodenClick())}}) {
        if (!writeFile(name, bytes)) {
            std::cerr << "make_assets: cannot write " << name << '\n';
            return 1;
        }
    }
    return 0;
}
