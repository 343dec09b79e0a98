// Load on brevallo-hofd over loopback: 16 (then 128) clients with kept-alive
// connections send 10,000 submissions and 10,000 listings between them, then the
// server is stopped and the database is checked to hold every acknowledged entry.
// The server runs with its default connection limits and timeouts; only the
// per-address submission limit is off, as every client here is 127.0.0.1.
// Reports requests per second and the 99th-percentile latency. Runs once per
// client count and stops by itself.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;
constexpr int kSubmissions = 10000;
constexpr int kListings = 10000;

struct ClientResult {
    std::vector<double> latenciesMs;
    std::vector<double> submitMs; // the submissions' share of latenciesMs
    int acknowledged = 0;
    int failures = 0;
};

int connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval timeout{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Sends one GET and reads the whole answer; returns the status, or -1.
int roundTrip(int fd, const std::string& target)
{
    const std::string request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) != ssize_t(request.size()))
        return -1;
    std::string in;
    char buf[16384];
    std::size_t headerEnd = std::string::npos;
    std::size_t total = 0;
    for (;;) {
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0)
            return -1;
        in.append(buf, std::size_t(n));
        if (headerEnd == std::string::npos) {
            headerEnd = in.find("\r\n\r\n");
            if (headerEnd == std::string::npos)
                continue;
            const std::size_t cl = in.find("Content-Length: ");
            if (cl == std::string::npos || cl > headerEnd)
                return -1;
            total = headerEnd + 4 + std::stoul(in.substr(cl + 16));
        }
        if (in.size() >= total)
            break;
    }
    return in.size() > 12 ? std::stoi(in.substr(9, 3)) : -1;
}

void runClient(int id, int clients, quint16 port, ClientResult* out)
{
    const int submissions = kSubmissions / clients;
    const int listings = kListings / clients;
    int fd = connectTo(port);
    unsigned seed = unsigned(id) * 7919u + 1u;
    for (int i = 0; i < submissions + listings; ++i) {
        const bool submit = i % 2 == 0 ? i / 2 < submissions : i / 2 >= listings;
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

double percentile(const std::vector<double>& sorted, std::size_t p)
{
    return sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, sorted.size() * p / 100)];
}

qint64 storedEntries(const QString& file)
{
    qint64 count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM entries"), db);
            if (q.next())
                count = q.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return count;
}

void BM_HofdLoad(benchmark::State& state)
{
    const int clientCount = int(state.range(0));
    for (auto _ : state) {
        QTemporaryDir dir;
        const QString db = dir.filePath(QStringLiteral("load.sqlite"));
        QProcess server;
        // The log goes to a file, so that a full pipe never stalls the server.
        QFile log(dir.filePath(QStringLiteral("hofd.log")));
        server.setStandardOutputFile(QProcess::nullDevice());
        server.setStandardErrorFile(log.fileName());
        server.start(QStringLiteral(HOFD_EXE),
                     {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--database"),
                      db, QStringLiteral("--submissions-per-minute"), QStringLiteral("0")});
        QByteArray banner;
        for (int tries = 0; tries < 100 && !banner.contains('\n'); ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (log.open(QIODevice::ReadOnly)) {
                banner = log.readLine();
                log.close();
            }
        }
        const qsizetype at = banner.indexOf("127.0.0.1:");
        const quint16 port = at < 0 ? 0 : quint16(banner.mid(at + 10).split('/').first().toUInt());
        if (port == 0) {
            server.kill();
            server.waitForFinished(5000);
            state.SkipWithError("the server did not start");
            return;
        }
        std::vector<ClientResult> results(std::size_t(clientCount), ClientResult{});
        std::vector<std::thread> clients;
        const auto start = Clock::now();
        for (int c = 0; c < clientCount; ++c)
            clients.emplace_back(runClient, c, clientCount, port, &results[std::size_t(c)]);
        for (std::thread& t : clients)
            t.join();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

        server.terminate();
        if (!server.waitForFinished(10000))
            server.kill();

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
        const qint64 stored = storedEntries(db);
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

} // namespace

BENCHMARK(BM_HofdLoad)
    ->Arg(16)
    ->Arg(128)
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
