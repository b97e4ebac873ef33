// How a later start reaches the program that is already running, as the desktop's open
// command reaches it: a local socket named per user. The first start listens on it; a later
// start hands it the files of its command line and ends, so that only one program holds the
// bus port. Needs no window: main() decides with it before anything touches the port.
#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

#include <optional>

class QLocalServer;
class QLocalSocket;

class CShellOpenChannel : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Serving,      // no program was running: this start is the one and listens
        HandedOver,   // a program runs and took the files: this start ends
        NotDelivered, // a program runs but did not take the files in time: this start ends
        Alone,        // the channel could not be set up: this start runs without it
    };

    // `name` is the socket's name: UserChannelName() for the program, a name of their own
    // for tests.
    explicit CShellOpenChannel(const QString& name, QObject* parent = nullptr);
    ~CShellOpenChannel() override;

    // One name per user, so that each user's desktop reaches that user's program.
    static QString UserChannelName();

    // Decides this start's role: hands `files` (made absolute against this start's folder)
    // to a running program, or becomes the running program. Handed over means the running
    // program answered that it took them. Takes at most a few seconds, normally a few
    // milliseconds.
    Role Claim(const QStringList& files);
    // The lock file a start holds while Claim decides, so that two starts at the same moment
    // decide one after the other; none holds it once its role is decided.
    QString DecisionLockPath() const;

    // What a handing start sends for `files`.
    static QByteArray Message(const QStringList& files);
    // The files in a message as it arrived; nothing when it is not a message of a start.
    static std::optional<QStringList> FilesIn(const QByteArray& message);

signals:
    // A later start handed over these files (absolute paths; none when it named none).
    void filesHandedOver(const QStringList& files);

private:
    bool Listen(bool removeStale);
    bool Send(QLocalSocket& socket, const QStringList& files);
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    void OnDisconnected(QLocalSocket* socket);

    QString m_name;
    QLocalServer* m_server = nullptr;
    QHash<QLocalSocket*, QByteArray> m_incoming;
};
