#pragma once
// Ereignisfilter aus einer Funktion. Er gehört dem Besitzer, damit nach dessen Abbau kein Ereignis
// mehr ankommt; Qt meldet ihn beim Ziel von selbst ab.
#include <QEvent>
#include <QObject>

#include <functional>

class Ereignisfilter : public QObject {
public:
    Ereignisfilter(QObject* ziel, QObject* besitzer, std::function<bool(QEvent*)> filter)
        : QObject(besitzer), filter_(std::move(filter)) {
        ziel->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* ereignis) override { return filter_(ereignis); }

private:
    std::function<bool(QEvent*)> filter_;
};
