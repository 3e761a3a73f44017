#include "ui/imagelist16.h"

#include "ui/deferredicon.h"
#include "ui/svgpicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QResource>
#include <QSvgRenderer>

#include <optional>
#include <utility>
#include <vector>

// The resources live in a static library; registering them here makes sure
// the linker keeps them.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace lumolex {

namespace {

// File names below :/icons/, "NN-<name>.svg", in index order.
const char *const kNames[] = {
    "letter",
    "first",
    "prior",
    "next",
    "last",
    "go-letter",
    "find-in-article",
    "fragment-search",
    "link",
    "lists",
    "close-panel",
    "search",
    "open-card",
    "cut",
    "copy",
    "paste",
    "print",
    "dictionary-off",
    "always-on-top",
    "transparency",
    "panels",
    "cascade",
    "close-all-cards",
    "exit",
    "help",
    "step-back",
    "step-forward",
    "bookmark",
    "clear-history",
    "settings",
    "dictionary-1",
    "dictionary-2",
    "dictionary-3",
    "dictionary-4",
    "sync-list",
    "close-card",
    "refresh",
    "about",
    "program",
    "layout-en",
    "layout-ru",
    "show-all-panels",
    "fonts",
    "card",
    "stop",
    "find-next",
    "cancel",
    "hide-all-panels",
    "keyboard",
    "phrasebook",
    "phrasebook-off",
    "phrasebook-list",
};

constexpr int kCount = int(sizeof(kNames) / sizeof(kNames[0]));

QPixmap render(QSvgRenderer &renderer, int size, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(drawSvgPicture(renderer, qRound(size * devicePixelRatio)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

// The picture of `name` at `pixels` drawn at build time, or null when the
// build has none: bare premultiplied ARGB32 pixels embedded uncompressed,
// which the image stands on where they lie, with nothing to decode.
QPixmap preparedPicture(const QString &name, int pixels)
{
    const QResource pixelsOf(QStringLiteral(":/icons/pixels/%1-%2.argb").arg(name).arg(pixels));
    if (!pixelsOf.isValid() || pixelsOf.compressionAlgorithm() != QResource::NoCompression
        || pixelsOf.size() != qint64(pixels) * pixels * 4)
        return QPixmap();
    return QPixmap::fromImage(
            QImage(pixelsOf.data(), pixels, pixels, pixels * 4, QImage::Format_ARGB32_Premultiplied));
}

// The icon of `source` (":/icons/<name>.svg") at `size` device-independent
// pixels on screens of the given densities: the pictures drawn at build
// time, else drawn from the SVG now.
QIcon iconAt(const QString &source, const std::vector<std::pair<int, qreal>> &sizes)
{
    const QString name = source.mid(source.lastIndexOf(u'/') + 1).chopped(4);   // without ".svg"
    std::optional<QSvgRenderer> renderer;
    QIcon icon;
    for (const auto &[size, ratio] : sizes) {
        QPixmap picture = preparedPicture(name, qRound(size * ratio));
        if (picture.isNull()) {
            if (!renderer)
                renderer.emplace(source);
            if (!renderer->isValid())
                return QIcon();
            picture = render(*renderer, size, ratio);
        }
        picture.setDevicePixelRatio(ratio);
        icon.addPixmap(picture);
    }
    return icon;
}

// The program's icon at each of `sizes` on an ordinary screen.
QIcon applicationIconAt(std::initializer_list<int> sizes)
{
    initIconResources();
    std::vector<std::pair<int, qreal>> atRatioOne;
    for (int size : sizes)
        atRatioOne.emplace_back(size, 1.0);
    return iconAt(QStringLiteral(":/icons/lumolex.svg"), atRatioOne);
}

} // namespace

ImageList16::ImageList16()
{
    initIconResources();
    m_icons.reserve(kCount);
    for (int index = 0; index < kCount; ++index) {
        const QString source = sourcePath(index);
        // Read when first drawn or measured: most sit in menus, which
        // the first window does not show. The high-density picture waits
        // until a dense screen asks for it.
        if (!QFile::exists(source)) {
            m_icons.append(QIcon());
            continue;
        }
        const FirstPictures ordinaryScreen{QSize(ImageSize, ImageSize),
                                           [source] { return iconAt(source, {{ImageSize, 1.0}}); }};
        m_icons.append(deferredIcon([source] { return iconAt(source, {{ImageSize, 1.0}, {ImageSize, 2.0}}); },
                                    ordinaryScreen));
    }
}

const ImageList16 &ImageList16::shared()
{
    static const ImageList16 list;
    return list;
}

const QIcon &ImageList16::icon(int index) const
{
    if (index < 0 || index >= m_icons.size())
        return m_empty;
    return m_icons.at(index);
}

QPixmap ImageList16::pixmap(int index, int size) const
{
    if (index < 0 || index >= m_icons.size() || size <= 0)
        return QPixmap();
    // Sizes other than the prepared ones are drawn afresh from the source,
    // so large buttons stay sharp.
    if (size == ImageSize)
        return m_icons.at(index).pixmap(QSize(size, size));
    QSvgRenderer renderer(sourcePath(index));
    if (!renderer.isValid())
        return QPixmap();
    return render(renderer, size, 1.0);
}

QString ImageList16::sourcePath(int index)
{
    if (index < 0 || index >= kCount)
        return QString();
    return QStringLiteral(":/icons/%1-%2.svg")
            .arg(index, 2, 10, QLatin1Char('0'))
            .arg(QLatin1String(kNames[index]));
}

int ImageList16::listIconForDict(int dict)
{
    switch (dict) {
    case 1: return Dictionary1;
    case 2: return Dictionary2;
    case 3: return Dictionary3;
    case 4: return Dictionary4;
    case 9: return PhrasebookList;
    default: return Letter;
    }
}

int ImageList16::cardIconForDict(int dict)
{
    switch (dict) {
    case 1: return Dictionary1;
    case 2: return Dictionary2;
    case 3: return Dictionary3;
    case 4: return Dictionary4;
    case 9: return Phrasebook;
    default: return -1;
    }
}

QIcon ImageList16::smallApplicationIcon()
{
    static const QIcon icon = applicationIconAt({16, 24, 32, 48, 64});
    return icon;
}

QIcon ImageList16::applicationIcon()
{
    static const QIcon icon = applicationIconAt({16, 24, 32, 48, 64, 128, 256});
    return icon;
}

} // namespace lumolex
