#include "app/SingleInstance.h"
#include "hooks/GlobalInputHook.h"
#include "hooks/WarningBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <QWidget>

#include <cstring>
#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A host window and its warning box, with the box's display recorded ("caption|text"), not shown.
struct Host
{
    Host()
        : box(&window)
    {
        window.setWindowTitle(QStringLiteral("VELDRAN QUORIX"));
        box.setPresenter([this](const QString& caption, const QString& text) { shown << caption + '|' + text; });
    }

    bool send(const QByteArray& bytes, qsizetype count = -1, quintptr tag = WarningBox::kTag)
    {
        const CopyData data{tag, static_cast<quint32>(count < 0 ? bytes.size() : count), bytes.constData()};
        return box.handle(&data);
    }

    QWidget window;
    WarningBox box;
    QStringList shown;
};

// A running instance whose data messages reach a host's warning box, as in the program.
struct Listener
{
    Listener()
    {
        hook.initialise(0);
        hook.setCopyDataCallback(&WarningBox::copyDataCallback, &host.box);
        QObject::connect(&running, &SingleInstance::dataReceived, &hook, &GlobalInputHook::copyDataProc);
    }

    const QString identity = QStringLiteral("quorix-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    SingleInstance running{identity};
    Host host;
    GlobalInputHook hook;
};

QMessageBox* openMessageBox()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}

} // namespace

class TestWarning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void warningText_data();
    void warningText();
    void readsNoFurtherThanTheCount();
    void oneBoxAtATimeUnderTheWindowsTitle();
    void messageBoxIsPlainWarningWithOk();
    void deliveredOverSingleInstanceChannel();
    void peerOfAnotherUserIsRefused();

private:
    QTemporaryDir m_runtime;
};

void TestWarning::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    // The instance sockets of these tests live in a folder of their own.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

void TestWarning::warningText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("text");

    const int tag = WarningBox::kTag;
    QTest::newRow("abc") << QByteArray("abc") << 3 << tag << true << QStringLiteral("abc");
    QTest::newRow("zero byte counted") << QByteArray("abc", 4) << 4 << tag << false << QString();
    QTest::newRow("zero byte after the count") << QByteArray("abc", 4) << 3 << tag << true << QStringLiteral("abc");
    QTest::newRow("two-byte characters") << QByteArray("Gr\xC3\xBC\xC3\x9F" "e") << 7 << tag << true
                                         << QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e");
    QTest::newRow("byte-order mark kept") << QByteArray("\xEF\xBB\xBFok") << 5 << tag << true
                                          << QString(QChar(0xFEFF)) + QStringLiteral("ok");
    QTest::newRow("empty") << QByteArray() << 0 << tag << true << QString();
    QTest::newRow("bad continuation") << QByteArray("a\xC3\x28") << 3 << tag << false << QString();
    QTest::newRow("lone 0xFF") << QByteArray("\xFF") << 1 << tag << false << QString();
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << 2 << tag << false << QString();
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << 3 << tag << false << QString();
    QTest::newRow("cut sequence") << QByteArray("ab\xE6\xA0") << 4 << tag << false << QString();
    QTest::newRow("other tag") << QByteArray("abc") << 3 << 0x2510 << false << QString();
}

void TestWarning::warningText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(int, tag);
    QFETCH(bool, valid);
    QFETCH(QString, text);

    Host host;
    QCOMPARE(host.send(bytes, count, static_cast<quintptr>(tag)), valid);
    QCOMPARE(host.shown, valid ? QStringList{QStringLiteral("VELDRAN QUORIX|") + text} : QStringList());
}

void TestWarning::readsNoFurtherThanTheCount()
{
    // The bytes after the count would be invalid UTF-8; they must not be looked at.
    const QByteArray bytes("ok\xFF\xFF", 4);
    const CopyData data{WarningBox::kTag, 2, bytes.constData()};
    QCOMPARE(WarningBox::warningText(data), std::optional<QString>(QStringLiteral("ok")));
    const CopyData missing{WarningBox::kTag, 3, nullptr};
    QVERIFY(!WarningBox::warningText(missing));
}

