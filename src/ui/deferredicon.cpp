#include "ui/deferredicon.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>

namespace lumolex {

namespace {

// The icon once made, and the pictures of its first size, shared by the
// engine and its clones (QIcon detaches by cloning), so that each is made
// once for all of them.
struct MadeIcon {
    std::function<QIcon()> make;
    QIcon icon;
    bool done = false;
    FirstPictures first;
    QIcon firstIcon;

    const QIcon &get()
    {
        if (!done) {
            icon = make();
            make = {};
            done = true;
            first = {};
            firstIcon = QIcon();
        }
        return icon;
    }

    // The pictures that answer a question for `size` at `scale`: the first
    // size's, while the whole icon is not made and they answer it exactly.
    const QIcon &answering(const QSize &size, qreal scale)
    {
        const bool firstAnswers = !done && first.make && scale <= 1.0 && size.width() <= first.size.width()
            && size.height() <= first.size.height();
        if (!firstAnswers)
            return get();
        if (firstIcon.isNull())
            firstIcon = first.make();
        return firstIcon;
    }
};

class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::shared_ptr<MadeIcon> made)
        : m_made(std::move(made))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        m_made->get().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_made->answering(size, 1.0).pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        // QIcon asks with the size in device pixels.
        return m_made->answering(size / scale, scale).pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_made->get().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_made->get().availableSizes(mode, state);
    }
    // Not made yet: whoever asked for it expects a picture.
    bool isNull() override { return m_made->done && m_made->icon.isNull(); }
    QString key() const override { return QStringLiteral("lumolex-deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(m_made); }

private:
    std::shared_ptr<MadeIcon> m_made;
};

} // namespace

QIcon deferredIcon(std::function<QIcon()> make)
{
    return deferredIcon(std::move(make), FirstPictures{});
}

QIcon deferredIcon(std::function<QIcon()> make, FirstPictures first)
{
    auto made = std::make_shared<MadeIcon>();
    made->make = std::move(make);
    made->first = std::move(first);
    return QIcon(new DeferredIconEngine(std::move(made)));
}

} // namespace lumolex
