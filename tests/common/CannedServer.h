#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// How the local server treats the next requests.
enum class Mode { Respond, Close, Silent, Hold, Down };

struct SeenRequest
{
    QByteArray method;
    QByteArray target;
    QByteArray headers;
    QByteArray body;
};

Q_DECLARE_METATYPE(Mode)

// A tiny HTTP/1.1 server on 127.0.0.1 with canned answers.
class CannedServer : public QObject
{
    Q_OBJECT
public:
    CannedServer()
    {
        connect(&server, &QTcpServer::newConnection, this, &CannedServer::Accept);
        server.listen(QHostAddress::LocalHost, 0);
        port = server.serverPort();
    }

    void Set(Mode nMode, int nStatus = 200, const QByteArray& body = QByteArray())
    {
        mode = nMode;
        status = nStatus;
        answer = body;
        if (mode == Mode::Down)
            server.close();
    }
    QUrl Url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path));
    }
    // Answers every held request now.
    void Release()
    {
        const QList<QPointer<QTcpSocket>> waiting = held;
        held.clear();
        for (const QPointer<QTcpSocket>& socket : waiting) {
            if (socket)
                Answer(socket);
        }
    }

    QList<SeenRequest> requests;
    int connections = 0;

private:
    void Accept()
    {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            ++connections;
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { Read(socket); });
        }
    }

    void Read(QTcpSocket* socket)
    {
        QByteArray& buffer = buffers[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        SeenRequest request;
        request.headers = buffer.left(end);
        int length = 0;
        for (const QByteArray& line : request.headers.split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toInt();
        }
        if (buffer.size() < end + 4 + length)
            return;
        const QList<QByteArray> first = request.headers.left(request.headers.indexOf('\r')).split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        request.body = buffer.mid(end + 4, length);
        buffers.remove(socket);
        requests << request;
        switch (mode) {
        case Mode::Respond:
            Answer(socket);
            break;
        case Mode::Close:
            socket->abort();
            break;
        case Mode::Hold:
            held << socket;
            break;
        default:
            break;
        }
    }

    void Answer(QTcpSocket* socket)
    {
        const QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Status")
            + "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(answer.size())
            + "\r\nConnection: close\r\n\r\n";
        socket->write(head + answer);
        socket->disconnectFromHost();
    }

    QTcpServer server;
    quint16 port = 0;
    Mode mode = Mode::Respond;
    int status = 200;
    QByteArray answer;
    QHash<QTcpSocket*, QByteArray> buffers;
    QList<QPointer<QTcpSocket>> held;
};


// Receives what the application hands to the desktop, so no browser or
// mail program starts during the tests.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;

public slots:
    void Open(const QUrl& url) { urls << url; }
};
