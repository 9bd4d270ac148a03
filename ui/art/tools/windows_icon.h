#pragma once

#include <QIODevice>
#include <QImage>
#include <QList>

namespace art {

// Writes `images` (square, at most 256 pixels a side) as one Windows icon
// file with PNG-compressed entries. False when the device refuses a write.
bool write_windows_icon(QIODevice& device, const QList<QImage>& images);

} // namespace art
