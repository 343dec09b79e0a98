#include "hof/hofd/ratelimit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hofd {

namespace {

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

RateLimiter::RateLimiter(int perMinute, int burst, qsizetype maxClients)
    : perMinute_(perMinute), burst_(qMax(1, burst)), maxClients_(qMax<qsizetype>(1, maxClients))
{}

double RateLimiter::refilled(const Bucket& b, qint64 nowMs) const
{
    return qMin(double(burst_), b.tokens + double(nowMs - b.at) * perMinute_ / 60000.0);
}

int RateLimiter::take(const QHostAddress& client, qint64 nowMs)
{
    if (perMinute_ <= 0)
        return 0;
    const QByteArray key = clientKey(client);
    auto it = buckets_.find(key);
    if (it == buckets_.end()) {
        if (buckets_.size() >= maxClients_)
            makeRoom(nowMs);
        it = buckets_.insert(key, Bucket{double(burst_), nowMs});
    }
    Bucket& b = *it;
    b.tokens = refilled(b, nowMs);
    b.at = nowMs;
    if (b.tokens >= 1) {
        b.tokens -= 1;
        return 0;
    }
    return qMax(1, int(std::ceil((1 - b.tokens) * 60.0 / perMinute_)));
}

void RateLimiter::giveBack(const QHostAddress& client)
{
    const auto it = buckets_.find(clientKey(client));
    if (it != buckets_.end())
        it->tokens = qMin(double(burst_), it->tokens + 1);
}

// Brings the table down to seven eighths of its size, so that a stream of new
// addresses costs one pass per eighth of the table rather than one per address:
// the full buckets go first, then the ones heard from longest ago.
void RateLimiter::makeRoom(qint64 nowMs)
{
    buckets_.removeIf([&](const auto& it) { return refilled(it.value(), nowMs) >= burst_; });
    const qsizetype excess = buckets_.size() - qMin(maxClients_ - 1, maxClients_ - maxClients_ / 8);
    if (excess <= 0)
        return;
    std::vector<std::pair<qint64, QByteArray>> byAge;
    byAge.reserve(std::size_t(buckets_.size()));
    for (auto it = buckets_.cbegin(); it != buckets_.cend(); ++it)
        byAge.emplace_back(it->at, it.key());
    const auto cut = byAge.begin() + excess;
    std::nth_element(byAge.begin(), cut - 1, byAge.end());
    for (auto it = byAge.begin(); it != cut; ++it)
        buckets_.remove(it->second);
}

} // namespace hofd
