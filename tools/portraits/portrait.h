// Parameter record of one president's portrait and the painter that draws it.
#pragma once

#include <QColor>
#include <QImage>
#include <vector>

namespace media {

enum class HairStyle {
    Wig,          // 18th-century powdered hair with side rolls and a queue
    Natural,      // 18th-century own hair, loosely tied back
    SweptBack,    // brushed straight back from the forehead
    SidePart,     // parted at one side
    MiddlePart,   // parted in the middle
    Pompadour,    // high swept-up front
    Tousled,      // thick and loose, falling on the forehead
    Curly,        // dark curls
    Upswept,      // tall brushed-up crest
    Fringe,       // bald crown with hair at the sides and back only
};

enum class Beard { None, ChinCurtain, Full };
enum class Whiskers { None, Sideburns, MuttonChops };
enum class Moustache { None, Brush, Walrus, Handlebar };
enum class Glasses { None, PinceNez, Round, Rimless };
enum class Neckwear {
    Jabot,      // white stock and lace ruffle (18th century)
    Stock,      // very high white collar points and black stock
    Cravat,     // wide black cravat tied in a bow
    StringTie,  // narrow black bow under a turned-down collar
    Bow,        // wing collar and small bow tie
    Tie,        // four-in-hand tie
};

struct Portrait {
    const char *who = "";              // for the reader of this table only; never drawn
    int number = 0;                    // N of the picture file brevN.gif
    int age = 55;                      // age at inauguration
    double faceWidth = 1.0;            // 1 = average
    double faceLength = 1.0;           // 1 = average
    double jaw = 1.0;                  // 1 = average width of the jaw
    double heft = 0.2;                 // 0 lean .. 1 heavy (jowls, double chin)
    QColor hair = QColor(0x6a4a30);
    QColor brows = QColor(0x4a3424);
    HairStyle style = HairStyle::SidePart;
    double volume = 0.4;               // 0 flat .. 1 very full hair
    double hairLength = 0.2;           // 0 short .. 1 down to the collar
    double recede = 0.2;               // 0 full hairline .. 1 bald crown
    double partSide = -1.0;            // -1 left .. +1 right (where it applies)
    double peak = 0.0;                 // 0 .. 1 widow's peak
    Beard beard = Beard::None;
    double beardLength = 0.0;          // below the chin, in picture units
    Whiskers whiskers = Whiskers::None;
    Moustache moustache = Moustache::None;
    Glasses glasses = Glasses::None;
    Neckwear neck = Neckwear::Tie;
    double collar = 0.0;               // 0 ordinary .. 1 tall .. 1.6 very tall stiff collar
    QColor coat = QColor(0x2a2c34);
    QColor tie = QColor(0x7a2a2a);
    QColor eyes = QColor(0x5a7088);
    double smile = 0.0;                // -0.5 stern .. 1 broad smile
    bool teeth = false;                // open smile showing teeth
    double browWeight = 1.0;           // 0.5 thin .. 2 very heavy
    double noseLength = 1.0;           // 1 = average
    double noseWidth = 1.0;            // 1 = average
    double earSize = 1.0;              // 1 = average
    double ruddy = 0.4;                // 0 pale .. 1 ruddy
    QColor backdrop = QColor(0x46557a);
    // Finer features, mostly for the clean-shaven men of the 20th century.
    double mouthWidth = 1.0;           // 1 = average; > 1 a wide grin
    double lips = 1.0;                 // 0.3 thin tight line .. 1 average
    double squint = 0.0;               // 0 .. 1 eyes crinkled by a smile
    double tan = 0.0;                  // 0 .. 1 sun-tanned skin
    double skinTone = 0.0;             // 0 fair .. 1 dark brown skin
    double stubble = 0.0;              // 0 .. 1 shaved beard showing dark
    double jowls = 0.0;                // 0 .. 1 sagging cheeks beside the mouth
    double noseBulb = 1.0;             // size of the nose tip, 1 = average
    double noseTip = 0.0;              // 0 straight .. 1 ski-slope, tip turned up
    double tilt = 0.0;                 // head tipped sideways, degrees (+ clockwise)
    double chinUp = 0.0;               // 0 level .. 1 chin raised (nostrils show)
    bool cape = false;                 // dark cloak over the shoulders
    bool holder = false;               // cigarette in a long holder
};

const std::vector<Portrait> &presidents();

// Draws the portrait at width x height (2:3); every picture uses the same style.
QImage paintPortrait(const Portrait &p, int width, int height);

}  // namespace media
