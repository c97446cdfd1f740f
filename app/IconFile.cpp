#include "IconFile.h"

#include <algorithm>

#include "AppIcon.h"
#include "toolkit/soft/Png.h"

namespace {

constexpr int kDepths[] = {4, 8, 32};

void put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<std::uint32_t> pixelsOf(const TBitmap& b)
{
    const TSize s = b.DeviceSize();
    std::vector<std::uint32_t> p;
    for (int y = 0; y < s.Height; ++y)
        for (int x = 0; x < s.Width; ++x)
            p.push_back(b.Pixel(x, y));
    return p;
}

// The icon's few colours as a palette, and each pixel's index.
void toPalette(const std::vector<std::uint32_t>& pixels, std::vector<std::uint32_t>& palette, std::vector<std::uint8_t>& indices)
{
    for (std::uint32_t p : pixels) {
        auto it = std::find(palette.begin(), palette.end(), p);
        if (it == palette.end()) {
            palette.push_back(p);
            it = palette.end() - 1;
        }
        indices.push_back(static_cast<std::uint8_t>(it - palette.begin()));
    }
}

// A DIB as icons store it: a header of twice the height, the colours bottom
// up, then an all-clear AND mask (the icon is fully opaque).
std::vector<std::uint8_t> dib(int size, int depth, const std::vector<std::uint32_t>& pixels)
{
    std::vector<std::uint8_t> d;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
    if (depth < 32)
        toPalette(pixels, palette, indices);
    const unsigned colours = depth < 32 ? (1u << depth) : 0;
    put32(d, 40);
    put32(d, static_cast<std::uint32_t>(size));
    put32(d, static_cast<std::uint32_t>(size * 2));
    put16(d, 1);
    put16(d, static_cast<unsigned>(depth));
    put32(d, 0);
    put32(d, 0);
    put32(d, 0);
    put32(d, 0);
    put32(d, colours);
    put32(d, 0);
    for (unsigned i = 0; i < colours; ++i)
        put32(d, i < palette.size() ? palette[i] : 0);
    const int rowBytes = ((size * depth + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < size; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * size + x);
            if (depth == 32) {
                const std::uint32_t p = pixels[i] | 0xFF000000u;
                for (int k = 0; k < 4; ++k)
                    row[static_cast<std::size_t>(x * 4 + k)] = static_cast<std::uint8_t>(p >> (8 * k));
            } else if (depth == 8) {
                row[static_cast<std::size_t>(x)] = indices[i];
            } else {
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? indices[i] : indices[i] << 4);
            }
        }
        d.insert(d.end(), row.begin(), row.end());
    }
    const int maskBytes = ((size + 31) / 32) * 4;
    d.insert(d.end(), static_cast<std::size_t>(maskBytes * size), 0);
    return d;
}

std::vector<std::uint8_t> pngAt(int depth, const std::vector<std::uint32_t>& pixels)
{
    if (depth == 32) {
        std::vector<std::uint32_t> argb;
        for (std::uint32_t p : pixels)
            argb.push_back(p | 0xFF000000u);
        return png::EncodeRgba(256, 256, argb.data());
    }
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
    toPalette(pixels, palette, indices);
    return png::EncodeIndexed(256, 256, indices, palette, depth);
}

}  // namespace

std::vector<std::uint8_t> MakeIconFile()
{
    struct Image {
        int size, depth;
        std::vector<std::uint8_t> data;
    };
    std::vector<std::vector<std::uint32_t>> pixels;
    for (int size : kAppIconSizes)
        pixels.push_back(pixelsOf(AppIconImage(size)));
    std::vector<Image> images;
    for (int depth : kDepths)
        for (std::size_t i = 0; i < std::size(kAppIconSizes); ++i) {
            const int size = kAppIconSizes[i];
            images.push_back({size, depth, size == 256 ? pngAt(depth, pixels[i]) : dib(size, depth, pixels[i])});
        }
    std::vector<std::uint8_t> file;
    put16(file, 0);
    put16(file, 1);  // icon
    put16(file, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Image& im : images) {
        file.push_back(static_cast<std::uint8_t>(im.size == 256 ? 0 : im.size));
        file.push_back(static_cast<std::uint8_t>(im.size == 256 ? 0 : im.size));
        file.push_back(static_cast<std::uint8_t>(im.depth == 4 ? 16 : 0));
        file.push_back(0);
        put16(file, 1);
        put16(file, static_cast<unsigned>(im.depth));
        put32(file, static_cast<std::uint32_t>(im.data.size()));
        put32(file, offset);
        offset += static_cast<std::uint32_t>(im.data.size());
    }
    for (const Image& im : images)
        file.insert(file.end(), im.data.begin(), im.data.end());
    return file;
}
