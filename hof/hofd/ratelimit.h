// How many submissions one client may make: a bucket of `burst` submissions per
// client address, refilled at perMinute a minute. An IPv6 client is counted by
// its /64 network, which one household or school receives as a whole, and an
// IPv4 address mapped into IPv6 as the IPv4 address. A submission that was not
// stored is given back. The table holds at most maxClients addresses; when it
// is full, the addresses whose buckets are full again are forgotten first (they
// would start full anyway), then the ones heard from longest ago.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>

namespace hofd {

class RateLimiter {
public:
    // perMinute 0: no limit.
    RateLimiter(int perMinute, int burst, qsizetype maxClients = 20000);

    // Takes one submission for client at nowMs (a monotonic clock) and returns
    // 0; when none is left, takes nothing and returns the whole seconds until
    // one is (at least 1).
    int take(const QHostAddress& client, qint64 nowMs);
    // Returns a submission taken for client that was not stored after all.
    void giveBack(const QHostAddress& client);

private:
    struct Bucket {
        double tokens = 0;
        qint64 at = 0;
    };
    double refilled(const Bucket& b, qint64 nowMs) const;
    void makeRoom(qint64 nowMs);

    int perMinute_;
    int burst_;
    qsizetype maxClients_;
    QHash<QByteArray, Bucket> buckets_;
};

} // namespace hofd
