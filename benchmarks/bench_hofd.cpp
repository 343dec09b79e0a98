// brevallo-hofd over loopback, each case run once and stopping by itself; the
// server runs with its default connection limits and timeouts, only the
// per-address submission limit off, as every client here is 127.0.0.1.
// - Load: 16 (then 256) clients with kept-alive connections send 10,000
//   submissions and 10,000 listings between them, then the server is stopped and
//   the database is checked to hold every acknowledged entry. Reports requests
//   per second and the 99th-percentile latency.
// - Side by side: submissions alone (10,000) and listings alone (40,000), 16 and
//   256 clients, this build's server and an older one, whose path is given in
//   HOFD_OLD_EXE (built from an older commit in a folder of its own; without it
//   those cases are skipped, saying so). Reports requests per second and the
//   99th-percentile latency (target: listings and submissions at least as fast
//   as the older server).
// - Memory over 60 s of mixed load at 16 clients: the server's memory at the
//   start and end (target: flat, the end within 10 % and 4 MB of the start).
// - 300 clients pipeline requests and never read the answers for 3 s while an
//   honest client lists every 100 ms: the server's peak memory (target: under
//   100 MB) and the honest listing's latency (target: under 1 s).
// - Another process holds the SQLite write lock and a submission waits for it:
//   the latency of listings meanwhile (target: under 0.5 s).
// - The server's processor time for a 1.7 KB request head sent whole and sent a
//   byte at a time (target: a byte at a time costs no more than 10 times whole;
//   what remains is mostly the kernel's work for 1,700 packets).
// A case over its target reports an error.
#include "hofdbench.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <benchmark/benchmark.h>
#include <fcntl.h>

