#include "widgets/lazyicon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>

namespace brev {

namespace {

class LazyPngEngine : public QIconEngine {
public:
    explicit LazyPngEngine(QString file) : file_(std::move(file)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new LazyPngEngine(*this); }
    QString key() const override { return QStringLiteral("LazyPngEngine"); }

private:
    const QIcon& icon()
    {
        if (!decoded_) {
            decoded_ = true;
            // Naming the format keeps the reader from trying every image plug-in.
            QImageReader reader(file_, "png");
            reader.setAutoDetectImageFormat(false);
            const QImage image = reader.read();
            if (!image.isNull())
                icon_ = QIcon(QPixmap::fromImage(image));
        }
        return icon_;
    }

    QString file_;
    bool decoded_ = false;
    QIcon icon_;
};

} // namespace

QIcon lazyPngIcon(const QString& file)
{
    return QIcon(new LazyPngEngine(file));
}

} // namespace brev