void TestWarning::oneBoxAtATimeUnderTheWindowsTitle()
{
    Host host;
    QVERIFY(host.send("first"));
    QVERIFY(host.box.isOpen());
    QVERIFY(!host.send("second"));
    QCOMPARE(host.box.droppedCount(), 1);
    host.box.boxClosed();
    host.window.setWindowTitle(QStringLiteral("Renamed"));
    QVERIFY(host.send("third"));
    QCOMPARE(host.shown, (QStringList{"VELDRAN QUORIX|first", "Renamed|third"}));
}

void TestWarning::messageBoxIsPlainWarningWithOk()
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("VELDRAN QUORIX"));
    WarningBox warning(&window);
    const QByteArray bytes("<b>not bold</b>");
    const CopyData data{WarningBox::kTag, static_cast<quint32>(bytes.size()), bytes.constData()};
    QVERIFY(warning.handle(&data));

    QMessageBox* box = openMessageBox();
    QVERIFY(box);
    QCOMPARE(box->parentWidget(), nullptr);
    QCOMPARE(box->windowTitle(), QStringLiteral("VELDRAN QUORIX"));
    QCOMPARE(box->text(), QStringLiteral("<b>not bold</b>"));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QVERIFY(!warning.handle(&data));
    box->button(QMessageBox::Ok)->click();
    QVERIFY(!warning.isOpen());
    QVERIFY(warning.handle(&data));
    QVERIFY(openMessageBox());
}

// Texts from a second start are not warnings; warning data is.
void TestWarning::deliveredOverSingleInstanceChannel()
{
    Listener listener;
    QVERIFY(!listener.running.isRunning());
    int texts = 0;
    connect(&listener.running, &SingleInstance::messageReceived, this, [&texts] { ++texts; });

    // The sender waits for the answer, so it needs a thread of its own here.
    bool sent = false;
    QScopedPointer<QThread> sender(QThread::create([identity = listener.identity, &sent] {
        SingleInstance later(identity);
        sent = later.isRunning() && later.sendMessage(QStringLiteral("text"), 5000)
            && later.sendData(WarningBox::kTag, QByteArray("abc"), 5000);
    }));
    sender->start();
    QTRY_VERIFY_WITH_TIMEOUT(sender->isFinished(), 10000);
    QVERIFY(sent);
    QCOMPARE(texts, 1);
    QCOMPARE(listener.host.shown, QStringList{QStringLiteral("VELDRAN QUORIX|abc")});
}

void TestWarning::peerOfAnotherUserIsRefused()
{
    if (::geteuid() != 0)
        QSKIP("needs root to connect as another user");

    Listener listener;
    QVERIFY(!listener.running.isRunning());

    // Open the way for the other user, so only the peer check stands between.
    const QByteArray path = QFile::encodeName(listener.running.socketPath());
    QVERIFY(::chmod(QFile::encodeName(m_runtime.path()).constData(), 0711) == 0);
    QVERIFY(::chmod(path.constData(), 0777) == 0);
    sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    QVERIFY(size_t(path.size()) < sizeof(addr.sun_path));
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
    const char frame[] = {0, 0, 0x25, 0x0F, 0, 0, 0, 3, 'a', 'b', 'c'};

    const pid_t child = ::fork();
    if (child == 0) {
        // Only system calls from here on: this is a copy of a threaded process.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
            ::_exit(3);
        if (::write(fd, frame, sizeof frame) != ssize_t(sizeof frame))
            ::_exit(0);
        char answer = 0;
        ::_exit(::read(fd, &answer, 1) == 1 ? 1 : 0);
    }
    QVERIFY(child > 0);
    int status = -1;
    bool reaped = false;
    const auto childEnded = [&] { return reaped || (reaped = ::waitpid(child, &status, WNOHANG) == child); };
    QTRY_VERIFY_WITH_TIMEOUT(childEnded(), 10000);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(listener.host.shown.isEmpty());
}

QTEST_MAIN(TestWarning)
#include "tst_warning.moc"
