// Reads a compiled translation catalogue (.qm) from disk for QTranslator,
// bounded and checked first: Qt's own catalogues are files in a folder the
// game does not control.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pelmora::catalogueFile {

// Larger than any catalogue Qt ships (qtbase_de.qm is about 210 KiB).
inline constexpr qint64 kLargestBytes = 2 * 1024 * 1024;

// The whole file when it is a regular file of at most kLargestBytes that
// starts as a .qm catalogue does; nothing otherwise. Never waits on a FIFO
// or a device.
std::optional<QByteArray> read(const QString& path);

}  // namespace pelmora::catalogueFile
