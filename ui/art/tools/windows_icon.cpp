#include "ui/art/tools/windows_icon.h"

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>

namespace art {

bool write_windows_icon(QIODevice& device, const QList<QImage>& images)
{
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pngs.append(buffer.data());
    }

    QDataStream out(&device);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto count = static_cast<quint16>(images.size());
    out << quint16(0) << quint16(1) << count; // reserved, type "icon", entries
    quint32 offset = 6 + 16 * quint32(count);
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A side of 256 is stored as 0.
        const auto side = static_cast<quint8>(images[i].width() & 0xff);
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out.writeRawData(png.constData(), int(png.size()));
    return out.status() == QDataStream::Ok;
}

} // namespace art
