#pragma once
// Small interfaces between the game logic and the outside world: random
// numbers, message boxes, sound playback, the desktop shell and the clock.
// The program installs real implementations; tests install their own.
#include "base/problem.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace brev {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double uniform() = 0;
};

class Messages {
public:
    virtual ~Messages() = default;
    // A message box with an OK button; returns when the player closes it.
    virtual void ok(const QString& text) = 0;
    // A reader's or writer's problem, when there is one, as such a box.
    void show(const Problem& problem)
    {
        if (problem)
            ok(*problem);
    }
    // A message box with Yes and No buttons and an exclamation icon.
    virtual bool yesNo(const QString& text) = 0;
    // The same with its own title, and "No" as the default button when asked.
    virtual bool question(const QString& title, const QString& text, bool defaultNo)
    {
        Q_UNUSED(title);
        Q_UNUSED(defaultNo);
        return yesNo(text);
    }
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing a wave file without waiting; false when it cannot be played.
    virtual bool play(const QString& file) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address or a local file in the desktop's default handler;
    // false when nothing opened it.
    virtual bool openUrl(const QString& address) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
    // The moment, for the progress file's times.
    virtual QDateTime now() { return QDateTime(today(), QTime(12, 0)); }
};

} // namespace brev
