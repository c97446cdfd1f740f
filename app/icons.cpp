// Build tool: writes the icon images as <folder>/<size>.png.
#include <cstdio>
#include <string>

#include "AppIcon.h"

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
    return 0;
}
