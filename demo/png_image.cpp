#include "demo/png_image.h"

#include <vector>
#include <zlib.h>

namespace pelizo::demo {
namespace {

struct Rgb {
    uint8_t r, g, b;
};

void appendBigEndian(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void appendChunk(std::string& out, const char* type, const std::string& data)
{
    appendBigEndian(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    appendBigEndian(out, static_cast<uint32_t>(
                             crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

std::string encodePng(int width, int height, const std::vector<Rgb>& pixels)
{
    std::string raw;
    raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back('\0'); // no filter
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<size_t>(y * width + x)];
            raw.push_back(static_cast<char>(p.r));
            raw.push_back(static_cast<char>(p.g));
            raw.push_back(static_cast<char>(p.b));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
              static_cast<uLong>(raw.size()), 6);
    packed.resize(packedSize);

    std::string header;
    appendBigEndian(header, static_cast<uint32_t>(width));
    appendBigEndian(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8-bit RGB

    std::string png = "\x89PNG\r\n\x1a\n";
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", "");
    return png;
}

Rgb mix(Rgb a, Rgb b, int t, int range)
{
    const auto m = [&](uint8_t x, uint8_t y) { return static_cast<uint8_t>(x + (y - x) * t / range); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Rgb fromSeed(uint32_t seed)
{
    seed = seed * 2654435761u;
    return {static_cast<uint8_t>(60 + (seed >> 8) % 160), static_cast<uint8_t>(60 + (seed >> 16) % 160),
            static_cast<uint8_t>(60 + (seed >> 24) % 160)};
}

} // namespace

std::string posterPng(uint32_t seed)
{
    constexpr int width = 150;
    constexpr int height = 210;
    const Rgb top = fromSeed(seed);
    const Rgb bottom = fromSeed(seed + 7919);
    const Rgb accent = fromSeed(seed * 31 + 17);
    const int cx = 30 + static_cast<int>(seed % 90);
    const int cy = 40 + static_cast<int>((seed / 7) % 90);
    const int radius = 22 + static_cast<int>(seed % 20);
    std::vector<Rgb> pixels(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgb p = mix(top, bottom, y, height);
            const int dx = x - cx;
            const int dy = y - cy;
            if (dx * dx + dy * dy < radius * radius)
                p = accent;
            if (y > height - 40)
                p = mix(p, Rgb{20, 20, 20}, 2, 3); // a dark band where a title would stand
            pixels[static_cast<size_t>(y * width + x)] = p;
        }
    return encodePng(width, height, pixels);
}

std::string iconPng(uint32_t rgb)
{
    constexpr int size = 16;
    const Rgb base{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)};
    std::vector<Rgb> pixels(size * size, base);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            pixels[static_cast<size_t>(y * size + x)] = mix(base, Rgb{255, 255, 255}, 1, 2);
    return encodePng(size, size, pixels);
}

} // namespace pelizo::demo
