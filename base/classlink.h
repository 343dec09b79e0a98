#pragma once
// The seam between the game and the hall-of-fame service's classes: one
// request at a time goes out and its answer comes back later, through the
// event loop, without the game ever waiting. The program's link lives in a
// library of its own (libbrevnet, the only part of the game that needs Qt
// Network), loaded when the first request goes out; tests use a scripted one.
//
// Failures: a request that gets no answer (no network, the service down, a
// timeout) comes back with status 0 and the reason in `error`; the link never
// throws and never blocks.
#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

namespace brev {

// What came back: the HTTP status (0 when there was no answer) and the body.
struct LinkReply {
    int status = 0;
    QByteArray body;
    QString error; // why there was no answer, for the log
};

class ClassLink {
public:
    using Done = std::function<void(const LinkReply& reply)>;
    virtual ~ClassLink() = default;
    // Posts a JSON body; done runs once, later, with the answer.
    virtual void post(const QUrl& url, const QByteArray& json, Done done) = 0;
    // Gets a page; done runs once, later, with the answer.
    virtual void get(const QUrl& url, Done done) = 0;
};

// The class code's alphabet: no 0 or O, no 1 or I.
inline constexpr char kClassCodeAlphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
inline constexpr int kClassCodeLength = 6;
// Whether a text is a class code as the service writes it (upper case).
inline bool isClassCode(const QString& code)
{
    if (code.size() != kClassCodeLength)
        return false;
    for (const QChar c : code)
        if (c.unicode() > 127 || !QByteArrayView(kClassCodeAlphabet).contains(char(c.unicode())))
            return false;
    return true;
}

// What one report may be: the service refuses a bigger one, or a president
// outside its table of records.
inline constexpr int kReportBytes = 64 * 1024;
inline constexpr int kReportRecords = 45;

// How long a request may take before it counts as unanswered.
inline constexpr int kClassLinkTimeoutMs = 15000;

// The network library's one exported function; the caller owns the result.
using MakeClassLink = ClassLink* (*)();
inline constexpr char kMakeClassLink[] = "brev_make_class_link";
inline constexpr char kNetworkLibrary[] = "libbrevnet.so";

} // namespace brev
