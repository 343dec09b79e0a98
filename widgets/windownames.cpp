#include "widgets/windownames.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#ifdef BREV_X11_NAMES
#include <xcb/xcb.h>
#endif

namespace brev {

namespace {

// Writes a window's WM_NAME whenever Qt may have written it: as the native
// window is made, shown, or given a new caption.
class NameWriter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto type = event->type();
        if (type == QEvent::WindowTitleChange || type == QEvent::WinIdChange || type == QEvent::Show) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow() && w->internalWinId())
                write(w);
        }
        return false;
    }

private:
    static void write([[maybe_unused]] QWidget* w)
    {
#ifdef BREV_X11_NAMES
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection())
            return;
        const QByteArray name = latin1Caption(w->windowTitle());
        xcb_change_property(x11->connection(), XCB_PROP_MODE_REPLACE, xcb_window_t(w->internalWinId()),
                            XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, uint32_t(name.size()), name.constData());
        xcb_flush(x11->connection());
#endif
    }
};

} // namespace

QByteArray latin1Caption(const QString& caption)
{
    QString plain = caption;
    for (QChar& c : plain) {
        switch (c.unicode()) {
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2212: c = u'-'; break;
        case 0x201C:
        case 0x201D:
        case 0x201E: c = u'"'; break;
        case 0x2018:
        case 0x2019:
        case 0x201A: c = u'\''; break;
        default:
            if (c.unicode() > 0xFF)
                c = u'?';
        }
    }
    return plain.toLatin1();
}

void installLatin1WindowNames()
{
    static QPointer<NameWriter> writer;
    if (!qApp || writer || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    writer = new NameWriter(qApp);
    qApp->installEventFilter(writer);
}

} // namespace brev
