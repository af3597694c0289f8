// The lines of prefs.txt: key, value kind, write condition and state, in written order.
#include "files/prefs_file.h"

const char PREFS_FILE[] = "prefs.txt";

const PrefLine PrefLines[] = {
    {"pre", PREF_SWITCH, WHEN_ALWAYS, nullptr, nullptr, 0, &PreviewOn, nullptr},
    {"start", PREF_FLOATS, WHEN_ALWAYS, "\t%.3f\t%.3f\t%.0f", PreviewArray, 3, nullptr, nullptr},
    {"length", PREF_FLOATS, WHEN_ALWAYS, "\t%.3f", PreviewArray + 3, 1, nullptr, nullptr},
    {"xin", PREF_FLOATS, WHEN_ANY_NONZERO, "\t%.3f\t%.3f\t%.3f", XinArray, 3, nullptr, nullptr},
    {"xout", PREF_FLOATS, WHEN_ANY_NONZERO, "\t%.3f\t%.3f\t%.3f", XoutArray, 3, nullptr, nullptr},
    {"head", PREF_FLOATS, WHEN_ANY_NONZERO, "\t%.3f", HeadTailArray, 1, nullptr, nullptr},
    {"tail", PREF_FLOATS, WHEN_ANY_NONZERO, "\t%.3f", HeadTailArray + 1, 1, nullptr, nullptr},
    {"path", PREF_TEXT, WHEN_TWO_CHARS, nullptr, nullptr, PATH_SIZE, nullptr, Path},
    {"mixdir", PREF_TEXT, WHEN_NOT_EMPTY, nullptr, nullptr, PATH_SIZE, nullptr, MixDirName},
    {"wavdir", PREF_TEXT, WHEN_NOT_EMPTY, nullptr, nullptr, PATH_SIZE, nullptr, WavDirName},
    {"pan", PREF_FLOATS, WHEN_PANLAW, "\t%.1f", &PanlawStore, 1, nullptr, nullptr},
    {"outbits", PREF_WHOLE, WHEN_ALWAYS, nullptr, nullptr, 0, &OutbitsStore, nullptr},
    {"dither", PREF_INT, WHEN_ALWAYS, nullptr, nullptr, 0, &DitherBits, nullptr},
    {"mono", PREF_FLAG, WHEN_ONE, nullptr, nullptr, 0, &monoOn, nullptr},
    {"color", PREF_COLOUR, WHEN_ALWAYS, nullptr, nullptr, 0, &color, nullptr},
    {"launch", PREF_TEXT, WHEN_TWO_CHARS, nullptr, nullptr, PATH_SIZE, nullptr, LaunchCommand},
    {"oname", PREF_TEXT, WHEN_NEVER, nullptr, nullptr, NAME_SIZE, nullptr, MixName},
    {"device", PREF_TEXT, WHEN_NEVER, nullptr, nullptr, SHORT_TEXT_SIZE, nullptr, DeviceName},
    {"play", PREF_PLAY, WHEN_NEVER, nullptr, nullptr, SHORT_TEXT_SIZE, nullptr, PlayMode},
};
const int PREF_LINE_COUNT = sizeof PrefLines / sizeof PrefLines[0];
