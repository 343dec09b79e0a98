// libbrevnet: the class link over Qt Network, loaded by the game when its
// first class request goes out, so that start-up and the command line never
// load Qt Network.
#include "base/classlink.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace brev {

namespace {

class NetworkLink : public ClassLink {
public:
    void post(const QUrl& url, const QByteArray& json, Done done) override
    {
        QNetworkRequest request = makeRequest(url);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        finish(manager_.post(request, json), std::move(done));
    }

    void get(const QUrl& url, Done done) override { finish(manager_.get(makeRequest(url)), std::move(done)); }

private:
    static QNetworkRequest makeRequest(const QUrl& url)
    {
        QNetworkRequest request(url);
        request.setTransferTimeout(kClassLinkTimeoutMs);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Brevallo Game"));
        return request;
    }

    static void finish(QNetworkReply* reply, Done done)
    {
        QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
            LinkReply answer;
            answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            answer.body = reply->readAll();
            if (answer.status == 0)
                answer.error = reply->errorString();
            reply->deleteLater();
            done(answer);
        });
    }

    QNetworkAccessManager manager_;
};

} // namespace

} // namespace brev

extern "C" Q_DECL_EXPORT brev::ClassLink* brev_make_class_link()
{
    return new brev::NetworkLink;
}
