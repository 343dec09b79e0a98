// brevmedia OUTDIR [what...]
// Writes the game's pictures into OUTDIR. "what" is any of portraits, stages,
// background, icon (all of them when none is given). Portraits are written as
// PNG (brevN.png); tools/make_media.sh turns them into GIF files.
#include "portrait.h"
#include "scenes.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QStringList>
#include <cstdio>

namespace {

bool save(const QImage &img, const QString &path, int quality = -1)
{
    QImageWriter w(path);
    if (quality >= 0)
        w.setQuality(quality);
    if (!w.write(img)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(w.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: brevmedia OUTDIR [portraits|stages|background|icon]...\n");
        return 2;
    }
    const QDir out(args.takeFirst());
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    if (args.isEmpty())
        args = {"portraits", "stages", "background", "icon"};

    bool ok = true;
    for (const QString &what : args) {
        if (what == "portraits") {
            for (const media::Portrait &p : media::presidents())
                ok &= save(media::paintPortrait(p, 240, 360),
                           out.filePath(QString("brev%1.png").arg(p.number)));
        } else if (what == "stages") {
            for (int stage = 1; stage <= 6; ++stage)
                ok &= save(media::paintEagleStage(stage, 240, 360),
                           out.filePath(QString("eagle%1.jpg").arg(stage)), 90);
        } else if (what == "background") {
            ok &= save(media::paintBackground(720, 840), out.filePath("brevbg.jpg"), 90);
        } else if (what == "icon") {
            ok &= save(media::paintIcon(256), out.filePath("brevallo.png"));
        } else {
            std::fprintf(stderr, "unknown picture set: %s\n", qPrintable(what));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