namespace {

using namespace hofdbench;
using Clock = std::chrono::steady_clock;
constexpr int kSubmissions = 10000;
constexpr int kListings = 10000;
constexpr int kListingsAlone = 40000;

struct ClientResult {
    std::vector<double> latenciesMs;
    std::vector<double> submitMs; // the submissions' share of latenciesMs
    int acknowledged = 0;
    int failures = 0;
};

// submissions and listings: this client's share, taken in turn; stopAt: a
// moment after which it stops early (a run bounded in time).
void runClient(int id, quint16 port, int submissions, int listings, ClientResult* out,
               Clock::time_point stopAt)
{
    int fd = connectTo(port);
    unsigned seed = unsigned(id) * 7919u + 1u;
    for (int i = 0; i < submissions + listings && Clock::now() < stopAt; ++i) {
        const bool submit =
            listings == 0 || (submissions > 0 && (i % 2 == 0 ? i / 2 < submissions : i / 2 >= listings));
        std::string target = "/games/triv/triviahf.asp?game=brev";
        if (submit) {
            seed = seed * 1103515245u + 12345u;
            target += "&a=" + std::to_string((seed >> 8) % 32768) + "&b=c" + std::to_string(id) + "%20n" +
                      std::to_string(i) + "%20dif%3D" + std::to_string(1 + i % 3) + "&c=load%40example.org";
        }
        const auto start = Clock::now();
        int status = fd < 0 ? -1 : roundTrip(fd, target);
        if (status < 0) { // reconnect once and retry
            if (fd >= 0)
                ::close(fd);
            fd = connectTo(port);
            status = fd < 0 ? -1 : roundTrip(fd, target);
        }
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        out->latenciesMs.push_back(ms);
        if (submit)
            out->submitMs.push_back(ms);
        if (status != 200)
            ++out->failures;
        else if (submit)
            ++out->acknowledged;
    }
    if (fd >= 0)
        ::close(fd);
}

const std::string kListing = "/games/triv/triviahf.asp?game=brev";

// One listing on a new connection: its latency in ms, or -1 when it failed.
double listOnce(quint16 port, const std::string& target = kListing)
{
    const auto start = Clock::now();
    const int fd = connectTo(port);
    const int status = fd < 0 ? -1 : roundTrip(fd, target);
    if (fd >= 0)
        ::close(fd);
    return status == 200 || status == 404
               ? std::chrono::duration<double, std::milli>(Clock::now() - start).count()
               : -1;
}

void BM_HofdLoad(benchmark::State& state)
{
    const int clientCount = int(state.range(0));
    for (auto _ : state) {
        Service service;
        if (!service.start()) {
            state.SkipWithError("the server did not start");
            return;
        }
        const quint16 port = service.port;
        const QString db = service.database();
        std::vector<ClientResult> results(std::size_t(clientCount), ClientResult{});
        std::vector<std::thread> clients;
        const auto start = Clock::now();
        for (int c = 0; c < clientCount; ++c)
            clients.emplace_back(runClient, c, port, kSubmissions / clientCount, kListings / clientCount,
                                 &results[std::size_t(c)], Clock::time_point::max());
        for (std::thread& t : clients)
            t.join();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

        service.stop();

        std::vector<double> all, submits;
        int acknowledged = 0, failures = 0;
        for (const ClientResult& r : results) {
            all.insert(all.end(), r.latenciesMs.begin(), r.latenciesMs.end());
            submits.insert(submits.end(), r.submitMs.begin(), r.submitMs.end());
            acknowledged += r.acknowledged;
            failures += r.failures;
        }
        std::sort(all.begin(), all.end());
        std::sort(submits.begin(), submits.end());
        const double p99 = percentile(all, 99);
        const qint64 stored = rowsIn(db, QStringLiteral("entries"));
        state.SetIterationTime(seconds);
        state.counters["requests_per_s"] = double(all.size()) / seconds;
        state.counters["p99_ms"] = p99;
        state.counters["p50_ms"] = percentile(all, 50);
        state.counters["p99_submit_ms"] = percentile(submits, 99);
        state.counters["acknowledged"] = acknowledged;
        state.counters["stored"] = double(stored);
        state.counters["failures"] = failures;
        if (stored < acknowledged)
            state.SkipWithError("acknowledged entries are missing from the database");
    }
}

// Submissions alone (kind 0) or listings alone (kind 1) from range(0) clients,
// to this build's server (range(2) 0) or the older one in HOFD_OLD_EXE (1).
void BM_HofdSideBySide(benchmark::State& state)
{
    const int clientCount = int(state.range(0));
    const bool listings = state.range(1) == 1;
    const QString old = qEnvironmentVariable("HOFD_OLD_EXE");
    if (state.range(2) == 1 && old.isEmpty()) {
        state.SkipWithError("no older server to compare with: set HOFD_OLD_EXE to its brevallo-hofd");
        return;
    }
    for (auto _ : state) {
        Service service;
        if (state.range(2) == 1)
            service.exe = old;
        if (!service.start()) {
            state.SkipWithError("the server did not start");
            return;
        }
        if (listings) { // a full list, then only listings
            for (int i = 0; i < 30; ++i) {
                const int fd = connectTo(service.port);
                roundTrip(fd, kListing + "&a=" + std::to_string(i) + "&b=Player%20" + std::to_string(i) +
                                  "%20dif%3D2&c=");
                ::close(fd);
            }
        }
        std::vector<ClientResult> results(std::size_t(clientCount), ClientResult{});
        std::vector<std::thread> clients;
        const auto start = Clock::now();
        for (int c = 0; c < clientCount; ++c)
            clients.emplace_back(runClient, c, service.port, listings ? 0 : kSubmissions / clientCount,
                                 listings ? kListingsAlone / clientCount : 0, &results[std::size_t(c)],
                                 Clock::time_point::max());
        for (std::thread& t : clients)
            t.join();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::vector<double> all;
        int failures = 0;
        for (const ClientResult& r : results) {
            all.insert(all.end(), r.latenciesMs.begin(), r.latenciesMs.end());
            failures += r.failures;
        }
        std::sort(all.begin(), all.end());
        state.SetIterationTime(seconds);
        state.counters["requests_per_s"] = double(all.size()) / seconds;
        state.counters["p50_ms"] = percentile(all, 50);
        state.counters["p99_ms"] = percentile(all, 99);
        state.counters["failures"] = failures;
    }
    state.SetLabel((state.range(2) == 1 ? "older " : "this build ") +
                   std::string(listings ? "listings" : "submissions"));
}

// 60 s of mixed load from 16 clients; the server's memory sampled every second.
void BM_HofdMemoryOverAMinute(benchmark::State& state)
{
    for (auto _ : state) {
        Service service;
        if (!service.start()) {
            state.SkipWithError("the server did not start");
            return;
        }
        const auto start = Clock::now();
        const auto stopAt = start + std::chrono::seconds(60);
        std::vector<ClientResult> results(16, ClientResult{});
        std::vector<std::thread> clients;
        for (int c = 0; c < 16; ++c) // far more than a minute's worth: the time ends it
            clients.emplace_back(runClient, c, service.port, 1000000, 1000000, &results[std::size_t(c)],
                                 stopAt);
        std::this_thread::sleep_for(std::chrono::seconds(5)); // warmed up: caches and pools filled
        const double first = service.procValue(false);
        double peak = first;
        while (Clock::now() < stopAt) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            peak = std::max(peak, service.procValue(false));
        }
        for (std::thread& t : clients)
            t.join();
        const double last = service.procValue(false);
        double requests = 0;
        for (const ClientResult& r : results)
            requests += double(r.latenciesMs.size());
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        state.counters["rss_at_5s_mb"] = first;
        state.counters["rss_at_60s_mb"] = last;
        state.counters["rss_peak_mb"] = peak;
        state.counters["requests"] = requests;
        if (last > first * 1.1 + 4)
            state.SkipWithError("over the target: the memory grew by more than 10 % and 4 MB in a minute");
    }
}

