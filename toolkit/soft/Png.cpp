#include "Png.h"

#include <array>
#include <cstring>

namespace png {

namespace {

std::uint32_t crc(const std::uint8_t* data, std::size_t n, std::uint32_t c = 0xFFFFFFFFu)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t v = i;
            for (int k = 0; k < 8; ++k)
                v = (v & 1) ? 0xEDB88320u ^ (v >> 1) : v >> 1;
            t[i] = v;
        }
        return t;
    }();
    for (std::size_t i = 0; i < n; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift : {24, 16, 8, 0})
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out, crc(out.data() + start, out.size() - start) ^ 0xFFFFFFFFu);
}

// zlib stream of stored deflate blocks.
std::vector<std::uint8_t> zlibStored(const std::vector<std::uint8_t>& raw)
{
    std::vector<std::uint8_t> z{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n & 0xFF));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n & 0xFF));
        z.push_back(static_cast<std::uint8_t>((~n >> 8) & 0xFF));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos), raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    put32(z, (b << 16) | a);
    return z;
}

std::vector<std::uint8_t> encode(int width, int height, std::uint8_t bitDepth, std::uint8_t colourType,
                                 const std::vector<std::uint8_t>& rows, const std::vector<std::uint8_t>* plte)
{
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> ihdr;
    put32(ihdr, static_cast<std::uint32_t>(width));
    put32(ihdr, static_cast<std::uint32_t>(height));
    ihdr.insert(ihdr.end(), {bitDepth, colourType, 0, 0, 0});
    chunk(out, "IHDR", ihdr);
    if (plte)
        chunk(out, "PLTE", *plte);
    chunk(out, "IDAT", zlibStored(rows));
    chunk(out, "IEND", {});
    return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeRgb(int width, int height, const std::uint32_t* pixels)
{
    std::vector<std::uint8_t> rows;
    rows.reserve(static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            rows.insert(rows.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)});
        }
    }
    return encode(width, height, 8, 2, rows, nullptr);
}

std::vector<std::uint8_t> EncodeRgba(int width, int height, const std::uint32_t* pixels)
{
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            rows.insert(rows.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                                     static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 24)});
        }
    }
    return encode(width, height, 8, 6, rows, nullptr);
}

std::vector<std::uint8_t> EncodeIndexed(int width, int height, const std::vector<std::uint8_t>& indices,
                                        const std::vector<std::uint32_t>& palette, int bitDepth)
{
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        if (bitDepth == 8) {
            for (int x = 0; x < width; ++x)
                rows.push_back(indices[static_cast<std::size_t>(y * width + x)]);
        } else {
            for (int x = 0; x < width; x += 2) {
                const std::uint8_t hi = indices[static_cast<std::size_t>(y * width + x)];
                const std::uint8_t lo = x + 1 < width ? indices[static_cast<std::size_t>(y * width + x + 1)] : 0;
                rows.push_back(static_cast<std::uint8_t>((hi << 4) | (lo & 0x0F)));
            }
        }
    }
    std::vector<std::uint8_t> plte;
    for (std::uint32_t c : palette)
        plte.insert(plte.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)});
    return encode(width, height, static_cast<std::uint8_t>(bitDepth), 3, rows, &plte);
}

}  // namespace png
