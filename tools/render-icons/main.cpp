// lumolex-render-icons: draws the program's SVG icons at build time, so that
// the start-up takes finished pixels instead of parsing and drawing SVG.
//
// Usage: lumolex-render-icons OUT-DIR SVG-FILE:SIZE[,SIZE...] ...
// Writes OUT-DIR/<name>-<size>.argb for each size: the picture drawn with
// the program's own drawSvgPicture(), as the bare pixels of a premultiplied
// ARGB32 QImage, row after row, in this machine's byte order. Embedded
// uncompressed, they are used in place, with nothing to decode.
// Exits with 1 when a source cannot be read or a picture written.

#include "ui/svgpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

bool renderOne(const QString &source, const QString &sizes, const QDir &out)
{
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "lumolex-render-icons: %s: not a readable SVG picture\n", qPrintable(source));
        return false;
    }
    const QString name = QFileInfo(source).completeBaseName();
    for (const QString &sizeText : sizes.split(u',')) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "lumolex-render-icons: %s: bad size \"%s\"\n", qPrintable(source),
                         qPrintable(sizeText));
            return false;
        }
        const QImage picture = lumolex::drawSvgPicture(renderer, size);
        const QString target = out.filePath(QStringLiteral("%1-%2.argb").arg(name).arg(size));
        QSaveFile file(target);
        const qint64 bytes = qint64(size) * size * 4;
        static_assert(sizeof(QRgb) == 4);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(picture.constBits()), bytes) != bytes || !file.commit()) {
            std::fprintf(stderr, "lumolex-render-icons: cannot write %s\n", qPrintable(target));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: lumolex-render-icons OUT-DIR SVG-FILE:SIZE[,SIZE...] ...\n");
        return 2;
    }
    const QDir out(args.first());
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "lumolex-render-icons: cannot make %s\n", qPrintable(args.first()));
        return 1;
    }
    for (const QString &arg : args.mid(1)) {
        const qsizetype colon = arg.lastIndexOf(u':');
        if (colon <= 0 || !renderOne(arg.left(colon), arg.mid(colon + 1), out))
            return 1;
    }
    return 0;
}
