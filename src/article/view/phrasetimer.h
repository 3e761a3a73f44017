#pragma once

// The refresh timer of the speech examples, behind a small interface so that
// tests can drive time by hand instead of waiting.

#include <QObject>

class QTimer;

namespace lumolex {

class PhraseTimer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void start() = 0;                 // (re)starts a full interval
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual int interval() const = 0;         // milliseconds

signals:
    void timeout();
};

// The real timer: a QTimer named TimerPhrase, 15000 ms.
class QtPhraseTimer : public PhraseTimer
{
    Q_OBJECT
public:
    explicit QtPhraseTimer(QObject *parent = nullptr);

    void start() override;
    void stop() override;
    bool isActive() const override;
    int interval() const override;

private:
    QTimer *m_timer;
};

} // namespace lumolex
