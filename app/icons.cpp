// Build tool: writes the icon images as <folder>/<size>.png, and the Windows
// icon file of all fifteen images as <folder>/pelomar.ico.
#include <cstdio>
#include <string>

#include "AppIcon.h"
#include "IconFile.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: pelomar_icons FOLDER\n");
        return 2;
    }
    for (int size : kAppIconSizes) {
        const std::string path = std::string(argv[1]) + "/" + std::to_string(size) + ".png";
        if (!AppIconImage(size).SavePng(path)) {
            std::fprintf(stderr, "pelomar_icons: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    const std::string ico = std::string(argv[1]) + "/pelomar.ico";
    const std::vector<std::uint8_t> bytes = MakeIconFile();
    std::FILE* f = std::fopen(ico.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::fprintf(stderr, "pelomar_icons: cannot write %s\n", ico.c_str());
        if (f)
            std::fclose(f);
        return 1;
    }
    std::fclose(f);
    return 0;
}
