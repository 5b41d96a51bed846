// Writes the application icon as a PNG of the given size: make_app_icon FILE SIZE. The build
// uses it for the icon that is installed beside the scalable SVG.

#include "ui/main/ToolIcons.h"

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_app_icon FILE SIZE\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "make_app_icon: size must be 16..1024\n");
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PaintApplicationIcon(painter, QRectF(0, 0, size, size));
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make_app_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
