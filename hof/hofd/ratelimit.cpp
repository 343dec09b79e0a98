#include "hof/hofd/ratelimit.h"

#include <cmath>

namespace hofd
{

namespace
{

constexpr qsizetype kMaxClients = 20000; // buckets kept before the full ones are dropped

QByteArray clientKey(const QHostAddress& address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    if (isV4)
        return QByteArray::number(v4);
    const Q_IPV6ADDR v6 = address.toIPv6Address();
    return QByteArray(reinterpret_cast<const char*>(v6.c), 8);
}

} // namespace

RateLimiter::RateLimiter(int perMinute, int burst) : perMinute_(perMinute), burst_(qMax(1, burst)) {}

double RateLimiter::refilled(const Bucket& b, qint64 nowMs) const
{
    return qMin(double(burst_), b.tokens + double(nowMs - b.at) * perMinute_ / 60000.0);
}

bool RateLimiter::take(const QHostAddress& client, qint64 nowMs, int* retryAfter)
{
    if (perMinute_ <= 0)
        return true;
    if (buckets_.size() >= kMaxClients) {
        buckets_.removeIf([&](const auto& it) { return refilled(it.value(), nowMs) >= burst_; });
        if (buckets_.size() >= kMaxClients)
            buckets_.clear();
    }
    const QByteArray key = clientKey(client);
    auto it = buckets_.find(key);
    if (it == buckets_.end())
        it = buckets_.insert(key, Bucket{double(burst_), nowMs});
    Bucket& b = *it;
    b.tokens = refilled(b, nowMs);
    b.at = nowMs;
    if (b.tokens >= 1) {
        b.tokens -= 1;
        return true;
    }
    *retryAfter = qMax(1, int(std::ceil((1 - b.tokens) * 60.0 / perMinute_)));
    return false;
}

} // namespace hofd
