// Lets a modal box take only keys pressed while it is open. A key the player
// was already holding when the box came up (the Enter or Space that clicked
// LEVEL UP, say) goes on repeating, and its repeats must not answer the box
// before the player has read it.
#pragma once

#include <QHash>
#include <QObject>

class QWidget;

namespace pelmora {

class FreshKeysOnly final : public QObject {
public:
    // Watches the application's keys for `box` and its children while this
    // object lives.
    explicit FreshKeysOnly(QWidget& box);
    ~FreshKeysOnly() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& box_;
    QHash<int, quint64> lastRelease_;  // key -> the time it was last let go
};

}  // namespace pelmora
