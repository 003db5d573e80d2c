#include "FuzzTarget.h"

#include "windows/CSingleInstance.h"

#include <QDataStream>

// The hand-over segment: any process of the user can write it.
RV_FUZZ_TARGET(instance)
{
    // The reader always takes the whole payload area of the segment.
    QByteArray segment = data.left(CSingleInstance::kPayloadSize);
    segment.append(QByteArray(CSingleInstance::kPayloadSize - segment.size(), '\0'));
    for (const QByteArray& bytes : {data, segment}) {
        const CSingleInstance::HandOver handOver = CSingleInstance::ParseHandOver(bytes);
        FUZZ_CHECK(CSingleInstance::ParseArguments(bytes) == handOver.arguments);
        // Ids reach the window system: short printable ASCII or nothing.
        for (const QByteArray& id : {handOver.startupId, handOver.activationToken}) {
            FUZZ_CHECK(id.size() <= 256);
            for (char c : id)
                FUZZ_CHECK(c >= 0x20 && c < 0x7f);
        }
        // What was read is what a launch could have sent.
        const CSingleInstance::HandOver again
            = CSingleInstance::ParseHandOver(CSingleInstance::SerializeHandOver(handOver));
        FUZZ_CHECK(again.arguments == handOver.arguments);
        FUZZ_CHECK(again.startupId == handOver.startupId && again.activationToken == handOver.activationToken);
        // A list that reads at all reads as Qt's own stream reader sees it.
        if (!handOver.arguments.isEmpty()) {
            QDataStream stream(bytes);
            QStringList list;
            stream >> list;
            FUZZ_CHECK(stream.status() == QDataStream::Ok && list == handOver.arguments);
        }
    }
}
