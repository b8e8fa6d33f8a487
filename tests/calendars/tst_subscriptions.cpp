// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Subscriptions fetched from a real HTTPS server on 127.0.0.1: what each kind of answer gives,
// revalidation by ETag and by Last-Modified, the copy in the cache across a restart with the
// server gone, a copy changed on the server, a corrupt cache, and the refresh timer.

#include <QDirIterator>
#include <QTemporaryDir>

#include "https_server.h"
#include "sources_fixture.h"

using namespace solvane::test;
using solvane::calendars::SourceError;
using Kind = SourceError::Kind;

Q_DECLARE_METATYPE(Route)

namespace {

const QByteArray kCalendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n";
const QByteArray kChanged = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-CHANGED:1\r\nEND:VCALENDAR\r\n";
const QByteArray kBom = "\xEF\xBB\xBF\r\n" + kCalendar;
const QDateTime kServerTime(QDate(2026, 11, 30), QTime(12, 0), Qt::UTC);

Route body(const QByteArray& bytes, const QByteArray& etag = {}, const QDateTime& when = {}) {
    Route route;
    route.body = bytes;
    route.etag = etag;
    route.lastModified = when;
    return route;
}
Route behaviour(Route::Kind kind, int code = 200, const QByteArray& to = {}) {
    Route route;
    route.kind = kind;
    route.status = code;
    route.location = to;
    return route;
}
Route status(int code) {
    return behaviour(Route::Kind::Status, code);
}
Route redirect(const QByteArray& to) {
    return behaviour(Route::Kind::Redirect, 302, to);
}

// The port of a server that was there a moment ago: nothing listens on it now.
quint16 closedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

}  // namespace

class TestSubscriptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void answers_data();
    void answers();
    void revalidation_data();
    void revalidation();
    void offlineAfterRestart();
    void changedOnServer();
    void failureKeepsCopy();
    void corruptCache_data();
    void corruptCache();
    void othersKeepWorking();
    void refreshTimer_data();
    void refreshTimer();

private:
    void serveStandardRoutes();
    QString subscribe(Run& run, const QString& address);

    std::unique_ptr<HttpsServer> server_;
    std::unique_ptr<HttpsServer> stranger_;
    std::unique_ptr<QTemporaryDir> root_;
    QTcpServer silent_;  // accepts connections and never says a word, not even TLS
};

void TestSubscriptions::initTestCase() {
    QVERIFY2(!testCertificate("trusted").isNull(), "the test certificates were not made");
    QVERIFY(!testKey("trusted").isNull());
    QVERIFY(silent_.listen(QHostAddress::LocalHost, 0));
}

void TestSubscriptions::init() {
    server_ = std::make_unique<HttpsServer>(testCertificate("trusted"), testKey("trusted"));
    stranger_ = std::make_unique<HttpsServer>(testCertificate("stranger"), testKey("stranger"));
    QVERIFY(server_->listenOnLoopback());
    QVERIFY(stranger_->listenOnLoopback());
    root_ = std::make_unique<QTemporaryDir>();
    QVERIFY(root_->isValid());
    serveStandardRoutes();
}

void TestSubscriptions::serveStandardRoutes() {
    const QByteArray port = QByteArray::number(server_->serverPort());
    server_->route("/cal.ics", body(kCalendar, "\"v1\"", kServerTime));
    Route portal = body("<html><body>Please log in</body></html>");
    portal.type = "text/html";
    server_->route("/portal", portal);
    server_->route("/empty", body({}));
    // 64 MB of zeros in about 64 KB: Qt refuses to unpack it, before the size cap would.
    static const QByteArray deflated = qCompress(QByteArray(64 << 20, '\0'), 9).mid(4);
    Route bomb = body(deflated);
    bomb.encoding = "deflate";
    server_->route("/bomb", bomb);
    Route deflatedCalendar = body(qCompress(kCalendar).mid(4));
    deflatedCalendar.encoding = "deflate";
    server_->route("/deflated", deflatedCalendar);
    server_->route("/304", status(304));
    server_->route("/404", status(404));
    server_->route("/500", status(500));
    server_->route("/stall", behaviour(Route::Kind::Stall));
    server_->route("/endless", behaviour(Route::Kind::Endless));
    server_->route("/drip", behaviour(Route::Kind::Drip));
    server_->route("/big", body(QByteArray(300 * 1024, 'x')));
    server_->route("/loop-a", redirect("/loop-b"));
    server_->route("/loop-b", redirect("/loop-a"));
    server_->route("/moved", redirect("https://127.0.0.1:" + port + "/cal.ics"));
    server_->route("/to-http", redirect("http://127.0.0.1:" + port + "/cal.ics"));
    server_->route("/r1", redirect("/r2"));
    server_->route("/r2", redirect("/r3"));
    server_->route("/r3", redirect("/r4"));
    server_->route("/r4", redirect("/cal.ics"));
    server_->route("/bom", body(kBom));
    stranger_->route("/cal.ics", body(kCalendar));
}

