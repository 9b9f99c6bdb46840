// Run by the build: draws the pictures of built_pictures.h and writes them as a C++ source file that
// defines their pixels, each as one string of octal escapes, which compilers read quickly.
#include <QImage>

#include <cstdio>
#include <fstream>

#include "assets/built_pictures.h"

namespace {

// QImage::Format's enumerator for the format, as source text.
const char* formatName(QImage::Format format) {
    return format == QImage::Format_RGB32 ? "QImage::Format_RGB32" : "QImage::Format_ARGB32_Premultiplied";
}

void writePicture(std::ostream& out, const char* name, const QImage& image) {
    out << "alignas(16) const unsigned char " << name << "Pixels[] =";
    const uchar* bytes = image.constBits();
    char escape[8];
    for (qsizetype i = 0; i < image.sizeInBytes(); ++i) {
        if (i % 32 == 0)
            out << (i ? "\"\n    \"" : "\n    \"");
        std::snprintf(escape, sizeof escape, "\\%o", bytes[i]);
        out << escape;
    }
    out << "\";\nstatic_assert(sizeof " << name << "Pixels == " << image.sizeInBytes() + 1 << ");\n"
        << "} // namespace\n\nconst BuiltPicture " << name << "{" << name << "Pixels, " << image.width()
        << ", " << image.height() << ", " << formatName(image.format()) << "};\n\nnamespace {\n\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures OUTPUT.cpp\n");
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// Written by draw_pictures when the program is built.\n"
           "#include \"assets/built_pictures.h\"\n\n"
           "namespace assets {\nnamespace {\n\n";
    writePicture(out, "kMenuBackdrop", assets::drawMenuBackdrop());
    writePicture(out, "kPencil64", assets::drawPencil(64));
    writePicture(out, "kPencil32", assets::drawPencil(32));
    writePicture(out, "kPencil16", assets::drawPencil(16));
    writePicture(out, "kLeftArrow", assets::drawLeftArrow());
    writePicture(out, "kLeftArrow2x", assets::drawLeftArrow(2));
    out << "} // namespace\n} // namespace assets\n";
    return out.good() ? 0 : 1;
}