void BM_HofdNeverReading(benchmark::State& state)
{
    for (auto _ : state) {
        Service service;
        if (!service.start()) {
            state.SkipWithError("the server did not start");
            return;
        }
        for (int i = 0; i < 30; ++i) { // a full list
            const int fd = connectTo(service.port);
            roundTrip(fd, kListing + "&a=" + std::to_string(i) + "&b=Player%20" + std::to_string(i) +
                              "%20dif%3D2&c=");
            ::close(fd);
        }
        std::string requests;
        for (int i = 0; i < 2000; ++i)
            requests += "GET " + kListing + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
        std::vector<int> greedy;
        for (int i = 0; i < 300; ++i) {
            const int fd = connectTo(service.port);
            if (fd >= 0) {
                ::fcntl(fd, F_SETFL, O_NONBLOCK);
                greedy.push_back(fd);
            }
        }
        std::vector<double> honest;
        double peakMb = service.procValue(false);
        int failures = 0;
        const auto start = Clock::now();
        while (Clock::now() - start < std::chrono::seconds(3)) {
            for (const int fd : greedy)
                ::send(fd, requests.data(), requests.size(), MSG_NOSIGNAL);
            const double ms = listOnce(service.port);
            if (ms < 0)
                ++failures;
            else
                honest.push_back(ms);
            peakMb = std::max(peakMb, service.procValue(false));
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        for (const int fd : greedy)
            ::close(fd);
        std::sort(honest.begin(), honest.end());
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        state.counters["peak_rss_mb"] = peakMb;
        state.counters["honest_p50_ms"] = percentile(honest, 50);
        state.counters["honest_max_ms"] = honest.empty() ? 0 : honest.back();
        state.counters["honest_failures"] = failures;
        if (peakMb >= 100 || honest.empty() || honest.back() >= 1000 || failures > 0)
            state.SkipWithError("over the target: 100 MB, an honest listing answered within 1 s");
    }
}

void BM_HofdListingUnderLock(benchmark::State& state)
{
    for (auto _ : state) {
        Service service;
        if (!service.start()) {
            state.SkipWithError("the server did not start");
            return;
        }
        listOnce(service.port); // the list in memory
        std::vector<double> cached, other;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
            db.setDatabaseName(service.database());
            if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"))) {
                state.SkipWithError("cannot take the write lock");
                return;
            }
            const int waiting = connectTo(service.port); // a submission that waits for the lock
            const std::string submission =
                "GET " + kListing + "&a=1&b=Waiting%20dif%3D1&c= HTTP/1.1\r\nHost: x\r\n\r\n";
            ::send(waiting, submission.data(), submission.size(), MSG_NOSIGNAL);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            for (int i = 0; i < 20; ++i) {
                cached.push_back(listOnce(service.port));
                other.push_back(
                    listOnce(service.port, "/games/triv/triviahf.asp?game=g" + std::to_string(i)));
            }
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            ::close(waiting);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("lock"));
        std::sort(cached.begin(), cached.end());
        std::sort(other.begin(), other.end());
        state.SetIterationTime(0.001);
        state.counters["cached_max_ms"] = cached.back();
        state.counters["not_cached_max_ms"] = other.back();
        if (cached.front() < 0 || other.front() < 0 || cached.back() >= 500 || other.back() >= 500)
            state.SkipWithError("over the target: a listing answered within 0.5 s");
    }
}

void BM_HofdHeadByteByByte(benchmark::State& state)
{
    for (auto _ : state) {
        Service service;
        if (!service.start()) {
            state.SkipWithError("the server did not start");
            return;
        }
        const std::string head = "GET " + kListing +
                                 " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: " + std::string(1600, 'a') +
                                 "\r\nConnection: close\r\n\r\n";
        double cpuMs[2] = {0, 0};
        for (const bool bytewise : {false, true}) {
            const double before = service.procValue(true);
            for (int i = 0; i < 10; ++i) {
                const int fd = connectTo(service.port);
                for (std::size_t at = 0; at < head.size(); at += bytewise ? 1 : head.size()) {
                    ::send(fd, head.data() + at, bytewise ? 1 : head.size(), MSG_NOSIGNAL);
                    if (bytewise)
                        std::this_thread::sleep_for(std::chrono::microseconds(150));
                }
                char buf[16384];
                while (::recv(fd, buf, sizeof buf, 0) > 0) {
                }
                ::close(fd);
            }
            cpuMs[bytewise] = (service.procValue(true) - before) / 10;
        }
        state.SetIterationTime(0.001);
        state.counters["cpu_ms_per_head_whole"] = cpuMs[0];
        state.counters["cpu_ms_per_head_bytewise"] = cpuMs[1];
        static std::string over;
        over = "over the target: a head a byte at a time (" + std::to_string(cpuMs[1]) +
               " ms) costs at most 10 times a whole one (" + std::to_string(cpuMs[0]) + " ms)";
        if (cpuMs[1] > 10 * std::max(cpuMs[0], 0.1))
            state.SkipWithError(over.c_str());
    }
}

} // namespace

BENCHMARK(BM_HofdNeverReading)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HofdListingUnderLock)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HofdHeadByteByByte)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HofdSideBySide)
    ->ArgsProduct({{16, 256}, {0, 1}, {0, 1}})
    ->ArgNames({"clients", "listings", "older"})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HofdMemoryOverAMinute)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HofdLoad)
    ->Arg(16)
    ->Arg(256)
    ->ArgName("clients")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
