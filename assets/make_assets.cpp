// Draws the banner, the window icon and the desktop icons. Run once by hand; its output
// is committed:   parvelo_make_assets <output folder>   (with an icons/ folder in it)
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// Lit cells of a title drawn at one pixel per LED.
QImage title_mask(const QString &title, int pixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    QImage mask(metrics.horizontalAdvance(title) + 2, metrics.height() + 2, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(1, 1 + metrics.ascent(), title);
    return mask;
}

QImage draw_banner()
{
    constexpr int width = 440, height = 75, cell = 4;
    const QImage mask = title_mask(QStringLiteral("LED电子屏预算工具"), 12);
    const int columns = width / cell, rows = height / cell;
    const int x0 = (columns - mask.width()) / 2, y0 = (rows - mask.height()) / 2;
    const auto lit = [&](int c, int r) {
        const int x = c - x0, y = r - y0;
        return x >= 0 && y >= 0 && x < mask.width() && y < mask.height()
               && qRed(mask.pixel(x, y)) > 127;
    };

    QImage banner(width, height, QImage::Format_RGB888);
    banner.fill(QColor(12, 8, 6));
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            // The outline: cells beside a lit cell.
            const bool edge = lit(c - 1, r) || lit(c + 1, r) || lit(c, r - 1) || lit(c, r + 1);
            const QColor colour = lit(c, r) ? QColor(255, 69, 0)
                                  : edge    ? QColor(255, 220, 0)
                                            : QColor(48, 26, 18);
            painter.setBrush(colour);
            painter.drawEllipse(QRectF(c * cell + 0.5, r * cell + 3.5, cell - 1.0, cell - 1.0));
        }
    }
    return banner;
}

// The figure is drawn on a 32-unit grid, at whatever size is asked: each size is drawn,
// none is scaled from another.
QImage draw_icon(int size = 32)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(120, 20, 0), 1));
    // Legs and arms, body, head.
    p.setBrush(QColor(210, 30, 20));
    p.drawRoundedRect(QRectF(10.5, 24.5, 4, 6), 1.5, 1.5);
    p.drawRoundedRect(QRectF(17.5, 24.5, 4, 6), 1.5, 1.5);
    p.drawEllipse(QRectF(3.5, 15.5, 6, 5));
    p.drawEllipse(QRectF(22.5, 15.5, 6, 5));
    p.drawEllipse(QRectF(8.5, 13.5, 15, 13));
    p.setBrush(QColor(255, 215, 0));
    p.drawEllipse(QRectF(7.5, 1.5, 17, 15));
    p.setBrush(QColor(255, 215, 0));
    p.drawEllipse(QRectF(12.5, 17.5, 7, 6)); // a yellow badge on the belly
    // Face.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(11.5, 6.5, 3, 3.5));
    p.drawEllipse(QRectF(17.5, 6.5, 3, 3.5));
    p.setPen(QPen(QColor(160, 30, 0), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12.5, 8.5, 7, 5), 200 * 16, 140 * 16);
    return icon;
}

bool write_progressive_jpeg(const QImage &image, const char *path)
{
    FILE *out = std::fopen(path, "wb");
    if (!out)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row
            = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

void put16(std::vector<unsigned char> &out, unsigned value)
{
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void put32(std::vector<unsigned char> &out, unsigned value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A Windows icon file with one 32-bit image (alpha, plus the AND mask older systems use).
bool write_icon(const QImage &image, const char *path)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const unsigned size = static_cast<unsigned>(argb.width());
    const unsigned mask_stride = (size + 31) / 32 * 4;
    const unsigned bytes = 40 + size * size * 4 + mask_stride * size;
    std::vector<unsigned char> out;
    put16(out, 0), put16(out, 1), put16(out, 1); // an icon directory of one entry
    out.push_back(static_cast<unsigned char>(size == 256 ? 0 : size));
    out.push_back(static_cast<unsigned char>(size == 256 ? 0 : size));
    out.push_back(0), out.push_back(0);
    put16(out, 1), put16(out, 32), put32(out, bytes), put32(out, 22);
    put32(out, 40), put32(out, size), put32(out, size * 2); // colour and mask stacked
    put16(out, 1), put16(out, 32), put32(out, 0), put32(out, size * size * 4);
    put32(out, 0), put32(out, 0), put32(out, 0), put32(out, 0);
    for (int y = static_cast<int>(size) - 1; y >= 0; --y)
        for (unsigned x = 0; x < size; ++x) {
            const QRgb p = argb.pixel(static_cast<int>(x), y);
            out.push_back(static_cast<unsigned char>(qBlue(p)));
            out.push_back(static_cast<unsigned char>(qGreen(p)));
            out.push_back(static_cast<unsigned char>(qRed(p)));
            out.push_back(static_cast<unsigned char>(qAlpha(p)));
        }
    for (int y = static_cast<int>(size) - 1; y >= 0; --y) {
        std::vector<unsigned char> row(mask_stride, 0);
        for (unsigned x = 0; x < size; ++x)
            if (qAlpha(argb.pixel(static_cast<int>(x), y)) == 0)
                row[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    FILE *file = std::fopen(path, "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool banner
        = write_progressive_jpeg(draw_banner(), (folder + "/banner.jpg").toLocal8Bit());
    // The window icon for Windows, then the desktop's sizes (32 is the window icon too).
    bool icon = write_icon(draw_icon(), (folder + "/icon.ico").toLocal8Bit());
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon = icon
               && draw_icon(size).save(QStringLiteral("%1/icons/%2.png").arg(folder).arg(size),
                                       "PNG");
    if (!banner || !icon) {
        std::fprintf(stderr, "could not write the assets to %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