QString TestSubscriptions::subscribe(Run& run, const QString& address) {
    const QString id = run.list.addUrl(address, QStringLiteral("Test"), 0x3465a4);
    run.sources.start();
    return id;
}

enum class Server { Trusted, Stranger, Silent, None };
Q_DECLARE_METATYPE(Server)

void TestSubscriptions::answers_data() {
    QTest::addColumn<Server>("server");
    QTest::addColumn<QByteArray>("address");  // a path, or a scheme and a path
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Kind>("error");
    QTest::addColumn<QString>("detail");  // part of the error's text

    const QByteArray none;
    const auto good = Server::Trusted;
    QTest::addRow("200") << good << QByteArray("/cal.ics") << kCalendar << Kind::None << "";
    QTest::addRow("webcal means https")
        << good << QByteArray("webcal:/cal.ics") << kCalendar << Kind::None << "";
    QTest::addRow("login page with 200")
        << good << QByteArray("/portal") << none << Kind::NotCalendar << "text/html";
    QTest::addRow("empty 200") << good << QByteArray("/empty") << none << Kind::NotCalendar
                               << "empty";
    QTest::addRow("byte-order mark and blank line")
        << good << QByteArray("/bom") << kBom << Kind::None << "";
    QTest::addRow("304 to an unconditional request")
        << good << QByteArray("/304") << none << Kind::Http << "304";
    QTest::addRow("404") << good << QByteArray("/404") << none << Kind::Http << "404 Not Found";
    QTest::addRow("500") << good << QByteArray("/500") << none << Kind::Http
                         << "500 Internal Server Error";
    QTest::addRow("stalling server")
        << good << QByteArray("/stall") << none << Kind::Stalled << "1.5 s";
    QTest::addRow("slow drip") << good << QByteArray("/drip") << none << Kind::Timeout << "4 s";
    QTest::addRow("endless body") << good << QByteArray("/endless") << none << Kind::TooLarge
                                  << "262144";
    QTest::addRow("compressed") << good << QByteArray("/deflated") << kCalendar << Kind::None << "";
    QTest::addRow("compression bomb")
        << good << QByteArray("/bomb") << none << Kind::NotCalendar << "unpacked";
    QTest::addRow("announced too large")
        << good << QByteArray("/big") << none << Kind::TooLarge << "307200";
    QTest::addRow("redirect") << good << QByteArray("/moved") << kCalendar << Kind::None << "";
    QTest::addRow("redirect loop")
        << good << QByteArray("/loop-a") << none << Kind::RedirectLoop << "loop-a";
    QTest::addRow("too many redirects")
        << good << QByteArray("/r1") << none << Kind::TooManyRedirects << "3";
    QTest::addRow("https to http")
        << good << QByteArray("/to-http") << none << Kind::InsecureRedirect << "http://";
    QTest::addRow("bad certificate")
        << Server::Stranger << QByteArray("/cal.ics") << none << Kind::Tls << "self-signed";
    QTest::addRow("silent after connecting")
        << Server::Silent << QByteArray("/cal.ics") << none << Kind::Stalled << "1.5 s";
    QTest::addRow("no server") << Server::None << QByteArray("/cal.ics") << none << Kind::Network
                               << "refused";
}

void TestSubscriptions::answers() {
    QFETCH(Server, server);
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, content);
    QFETCH(Kind, error);
    QFETCH(QString, detail);

    const QList<QByteArray> parts = address.split(':');
    const QByteArray scheme = parts.size() > 1 ? parts.first() : QByteArray("https");
    QUrl url = (server == Server::Stranger ? stranger_ : server_)->url(parts.last(), scheme);
    if (server == Server::None)
        url.setPort(closedPort());
    if (server == Server::Silent)
        url.setPort(silent_.serverPort());
    Run run(root_->path());
    const QString id = subscribe(run, url.toString());
    QVERIFY(!id.isEmpty());
    QVERIFY(run.settle());
    QCOMPARE(run.lastContent(), content);
    QCOMPARE(run.lastError().kind, error);
    QVERIFY2(run.lastError().detail.contains(detail, Qt::CaseInsensitive),
             qPrintable(run.lastError().detail));
    // The list keeps what happened, for the dialog to show.
    QCOMPARE(run.list.source(id)->lastError.kind, error);
    QCOMPARE(run.list.source(id)->lastRefresh, error == Kind::None ? kNow : QDateTime());
}

