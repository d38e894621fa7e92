// Renders the program's pixel-art icon at the sizes desktops ask for: PNG files laid out as a hicolor icon theme, and
// one Windows .ico that holds several sizes; and its pixels as a C++ header, from which the program makes its window
// icon without loading an image reader. Whole multiples keep every pixel square and sharp; the sizes in between
// are drawn at the next multiple up and averaged down, so they stay the same picture rather than a blurred one.
//
// usage: render_icons SOURCE.xpm OUTPUT_DIR APPLICATION_ID
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int themeSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int windowsSizes[] = {16, 32, 48, 256};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "render_icons: %s\n", qPrintable(message));
    std::exit(EXIT_FAILURE);
}

QImage rendered(const QImage& design, int size)
{
    const int multiple = (size + design.width() - 1) / design.width();
    const QImage sharp = design.scaled(design.size() * multiple, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (sharp.width() == size)
        return sharp;
    return sharp.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        fail(QStringLiteral("cannot encode PNG"));
    return bytes;
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An ICONDIR, one ICONDIRENTRY per image, then the images as PNG streams, which Windows reads since Vista.
QByteArray icoFile(const QList<QImage>& images)
{
    QList<QByteArray> streams;
    for (const QImage& image : images)
        streams.append(png(image));
    QByteArray file;
    appendLittleEndian(file, 0, 2); // reserved
    appendLittleEndian(file, 1, 2); // type: icon
    appendLittleEndian(file, static_cast<quint32>(images.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        appendLittleEndian(file, size >= 256 ? 0 : static_cast<quint32>(size), 1); // 0 means 256
        appendLittleEndian(file, size >= 256 ? 0 : static_cast<quint32>(size), 1);
        appendLittleEndian(file, 0, 1);  // no palette
        appendLittleEndian(file, 0, 1);  // reserved
        appendLittleEndian(file, 1, 2);  // colour planes
        appendLittleEndian(file, 32, 2); // bits per pixel
        appendLittleEndian(file, static_cast<quint32>(streams[i].size()), 4);
        appendLittleEndian(file, offset, 4);
        offset += static_cast<quint32>(streams[i].size());
    }
    for (const QByteArray& stream : streams)
        file.append(stream);
    return file;
}

QByteArray pixelHeader(const QImage& design)
{
    QByteArray text = "// Made by render_icons from the icon's design: its pixels, ARGB, row by row.\n#pragma once\n\n"
                      "namespace kalendix::icon_pixels {\n\nconstexpr int size = " +
                      QByteArray::number(design.width()) + ";\nconstexpr unsigned int argb[] = {";
    for (int y = 0; y < design.height(); ++y) {
        text += "\n   ";
        for (int x = 0; x < design.width(); ++x)
            text += " 0x" + QByteArray::number(design.pixel(x, y), 16).rightJustified(8, '0') + ',';
    }
    return text + "\n};\n\n} // namespace kalendix::icon_pixels\n";
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        fail(QStringLiteral("cannot write %1").arg(path));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4)
        fail(QStringLiteral("usage: render_icons SOURCE.xpm OUTPUT_DIR APPLICATION_ID"));
    const QString outputDir = QString::fromLocal8Bit(argv[2]);
    const QString id = QString::fromLocal8Bit(argv[3]);
    const QImage design = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (design.isNull() || design.width() != design.height())
        fail(QStringLiteral("cannot read a square image from %1").arg(QString::fromLocal8Bit(argv[1])));

    for (const int size : themeSizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outputDir).arg(size);
        if (!QDir().mkpath(folder))
            fail(QStringLiteral("cannot create %1").arg(folder));
        write(QStringLiteral("%1/%2.png").arg(folder, id), png(rendered(design, size)));
    }
    QList<QImage> windowsImages;
    for (const int size : windowsSizes)
        windowsImages.append(rendered(design, size));
    write(QStringLiteral("%1/%2.ico").arg(outputDir, id), icoFile(windowsImages));
    write(QStringLiteral("%1/kalendix_icon_pixels.h").arg(outputDir), pixelHeader(design));
    return EXIT_SUCCESS;
}
