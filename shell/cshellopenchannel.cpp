#include "shell/cshellopenchannel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>

namespace {

// A message starts with this line; anything else that connects is not a start of the
// program and is ignored.
const QByteArray kHeader = QByteArrayLiteral("Tarnlink open\n");
// Each file's path ends with a NUL, which no path contains.
constexpr char kEnd = '\0';
// Far more than any command line carries; a connection that sends more is dropped.
constexpr qsizetype kMaxMessage = 1024 * 1024;
// Another start deciding at the same moment holds the lock this long at most.
constexpr int kDecisionWaitMs = 3000;
constexpr int kConnectWaitMs = 1000;
constexpr int kSendWaitMs = 1000;
// The running program says it took the connection up. A program whose thread waits on a
// stage that does not answer is back within a few seconds; one that has not answered by
// then would leave the files lost without a word.
const QByteArray kTaken = QByteArrayLiteral("taken\n");
constexpr int kAnswerWaitMs = 5000;

QString LockPath(const QString& name)
{
    // A full path names a socket file of its own; a plain name lives in the temporary folder,
    // as the local socket's own file does.
    const QString base = QFileInfo(name).isAbsolute() ? name : QDir::temp().filePath(name);
    return base + QStringLiteral(".lock");
}

} // namespace

CShellOpenChannel::CShellOpenChannel(const QString& name, QObject* parent)
    : QObject(parent), m_name(name)
{
}

CShellOpenChannel::~CShellOpenChannel() = default;

QString CShellOpenChannel::UserChannelName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    // Started without a login's environment: the home folder names the user.
    if (user.isEmpty())
        user = QDir(QDir::homePath()).dirName();
    // The name becomes a file name: nothing that could leave the folder.
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return QStringLiteral("Tarnlink-") + user;
}

CShellOpenChannel::Role CShellOpenChannel::Claim(const QStringList& files)
{
    // The lock keeps two starts at the same moment from both finding nobody and both
    // becoming the running program. A lock left by a start that crashed is taken over.
    QLockFile decision(DecisionLockPath());
    const bool decided = decision.tryLock(kDecisionWaitMs);

    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (socket.waitForConnected(kConnectWaitMs))
        return Send(socket, files) ? Role::HandedOver : Role::NotDelivered;

    // Nobody listens. Holding the lock, a socket file still there was left by a program that
    // crashed and must not block this start; without the lock it might be another start's.
    return Listen(decided) ? Role::Serving : Role::Alone;
}

QString CShellOpenChannel::DecisionLockPath() const
{
    return LockPath(m_name);
}

bool CShellOpenChannel::Send(QLocalSocket& socket, const QStringList& files)
{
    // The files go only once the running program has taken the connection up: one that
    // does not answer in time gets nothing, so what the start reports as not handed over
    // does not open later after all, when that program comes back.
    const QDeadlineTimer answerDue(kAnswerWaitMs);
    QByteArray answer;
    while (answer.size() < kTaken.size()) {
        if (socket.bytesAvailable() == 0 &&
            !socket.waitForReadyRead(static_cast<int>(answerDue.remainingTime())))
            return false;
        answer += socket.read(kTaken.size() - answer.size());
    }
    if (answer != kTaken)
        return false;
    QStringList absolute;
    for (const QString& file : files)
        absolute.append(QFileInfo(file).absoluteFilePath());
    socket.write(Message(absolute));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kSendWaitMs))
            return false;
    }
    // The end of the connection ends the message.
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState &&
        !socket.waitForDisconnected(kSendWaitMs))
        return false;
    return true;
}

bool CShellOpenChannel::Listen(bool removeStale)
{
    if (removeStale)
        QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    // Only the user's own starts may hand files to the user's program.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &CShellOpenChannel::OnNewConnection);
    return true;
}

void CShellOpenChannel::OnNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        m_incoming.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this,
                [this, socket] { OnDisconnected(socket); });
        // A start that gave up before the connection was taken up sent no files: it goes.
        if (socket->state() != QLocalSocket::ConnectedState) {
            OnDisconnected(socket);
            continue;
        }
        // The start waits for this before it goes: its files will be read.
        socket->write(kTaken);
    }
}

void CShellOpenChannel::OnReadyRead(QLocalSocket* socket)
{
    const auto it = m_incoming.find(socket);
    if (it == m_incoming.end())
        return;
    it->append(socket->readAll());
    if (it->size() > kMaxMessage) {
        m_incoming.erase(it);
        socket->abort();
        socket->deleteLater();
    }
}

void CShellOpenChannel::OnDisconnected(QLocalSocket* socket)
{
    OnReadyRead(socket);
    const auto it = m_incoming.find(socket);
    if (it == m_incoming.end())
        return;
    const QByteArray message = *it;
    m_incoming.erase(it);
    socket->deleteLater();
    if (const std::optional<QStringList> files = FilesIn(message))
        emit filesHandedOver(*files);
}

QByteArray CShellOpenChannel::Message(const QStringList& files)
{
    QByteArray message = kHeader;
    for (const QString& file : files)
        message += file.toUtf8() + kEnd;
    return message;
}

std::optional<QStringList> CShellOpenChannel::FilesIn(const QByteArray& message)
{
    if (!message.startsWith(kHeader) || message.size() > kMaxMessage)
        return std::nullopt;
    QStringList files;
    qsizetype start = kHeader.size();
    // A path without its end was cut off: it is not taken.
    for (qsizetype end = message.indexOf(kEnd, start); end >= 0;
         start = end + 1, end = message.indexOf(kEnd, start)) {
        if (end > start)
            files.append(QString::fromUtf8(message.mid(start, end - start)));
    }
    return files;
}