void TestSubscriptions::revalidation_data() {
    QTest::addColumn<QByteArray>("etag");
    QTest::addColumn<QDateTime>("lastModified");
    QTest::addColumn<QByteArray>("header");  // the request header that made the 304

    QTest::addRow("by ETag") << QByteArray("\"abc\"") << QDateTime() << QByteArray("if-none-match");
    QTest::addRow("by Last-Modified")
        << QByteArray() << kServerTime << QByteArray("if-modified-since");
}

// 200 on the first run; on the next run the copy comes from the cache at once and the
// server answers the conditional request with 304, so nothing new is handed out.
void TestSubscriptions::revalidation() {
    QFETCH(QByteArray, etag);
    QFETCH(QDateTime, lastModified);
    QFETCH(QByteArray, header);
    server_->route("/cal.ics", body(kCalendar, etag, lastModified));
    {
        Run run(root_->path());
        subscribe(run, server_->url("/cal.ics").toString());
        QVERIFY(run.settle());
        QCOMPARE(run.lastContent(), kCalendar);
    }
    Run run(root_->path());
    run.sources.start();
    QCOMPARE(run.content.size(), 1);  // the cached copy, before any network
    QCOMPARE(run.lastContent(), kCalendar);
    QVERIFY(run.sources.isFetching(run.onlyId()));
    QVERIFY(run.settle());
    QCOMPARE(server_->statusesOf("/cal.ics"), QList<int>({200, 304}));
    QVERIFY(server_->log().last().headers.contains(header));
    QCOMPARE(run.content.size(), 1);
    QCOMPARE(run.failed.size(), 0);
    QCOMPARE(run.list.sources().first().lastRefresh, kNow);
}

void TestSubscriptions::offlineAfterRestart() {
    {
        Run run(root_->path());
        subscribe(run, server_->url("/cal.ics").toString());
        QVERIFY(run.settle());
    }
    const QUrl address = server_->url("/cal.ics");
    server_.reset();
    Run run(root_->path());
    QCOMPARE(run.list.sources().first().location, address.toString());
    run.sources.start();
    QCOMPARE(run.lastContent(), kCalendar);
    QVERIFY(run.settle());
    QCOMPARE(run.lastError().kind, Kind::Network);
    QCOMPARE(run.content.size(), 1);  // the copy stays in force
    QCOMPARE(run.list.sources().first().lastError.kind, Kind::Network);
}

// A failed fetch leaves the last good copy in the cache: a login page answered with 200 (a
// hotel's network) does not take its place.
void TestSubscriptions::failureKeepsCopy() {
    {
        Run run(root_->path());
        subscribe(run, server_->url("/cal.ics").toString());
        QVERIFY(run.settle());
        Route portal = body("<html>Log in</html>");
        portal.type = "text/html";
        server_->route("/cal.ics", portal);
        run.sources.refresh(run.onlyId());
        QVERIFY(run.settle());
        QCOMPARE(run.lastError().kind, Kind::NotCalendar);
        QCOMPARE(run.content.size(), 1);
    }
    server_.reset();
    Run run(root_->path());
    run.sources.start();
    QCOMPARE(run.lastContent(), kCalendar);
}

void TestSubscriptions::changedOnServer() {
    Run run(root_->path());
    subscribe(run, server_->url("/cal.ics").toString());
    QVERIFY(run.settle());
    server_->route("/cal.ics", body(kChanged, "\"v2\"", kServerTime.addDays(1)));
    run.sources.refresh(run.onlyId());
    QVERIFY(run.settle());
    QCOMPARE(server_->statusesOf("/cal.ics"), QList<int>({200, 200}));
    QCOMPARE(run.content.size(), 2);
    QCOMPARE(run.lastContent(), kChanged);
    // The cache holds the new copy for the next start.
    server_.reset();
    Run next(root_->path());
    next.sources.start();
    QCOMPARE(next.lastContent(), kChanged);
}

