#pragma once
// Ereignisse der Logik (DoEvents, Sleep) über die Ereignisschleife von Qt. Die Zeitgeber des
// Fensters laufen als QTimer, die der Binder anlegt; sie ticken, wenn hier Ereignisse laufen.
#include "platform/Ereignisschleife.h"

class QtEreignisschleife : public Ereignisschleife {
public:
    void Ereignisse() override;
    void Schlafen(int ms) override;
};
