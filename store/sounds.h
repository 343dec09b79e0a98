#pragma once
// The game's sound effects: the sound list "brevsnd.dat" names one wave file
// per effect number, and an effect plays while the settings' sound switch is
// on. Failures turn sound off for the run (the switch is the settings'
// own): a list that cannot be read (and says so), a file that does not play.
#include "base/problem.h"

#include <QString>
#include <array>

namespace brev {

class SoundPlayer;

// Sound effects by number: the sound list decides what each sounds like.
enum Sfx {
    SfxBarPickedUp = 0, // a bar held down to be dragged
    SfxBarClicked = 1,  // a bar clicked, or dropped on a portrait
    SfxBarDropped = 2,  // a bar dropped on a description
    SfxLetterFound = 3, // a typed letter is in the hidden name
    SfxOddOneRight = 4, // the odd one out found
    SfxCorrect = 5,     // a right answer
    SfxWrongPick = 6,   // a wrong odd one out, a letter not in the name
    SfxWrong = 8,       // a wrong answer, answers with errors, too many tries
    SfxHallOfFame = 9,  // a place in the hall of fame
};

class Sounds {
public:
    // player: plays a file; soundOn: the settings' switch (turned off here
    // when sound fails); dir: where the list and the wave files are.
    Sounds(SoundPlayer& player, int& soundOn, QString dir)
        : player_(player), soundOn_(soundOn), dir_(std::move(dir))
    {}

    // Reads the sound list; a short list keeps the
    // names it has, a list that cannot be read turns sound off and is a problem.
    Problem loadList(const QString& name);
    // Plays effect n when sound is on (n outside the list: nothing); an effect
    // without a file, or one that cannot be played, turns sound off.
    void play(int n);
    const std::array<QString, 17>& files() const { return files_; }
    void setFile(int n, const QString& file) { files_[size_t(n)] = file; }

private:
    SoundPlayer& player_;
    int& soundOn_;
    QString dir_;
    std::array<QString, 17> files_{};
};

} // namespace brev