void TestSubscriptions::corruptCache_data() {
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<bool>("serverUp");

    QTest::addRow("garbage, server up") << QByteArray(4096, '\x9c') << true;
    QTest::addRow("garbage, server gone") << QByteArray(4096, '\x9c') << false;
    QTest::addRow("empty file") << QByteArray() << true;
    QTest::addRow("truncated header") << QByteArray("\x00\x00\xe8\x0f\x00\x00\x00\x08", 8) << true;
}

// A cache file that cannot be read is no copy: nothing stale is shown, the fetch is not
// conditional, and the program goes on.
void TestSubscriptions::corruptCache() {
    QFETCH(QByteArray, replacement);
    QFETCH(bool, serverUp);
    {
        Run run(root_->path());
        subscribe(run, server_->url("/cal.ics").toString());
        QVERIFY(run.settle());
    }
    int corrupted = 0;
    QDirIterator files(root_->filePath(QStringLiteral("cache")), QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(replacement);
        ++corrupted;
    }
    QVERIFY(corrupted > 0);
    if (!serverUp)
        server_.reset();
    Run run(root_->path());
    run.sources.start();
    QCOMPARE(run.content.size(), 0);
    QVERIFY(run.settle());
    if (serverUp) {
        QCOMPARE(run.lastContent(), kCalendar);
        QCOMPARE(server_->statusesOf("/cal.ics"), QList<int>({200, 200}));
        QVERIFY(!server_->log().last().headers.contains("if-none-match"));
    } else {
        QCOMPARE(run.lastError().kind, Kind::Network);
    }
}

// One server that fails, stalls or lies does not hold up the other calendars.
void TestSubscriptions::othersKeepWorking() {
    Run run(root_->path());
    const QString stalled = run.list.addUrl(server_->url("/stall").toString(), "S", 0);
    const QString broken = run.list.addUrl(server_->url("/500").toString(), "B", 0);
    const QString endless = run.list.addUrl(server_->url("/endless").toString(), "E", 0);
    const QString good = run.list.addUrl(server_->url("/cal.ics").toString(), "G", 0);
    run.sources.start();
    QTRY_COMPARE_WITH_TIMEOUT(run.content.size(), 1, kHangCheck);
    QCOMPARE(run.content.first().first().toString(), good);
    QTRY_COMPARE_WITH_TIMEOUT(run.failed.size(), 3, kHangCheck);
    QCOMPARE(run.list.source(broken)->lastError.kind, Kind::Http);
    QCOMPARE(run.list.source(endless)->lastError.kind, Kind::TooLarge);
    QCOMPARE(run.list.source(stalled)->lastError.kind, Kind::Stalled);
    QCOMPARE(run.list.source(good)->lastError.kind, Kind::None);
}

void TestSubscriptions::refreshTimer_data() {
    QTest::addColumn<QString>("path");  // empty: no subscription
    QTest::addColumn<qint64>("wake");   // ms, -1: no timer

    QTest::addRow("no subscription") << QString() << qint64(-1);
    QTest::addRow("fetched: next in 4 h") << QStringLiteral("/cal.ics") << qint64(4 * 3600 * 1000);
    QTest::addRow("failed: again in 30 min") << QStringLiteral("/500") << qint64(30 * 60 * 1000);
}

// Idle costs nothing: the one timer waits for the next refresh due, and none waits for nothing.
void TestSubscriptions::refreshTimer() {
    QFETCH(QString, path);
    QFETCH(qint64, wake);
    Run run(root_->path());
    const QString file = root_->filePath(QStringLiteral("local.ics"));
    QFile(file).open(QIODevice::WriteOnly);
    run.list.addFile(file, QStringLiteral("Local"), 0);
    if (!path.isEmpty())
        run.list.addUrl(server_->url(path.toLatin1()).toString(), QStringLiteral("Net"), 0);
    run.sources.start();
    QVERIFY(QTest::qWaitFor([&] { return !run.sources.isFetching(run.list.sources().last().id); },
                            kHangCheck));
    if (wake < 0) {
        QCOMPARE(run.sources.nextWake(), -1);
    } else {
        // A very coarse timer may round its wait up to the next whole second.
        QVERIFY2(
            run.sources.nextWake() <= wake + 1000 && run.sources.nextWake() > wake - kHangCheck,
            qPrintable(QString::number(run.sources.nextWake())));
    }
}

QTEST_GUILESS_MAIN(TestSubscriptions)
#include "tst_subscriptions.moc"
