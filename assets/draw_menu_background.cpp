// Run by the build: draws the main menu's background and writes it as a C++ source file defining its
// pixels (see menu_background.h), as one string of octal escapes, which compilers read quickly.
#include <QImage>

#include <cstdio>
#include <fstream>

#include "assets/menu_background.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_menu_background OUTPUT.cpp\n");
        return 2;
    }
    const QImage image = assets::drawMenuBackground();
    std::ofstream out(argv[1]);
    out << "// Written by draw_menu_background when the program is built.\n"
           "#include \"assets/menu_background.h\"\n\n"
           "namespace assets {\n\n"
           "alignas(16) const unsigned char kMenuBackgroundPixels[] =";
    const uchar* bytes = image.constBits();
    char escape[8];
    for (qsizetype i = 0; i < image.sizeInBytes(); ++i) {
        if (i % 32 == 0)
            out << (i ? "\"\n    \"" : "\n    \"");
        std::snprintf(escape, sizeof escape, "\\%o", bytes[i]);
        out << escape;
    }
    out << "\";\n\nstatic_assert(sizeof kMenuBackgroundPixels == " << image.sizeInBytes()
        << " + 1, \"every pixel and the string's end\");\n\n} // namespace assets\n";
    return out.good() ? 0 : 1;
}
