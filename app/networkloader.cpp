#include "app/networkloader.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

namespace brev {

namespace {

class LoadingLink : public ClassLink {
public:
    explicit LoadingLink(QStringList dirs) : dirs_(std::move(dirs)) {}

    void post(const QUrl& url, const QByteArray& json, Done done) override
    {
        if (load())
            link_->post(url, json, std::move(done));
        else
            failLater(std::move(done));
    }

    void get(const QUrl& url, Done done) override
    {
        if (load())
            link_->get(url, std::move(done));
        else
            failLater(std::move(done));
    }

private:
    bool load()
    {
        if (tried_)
            return link_ != nullptr;
        tried_ = true;
        why_ = QStringLiteral("%1 is not in %2")
                   .arg(QString::fromLatin1(kNetworkLibrary), dirs_.join(QStringLiteral(", ")));
        for (const QString& dir : std::as_const(dirs_)) {
            const QString file = QDir(dir).filePath(QString::fromLatin1(kNetworkLibrary));
            if (!QFileInfo::exists(file))
                continue;
            library_.setFileName(file);
            if (const auto make = reinterpret_cast<MakeClassLink>(library_.resolve(kMakeClassLink))) {
                link_.reset(make());
                return true;
            }
            why_ = library_.errorString();
        }
        qWarning("brevallo: the network library cannot be loaded, class reports wait: %s", qPrintable(why_));
        return false;
    }

    void failLater(Done done)
    {
        QTimer::singleShot(0, [done = std::move(done), why = why_] { done(LinkReply{0, {}, why}); });
    }

    QStringList dirs_;
    QLibrary library_; // stays loaded until the program ends
    std::unique_ptr<ClassLink> link_;
    bool tried_ = false;
    QString why_;
};

} // namespace

std::unique_ptr<ClassLink> makeNetworkLink(const QStringList& libraryDirs)
{
    return std::make_unique<LoadingLink>(libraryDirs);
}

} // namespace brev
