// Draws the program's icon, a dot and a dash over a dash and a dot on a blue rounded square, and
// writes it as a Windows .ico file: one 50 x 50 image, 32 bits per pixel with alpha.
//
//   make_icon OUTPUT.ico
//
// Only integer arithmetic is used, so the file is the same byte for byte on every machine; the
// build keeps the generated morse.ico next to this program and a test checks that it is current.

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int side = 50;
// Each pixel is sampled 4 x 4 times; coordinates below are in eighths of a pixel so that every
// sample point (at odd eighths) is an integer.
constexpr int samplesPerSide = 4;
constexpr int unit = 8;

struct Colour {
    int red, green, blue;
};

[[nodiscard]] constexpr std::int64_t square(std::int64_t value) {
    return value * value;
}

// The rounded square from 1 to 49 with corners of radius 9.
[[nodiscard]] bool insideBadge(int x, int y) {
    constexpr int low = 1 * unit, high = 49 * unit, radius = 9 * unit;
    if (x < low || x > high || y < low || y > high) {
        return false;
    }
    const int cornerX = x < low + radius ? low + radius : (x > high - radius ? high - radius : x);
    const int cornerY = y < low + radius ? low + radius : (y > high - radius ? high - radius : y);
    return square(x - cornerX) + square(y - cornerY) <= square(radius);
}

// A mark of Morse code: a capsule from `left` to `right` (equal for a dot) on the line `middle`,
// in whole pixels, with a round end of radius 4.5 pixels.
struct Mark {
    int left, right, middle;
};

constexpr std::array<Mark, 4> marks{{
    {14, 14, 18},  // dot
    {24, 37, 18},  // dash
    {13, 26, 32},  // dash
    {36, 36, 32},  // dot
}};

[[nodiscard]] bool insideMark(int x, int y) {
    constexpr int radius = 9 * unit / 2;
    for (const Mark& mark : marks) {
        const int left = mark.left * unit, right = mark.right * unit;
        const int nearestX = x < left ? left : (x > right ? right : x);
        if (square(x - nearestX) + square(y - mark.middle * unit) <= square(radius)) {
            return true;
        }
    }
    return false;
}

// Lighter blue at the top, darker at the bottom.
[[nodiscard]] Colour badgeColour(int y) {
    const Colour top{0x2F, 0x74, 0xC0}, bottom{0x16, 0x3C, 0x70};
    const int span = side * unit;
    return {top.red + (bottom.red - top.red) * y / span,
            top.green + (bottom.green - top.green) * y / span,
            top.blue + (bottom.blue - top.blue) * y / span};
}

struct Pixel {
    std::uint8_t blue, green, red, alpha;
};

[[nodiscard]] Pixel drawPixel(int column, int row) {
    int covered = 0, red = 0, green = 0, blue = 0;
    for (int sy = 0; sy < samplesPerSide; ++sy) {
        for (int sx = 0; sx < samplesPerSide; ++sx) {
            const int x = column * unit + sx * 2 + 1, y = row * unit + sy * 2 + 1;
            if (!insideBadge(x, y)) {
                continue;
            }
            const Colour colour = insideMark(x, y) ? Colour{0xFF, 0xFF, 0xFF} : badgeColour(y);
            ++covered;
            red += colour.red;
            green += colour.green;
            blue += colour.blue;
        }
    }
    if (covered == 0) {
        return {0, 0, 0, 0};
    }
    constexpr int samples = samplesPerSide * samplesPerSide;
    return {static_cast<std::uint8_t>(blue / covered), static_cast<std::uint8_t>(green / covered),
            static_cast<std::uint8_t>(red / covered),
            static_cast<std::uint8_t>((covered * 255 + samples / 2) / samples)};
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int byte = 0; byte < bytes; ++byte) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
    }
}

[[nodiscard]] std::vector<std::uint8_t> iconFile() {
    constexpr std::uint32_t headerSize = 40;
    constexpr std::uint32_t colourBytes = side * side * 4;
    constexpr std::uint32_t maskRowBytes = (side + 31) / 32 * 4;
    constexpr std::uint32_t maskBytes = maskRowBytes * side;
    constexpr std::uint32_t imageBytes = headerSize + colourBytes + maskBytes;
    constexpr std::uint32_t imageOffset = 6 + 16;

    std::vector<std::uint8_t> out;
    // ICONDIR: reserved, type 1 (icon), one image.
    putLittleEndian(out, 0, 2);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 1, 2);
    // ICONDIRENTRY: width, height, no palette, reserved, 1 plane, 32 bits, size, offset.
    out.push_back(side);
    out.push_back(side);
    out.push_back(0);
    out.push_back(0);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 32, 2);
    putLittleEndian(out, imageBytes, 4);
    putLittleEndian(out, imageOffset, 4);
    // BITMAPINFOHEADER: the height counts the colour image and the mask together.
    putLittleEndian(out, headerSize, 4);
    putLittleEndian(out, side, 4);
    putLittleEndian(out, side * 2, 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 32, 2);
    putLittleEndian(out, 0, 4);  // BI_RGB
    putLittleEndian(out, colourBytes + maskBytes, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);

    std::vector<Pixel> pixels;
    for (int row = side - 1; row >= 0; --row) {  // bottom-up
        for (int column = 0; column < side; ++column) {
            pixels.push_back(drawPixel(column, row));
        }
    }
    for (const Pixel& pixel : pixels) {
        out.insert(out.end(), {pixel.blue, pixel.green, pixel.red, pixel.alpha});
    }
    // The AND mask marks fully transparent pixels for programs that ignore the alpha channel.
    for (int row = 0; row < side; ++row) {
        std::vector<std::uint8_t> maskRow(maskRowBytes, 0);
        for (int column = 0; column < side; ++column) {
            if (pixels[static_cast<std::size_t>(row * side + column)].alpha == 0) {
                maskRow[static_cast<std::size_t>(column / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (column % 8));
            }
        }
        out.insert(out.end(), maskRow.begin(), maskRow.end());
    }
    return out;
}

}  // namespace

int main(int argumentCount, char** arguments) {
    if (argumentCount != 2) {
        std::fputs("usage: make_icon OUTPUT.ico\n", stderr);
        return 2;
    }
    const std::vector<std::uint8_t> icon = iconFile();
    std::ofstream file(arguments[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(icon.data()),
               static_cast<std::streamsize>(icon.size()));
    return file ? 0 : 1;
}
