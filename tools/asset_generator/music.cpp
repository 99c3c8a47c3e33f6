// The tunes: a small composer writes each track as a Standard MIDI File
// (type 1, General MIDI) with a melody over a chord progression, a bass line,
// an accompaniment pattern and, where the mood wants it, drums.
// clang-format off
// smf.h wraps glib in extern "C", which only works once the C++ headers glib
// pulls in are already included: our own headers come first.
#include "generators.h"
#include "style.h"

#include <smf.h>
// clang-format on

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace assets {

namespace {

constexpr int kPpq = 480;

enum class Comp { Block, Arpeggio, Waltz, OomPah, Pad, Ostinato };
enum class Drums { None, Soft, Rock, Jazz, Polka, Driving };

struct TrackStyle {
  int tempo;        // beats per minute
  int beatsPerBar;  // 3 or 4
  int key;          // MIDI note of the tonic, around middle C
  bool minor;
  int melodyProgram, harmonyProgram, bassProgram, padProgram;  // padProgram < 0: none
  Comp comp;
  Drums drums;
  bool swing;
  double seconds;  // at least this long
  double density;  // share of short notes in the melody
};

struct Note {
  int tick, length, key, velocity;
};

struct Part {
  int channel, program;
  std::vector<Note> notes;
};

// Scale degrees (0-based) of the chords, one per bar.
const std::vector<std::vector<int>> kMajorProgressions = {
    {0, 4, 5, 3}, {0, 3, 4, 0}, {0, 5, 3, 4}, {1, 4, 0, 0},
    {0, 2, 3, 4}, {3, 0, 4, 0}, {0, 3, 1, 4}, {5, 3, 0, 4},
};
const std::vector<std::vector<int>> kMinorProgressions = {
    {0, 5, 2, 6}, {0, 3, 4, 0}, {0, 6, 5, 4}, {0, 3, 6, 2}, {5, 6, 0, 0}, {0, 4, 5, 3},
};

int ScaleNote(int key, bool minor, int degree) {
  static const int major[] = {0, 2, 4, 5, 7, 9, 11};
  // Harmonic flavour for minor: the raised seventh makes the dominant pull home.
  static const int minorScale[] = {0, 2, 3, 5, 7, 8, 10};
  const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
  const int d = degree - octave * 7;
  return key + octave * 12 + (minor ? minorScale[d] : major[d]);
}

std::array<int, 3> Triad(int key, bool minor, int degree) {
  std::array<int, 3> t{ScaleNote(key, minor, degree), ScaleNote(key, minor, degree + 2),
                       ScaleNote(key, minor, degree + 4)};
  if (minor && degree % 7 == 4) t[1] += 1;  // major dominant in minor keys
  return t;
}

class Composer {
 public:
  Composer(const TrackStyle& style, std::uint64_t seed) : s_(style), rng_(seed) {}

  std::vector<Part> compose() {
    const int bar = kPpq * s_.beatsPerBar;
    const auto& progs = s_.minor ? kMinorProgressions : kMajorProgressions;
    const int count = static_cast<int>(progs.size());
    const int a = rng_.range(0, count - 1);
    int b = rng_.range(0, count - 1);
    if (b == a) b = (a + 3) % count;
    const std::vector<int> progA = progs[a];
    const std::vector<int> progB = progs[b];
    // Ends of A phrases: second phrase closes on the tonic.
    std::vector<int> progA2 = progA;
    progA2[2] = s_.minor ? 4 : 3;
    progA2[3] = 0;
    const std::vector<int> progB2 = {progB[0], progB[1], 4, 0};

    const std::vector<int> motifA = motif(progA);
    const std::vector<int> motifA2 = motif(progA2);
    const std::vector<int> motifB = motif(progB);
    const std::vector<int> motifB2 = motif(progB2);

    melody_ = {0, s_.melodyProgram, {}};
    harmony_ = {1, s_.harmonyProgram, {}};
    bass_ = {2, s_.bassProgram, {}};
    pad_ = {3, s_.padProgram, {}};
    drums_ = {9, 0, {}};

    const double secondsPerBar = 60.0 / s_.tempo * s_.beatsPerBar;
    // Two bars of ending follow the last section.
    const int barsNeeded = static_cast<int>((s_.seconds - 2 * secondsPerBar) / secondsPerBar) + 1;
    int barIndex = 0;
    // Form: A A' B B' A A', over and over, an octave higher every other
    // time round; every second section closes on the tonic, so the piece
    // can end after any of them.
    struct Section {
      const std::vector<int>* prog;
      const std::vector<int>* mot;
    };
    const Section form[] = {{&progA, &motifA},   {&progA2, &motifA2}, {&progB, &motifB},
                            {&progB2, &motifB2}, {&progA, &motifA},   {&progA2, &motifA2}};
    for (int section = 0;; ++section) {
      const Section& sec = form[section % 6];
      // Alternate rounds move the tune an octave, keeping it singable.
      const int lift = ((section / 6) % 2) ? (melodyTonic() <= 67 ? 12 : -12) : 0;
      for (int i = 0; i < 4; ++i) accompany(barIndex + i, (*sec.prog)[i], bar);
      sing(barIndex, *sec.mot, lift);
      barIndex += 4;
      if (section % 2 == 1 && barIndex >= barsNeeded) break;
    }
    // Final bar: the tonic, held.
    const auto tonic = Triad(s_.key, s_.minor, 0);
    const int end = barIndex * bar;
    for (int n : tonic) harmony_.notes.push_back({end, bar * 2, n, 70});
    melody_.notes.push_back({end, bar * 2, melodyTonic(), 84});
    bass_.notes.push_back({end, bar * 2, tonic[0] - 24, 84});
    if (s_.padProgram >= 0)
      for (int n : tonic) pad_.notes.push_back({end, bar * 2, n + 12, 50});
    if (s_.drums != Drums::None) drums_.notes.push_back({end, kPpq, 49, 70});
    length_ = end + bar * 2;

    std::vector<Part> parts = {melody_, harmony_, bass_};
    if (s_.padProgram >= 0) parts.push_back(pad_);
    if (s_.drums != Drums::None) parts.push_back(drums_);
    return parts;
  }

  int length() const { return length_; }

 private:
  // A melody for four bars as (start tick within the phrase, length, degree)
  // triples packed flat; degrees are scale steps above the tonic.
  std::vector<int> motif(const std::vector<int>& prog) {
    std::vector<int> out;
    const int beat = kPpq;
    int degree = rng_.range(2, 4);
    for (int b = 0; b < 4; ++b) {
      const int chordRoot = prog[b];
      const int tones[] = {chordRoot, chordRoot + 2, chordRoot + 4};
      int t = 0;
      const int barLen = beat * s_.beatsPerBar;
      while (t < barLen) {
        int len;
        const bool last = (b == 3);
        if (last && t >= beat) {
          len = barLen - t;  // phrase ends on a long note
        } else {
          const double r = rng_.real();
          len = r < s_.density ? beat / 2 : (r < s_.density + 0.35 ? beat : beat * 2);
          if (t % beat != 0) len = beat / 2;
          len = std::min(len, barLen - t);
        }
        const bool strong = (t == 0) || (s_.beatsPerBar == 4 && t == beat * 2) || len >= beat * 2 ||
                            (last && t >= beat);
        if (strong) {
          // Nearest chord tone to where the line is.
          int best = tones[0], bestDist = 99;
          for (int tone : tones)
            for (int oct = -7; oct <= 7; oct += 7) {
              const int cand = tone + oct;
              if (std::abs(cand - degree) < bestDist && cand >= 0 && cand <= 11) {
                bestDist = std::abs(cand - degree);
                best = cand;
              }
            }
          degree = best;
        } else {
          const int step =
              rng_.range(0, 9) < 7 ? (rng_.range(0, 1) ? 1 : -1) : (rng_.range(0, 1) ? 2 : -2);
          degree = std::clamp(degree + step, 0, 11);
        }
        // Occasional rest for breath.
        const bool rest = !strong && rng_.real() < 0.08;
        out.push_back(b * barLen + t);
        out.push_back(len);
        out.push_back(rest ? -100 : degree);
        t += len;
      }
    }
    return out;
  }

  int melodyTonic() const {
    int tonic = s_.key + 12;
    while (tonic > 74) tonic -= 12;
    return tonic;
  }

  int vel(int base) { return std::clamp(base + rng_.range(-8, 8), 20, 120); }

  int swingTick(int tick) const {
    if (!s_.swing) return tick;
    const int inBeat = tick % kPpq;
    return inBeat == kPpq / 2 ? tick + kPpq / 6 : tick;
  }

  void sing(int firstBar, const std::vector<int>& mot, int lift) {
    const int bar = kPpq * s_.beatsPerBar;
    const int base = firstBar * bar;
    for (std::size_t i = 0; i + 2 < mot.size(); i += 3) {
      if (mot[i + 2] < 0) continue;
      const int key = ScaleNote(melodyTonic() + lift, s_.minor, mot[i + 2]);
      const int start = swingTick(base + mot[i]);
      const int len = std::max(kPpq / 4, mot[i + 1] - kPpq / 12);
      melody_.notes.push_back({start, len - (start - base - mot[i]), std::min(key, 96), vel(88)});
    }
  }

  void accompany(int barIndex, int degree, int bar) {
    const int t0 = barIndex * bar;
    const auto chord = Triad(s_.key, s_.minor, degree);
    const int beat = kPpq;
    const int root = chord[0] - 24 + (chord[0] - 24 < s_.key - 26 ? 12 : 0);
    // Bass.
    if (s_.comp == Comp::Ostinato) {
      for (int e = 0; e < s_.beatsPerBar * 2; ++e)
        bass_.notes.push_back({t0 + e * beat / 2, beat / 2 - 20, root, vel(e % 2 ? 70 : 90)});
    } else if (s_.swing) {
      // Walking bass in quarters.
      const int walk[] = {root, root + (chord[1] - chord[0]), root + 7, root + 5};
      for (int b = 0; b < s_.beatsPerBar; ++b)
        bass_.notes.push_back({t0 + b * beat, beat - 30, walk[b % 4], vel(80)});
    } else if (s_.beatsPerBar == 3) {
      bass_.notes.push_back({t0, beat - 30, root, vel(84)});
    } else {
      bass_.notes.push_back({t0, beat * 2 - 40, root, vel(84)});
      bass_.notes.push_back({t0 + beat * 2, beat * 2 - 40, root + 7, vel(76)});
    }
    // Harmony pattern.
    auto chordAt = [&](int tick, int len, int velocity, int shift) {
      for (int n : chord) harmony_.notes.push_back({tick, len, n + shift, vel(velocity)});
    };
    switch (s_.comp) {
      case Comp::Block:
        chordAt(t0, bar / 2 - 30, 62, 0);
        chordAt(t0 + bar / 2, bar / 2 - 30, 56, 0);
        break;
      case Comp::Arpeggio: {
        const int order[] = {0, 1, 2, 1};
        for (int e = 0; e < s_.beatsPerBar * 2; ++e) {
          const int n = chord[order[e % 4]] + (e % 4 == 2 ? 12 : 0);
          harmony_.notes.push_back({swingTick(t0 + e * beat / 2), beat / 2 + 60, n, vel(58)});
        }
        break;
      }
      case Comp::Waltz:
        for (int b = 1; b < s_.beatsPerBar; ++b) chordAt(t0 + b * beat, beat - 60, 54, 0);
        break;
      case Comp::OomPah:
        for (int b = 1; b < s_.beatsPerBar; b += 2) chordAt(t0 + b * beat, beat / 2, 58, 0);
        break;
      case Comp::Pad:
        chordAt(t0, bar - 10, 50, 0);
        break;
      case Comp::Ostinato:
        for (int e = 0; e < s_.beatsPerBar * 2; ++e)
          harmony_.notes.push_back(
              {t0 + e * beat / 2, beat / 4, chord[e % 2 ? 2 : 0] + 12, vel(e % 2 ? 50 : 64)});
        break;
    }
    if (s_.padProgram >= 0)
      for (int n : chord) pad_.notes.push_back({t0, bar - 10, n + 12, vel(44)});
    // Drums (General MIDI percussion keys).
    const int kick = 36, snare = 38, hat = 42, pedal = 44, ride = 51, rim = 37;
    for (int b = 0; b < s_.beatsPerBar; ++b) {
      const int tb = t0 + b * beat;
      switch (s_.drums) {
        case Drums::None:
          break;
        case Drums::Soft:
          if (b == 0) drums_.notes.push_back({tb, 60, kick, vel(50)});
          drums_.notes.push_back({tb, 60, hat, vel(36)});
          if (b == s_.beatsPerBar - 1) drums_.notes.push_back({tb, 60, rim, vel(40)});
          break;
        case Drums::Rock:
          drums_.notes.push_back({tb, 60, b % 2 ? snare : kick, vel(b % 2 ? 70 : 80)});
          drums_.notes.push_back({tb, 60, hat, vel(50)});
          drums_.notes.push_back({tb + beat / 2, 60, hat, vel(40)});
          break;
        case Drums::Jazz:
          drums_.notes.push_back({tb, 60, ride, vel(52)});
          if (b % 2) {
            drums_.notes.push_back({tb, 60, pedal, vel(46)});
            drums_.notes.push_back({swingTick(tb + beat / 2), 60, ride, vel(40)});
          }
          break;
        case Drums::Polka:
          drums_.notes.push_back({tb, 60, b % 2 ? snare : kick, vel(b % 2 ? 56 : 72)});
          break;
        case Drums::Driving:
          drums_.notes.push_back({tb, 60, kick, vel(84)});
          drums_.notes.push_back({tb + beat / 2, 60, hat, vel(56)});
          if (b % 2) drums_.notes.push_back({tb, 60, snare, vel(76)});
          break;
      }
    }
  }

  TrackStyle s_;
  Rng rng_;
  Part melody_, harmony_, bass_, pad_, drums_;
  int length_ = 0;
};

struct Event {
  int tick;
  int order;  // note-offs before note-ons at the same tick
  std::vector<unsigned char> bytes;
};

void AddEvents(smf_track_t* track, std::vector<Event> events, int endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  for (auto& e : events) {
    smf_event_t* ev = smf_event_new_from_pointer(e.bytes.data(), static_cast<int>(e.bytes.size()));
    if (!ev) throw std::runtime_error("cannot build MIDI event");
    smf_track_add_event_pulses(track, ev, e.tick);
  }
  if (smf_track_add_eot_pulses(track, endTick) != 0)
    throw std::runtime_error("cannot end MIDI track");
}

void WriteSong(Output& out, const std::string& relative, const std::string& title,
               const TrackStyle& style, std::uint64_t seed, bool challenge = false) {
  Composer composer(style, seed);
  const std::vector<Part> parts = composer.compose();
  const int endTick = composer.length() + kPpq;

  smf_t* smf = smf_new();
  if (!smf || smf_set_ppqn(smf, kPpq) != 0) throw std::runtime_error("cannot start MIDI file");
  // Conductor track: name, tempo and metre.
  smf_track_t* conductor = smf_track_new();
  smf_add_track(smf, conductor);
  {
    std::vector<Event> meta;
    std::vector<unsigned char> name = {0xFF, 0x03, static_cast<unsigned char>(title.size())};
    name.insert(name.end(), title.begin(), title.end());
    meta.push_back({0, 0, name});
    const int micros = 60000000 / style.tempo;
    meta.push_back({0,
                    1,
                    {0xFF, 0x51, 0x03, static_cast<unsigned char>(micros >> 16),
                     static_cast<unsigned char>((micros >> 8) & 0xFF),
                     static_cast<unsigned char>(micros & 0xFF)}});
    meta.push_back(
        {0, 2, {0xFF, 0x58, 0x04, static_cast<unsigned char>(style.beatsPerBar), 0x02, 24, 8}});
    AddEvents(conductor, meta, endTick);
  }
  for (const Part& part : parts) {
    smf_track_t* track = smf_track_new();
    smf_add_track(smf, track);
    std::vector<Event> events;
    const auto ch = static_cast<unsigned char>(part.channel);
    if (part.channel != 9)
      events.push_back(
          {0,
           0,
           {static_cast<unsigned char>(0xC0 | ch), static_cast<unsigned char>(part.program)}});
    const int volume = part.channel == 0 ? 100 : (part.channel == 9 ? 80 : 84);
    events.push_back(
        {0, 1, {static_cast<unsigned char>(0xB0 | ch), 7, static_cast<unsigned char>(volume)}});
    events.push_back({0, 1, {static_cast<unsigned char>(0xB0 | ch), 91, 40}});
    // Spread the parts across the stereo field.
    const unsigned char pans[] = {64, 44, 60, 84, 0, 0, 0, 0, 0, 64};
    events.push_back({0, 1, {static_cast<unsigned char>(0xB0 | ch), 10, pans[part.channel]}});
    for (const Note& n : part.notes) {
      const auto key = static_cast<unsigned char>(std::clamp(n.key, 0, 127));
      events.push_back(
          {n.tick,
           3,
           {static_cast<unsigned char>(0x90 | ch), key, static_cast<unsigned char>(n.velocity)}});
      events.push_back(
          {n.tick + std::max(1, n.length), 2, {static_cast<unsigned char>(0x80 | ch), key, 0}});
    }
    AddEvents(track, events, endTick);
  }
  // Background tracks run one to two minutes; challenge tracks outlast
  // their task.
  const double seconds = double(endTick) / kPpq * 60.0 / style.tempo;
  const double longest = challenge ? 1e9 : 120;
  if (seconds < style.seconds || seconds > longest) {
    smf_delete(smf);
    throw std::runtime_error(relative + " came out " + std::to_string(seconds) + " s long");
  }
  const auto file = out.path(relative);
  std::filesystem::create_directories(file.parent_path());
  const int rc = smf_save(smf, file.c_str());
  smf_delete(smf);
  if (rc != 0) throw std::runtime_error("cannot write " + file.string());
}

// General MIDI programs used below (0-based).
enum Program {
  Piano = 0,
  EPiano = 4,
  Celesta = 8,
  MusicBox = 10,
  Vibes = 11,
  Marimba = 12,
  Accordion = 21,
  Harmonica = 22,
  Nylon = 24,
  Steel = 25,
  AcBass = 32,
  Fingered = 33,
  Violin = 40,
  Pizzicato = 45,
  Harp = 46,
  Timpani = 47,
  Strings = 48,
  SlowStrings = 49,
  Choir = 52,
  Trumpet = 56,
  Tuba = 58,
  Horn = 60,
  Brass = 61,
  Oboe = 68,
  Bassoon = 70,
  Clarinet = 71,
  Flute = 73,
  Recorder = 74,
  Banjo = 105,
  Fiddle = 110
};

}  // namespace

void MakeMusic(Output& out) {
  const std::string dir = "sound/music/";
  // The shop: bright and bouncy.
  WriteSong(out, dir + "m1.mid", "Paint Shop Shuffle",
            {112, 4, 62, false, Vibes, Piano, AcBass, -1, Comp::OomPah, Drums::Soft, true, 75, 0.4},
            101);
  // Challenges: minor keys, driving pulse; each lasts past its time limit
  // (plus the countdown).
  WriteSong(out, dir + "m2.mid", "Wet Paint",
            {152, 4, 57, true, Brass, Pizzicato, Fingered, Strings, Comp::Ostinato, Drums::Driving,
             false, 62, 0.55},
            102, true);
  WriteSong(out, dir + "m3.mid", "Night Spray",
            {138, 4, 52, true, Trumpet, EPiano, Fingered, -1, Comp::Ostinato, Drums::Rock, false,
             66, 0.5},
            103, true);
  WriteSong(
      out, dir + "m4.mid", "The Signature",
      {126, 3, 60, true, Oboe, Strings, AcBass, -1, Comp::Arpeggio, Drums::None, false, 100, 0.45},
      104, true);
  WriteSong(out, dir + "m5.mid", "Ink and Water",
            {118, 4, 55, true, Flute, Pizzicato, AcBass, SlowStrings, Comp::Ostinato, Drums::Soft,
             false, 118, 0.5},
            105, true);
  WriteSong(out, dir + "m6.mid", "Steady Hand",
            {132, 4, 59, true, Clarinet, Marimba, Fingered, Strings, Comp::Ostinato, Drums::Driving,
             false, 190, 0.5},
            106, true);
  WriteSong(out, dir + "m7.mid", "Under the Dome",
            {108, 4, 53, true, Horn, Strings, AcBass, Choir, Comp::Arpeggio, Drums::Soft, false,
             310, 0.4},
            107, true);
  // The room: calm and warm, eleven different colours.
  const struct {
    const char* title;
    TrackStyle style;
  } room[] = {
      {"Morning Light",
       {84, 4, 60, false, Piano, Piano, AcBass, -1, Comp::Arpeggio, Drums::None, false, 67, 0.3}},
      {"Linseed and Tea",
       {76, 3, 65, false, Flute, Nylon, AcBass, -1, Comp::Waltz, Drums::None, false, 72, 0.25}},
      {"Attic Window",
       {90, 4, 62, false, Clarinet, EPiano, Fingered, -1, Comp::Block, Drums::Soft, true, 64,
        0.35}},
      {"Quiet Canvas",
       {72, 4, 57, true, Oboe, Harp, AcBass, SlowStrings, Comp::Arpeggio, Drums::None, false, 77,
        0.25}},
      {"Sketchbook",
       {96, 4, 67, false, MusicBox, Piano, AcBass, -1, Comp::Arpeggio, Drums::None, false, 62,
        0.4}},
      {"Rainy Studio",
       {70, 3, 58, true, Piano, Strings, AcBass, -1, Comp::Waltz, Drums::None, false, 74, 0.2}},
      {"Golden Hour",
       {88, 4, 64, false, Recorder, Nylon, AcBass, -1, Comp::Arpeggio, Drums::None, false, 69,
        0.35}},
      {"Still Life",
       {80, 4, 63, false, Vibes, EPiano, Fingered, -1, Comp::Block, Drums::Jazz, true, 72, 0.3}},
      {"Brush Strokes",
       {92, 3, 60, false, Celesta, Harp, AcBass, -1, Comp::Waltz, Drums::None, false, 63, 0.35}},
      {"Evening Palette",
       {74, 4, 55, false, Horn, Strings, AcBass, -1, Comp::Pad, Drums::None, false, 82, 0.2}},
      {"Turpentine Blues",
       {86, 4, 60, true, EPiano, Piano, Fingered, -1, Comp::Block, Drums::Jazz, true, 67, 0.4}},
  };
  for (int i = 0; i < 11; ++i)
    WriteSong(out, dir + "m" + std::to_string(10 + i) + ".mid", room[i].title, room[i].style,
              200 + i);
  // The local gallery: a café band.
  WriteSong(out, dir + "m30.mid", "Opening Night",
            {104, 4, 60, false, Vibes, EPiano, AcBass, -1, Comp::Block, Drums::Jazz, true, 69, 0.4},
            301);
  WriteSong(
      out, dir + "m31.mid", "Wine and Cheese",
      {96, 4, 65, false, Clarinet, Piano, AcBass, -1, Comp::OomPah, Drums::Jazz, true, 74, 0.35},
      302);
  WriteSong(
      out, dir + "m32.mid", "Small Crowd",
      {110, 4, 57, true, Trumpet, EPiano, AcBass, -1, Comp::Block, Drums::Jazz, true, 67, 0.45},
      303);
  // The national gallery: chamber music.
  WriteSong(
      out, dir + "m40.mid", "Marble Halls",
      {100, 3, 62, false, Violin, Strings, AcBass, -1, Comp::Waltz, Drums::None, false, 74, 0.4},
      401);
  WriteSong(
      out, dir + "m41.mid", "Portrait Room",
      {88, 4, 58, false, Oboe, Harp, AcBass, Strings, Comp::Arpeggio, Drums::None, false, 77, 0.3},
      402);
  WriteSong(out, dir + "m42.mid", "The Curator",
            {94, 4, 60, true, Flute, Piano, AcBass, SlowStrings, Comp::Arpeggio, Drums::None, false,
             72, 0.35},
            403);
  // The international gallery: grand orchestra.
  WriteSong(
      out, dir + "m50.mid", "Grand Vernissage",
      {96, 4, 60, false, Trumpet, Strings, Tuba, Choir, Comp::Block, Drums::None, false, 82, 0.3},
      501);
  WriteSong(
      out, dir + "m51.mid", "World Stage",
      {84, 3, 63, false, Horn, Strings, AcBass, Choir, Comp::Waltz, Drums::None, false, 79, 0.3},
      502);
  WriteSong(
      out, dir + "m52.mid", "Masterpiece",
      {76, 4, 58, true, Strings, Brass, Timpani, Choir, Comp::Pad, Drums::None, false, 85, 0.25},
      503);
  // The flea market: folk band.
  WriteSong(out, dir + "m60.mid", "Bric-a-brac Polka",
            {120, 4, 62, false, Accordion, Accordion, Tuba, -1, Comp::OomPah, Drums::Polka, false,
             64, 0.5},
            601);
  WriteSong(
      out, dir + "m61.mid", "Market Fiddle",
      {116, 3, 67, false, Fiddle, Steel, AcBass, -1, Comp::Waltz, Drums::None, false, 67, 0.5},
      602);
  WriteSong(
      out, dir + "m62.mid", "Junk and Jewels",
      {108, 4, 60, false, Harmonica, Banjo, AcBass, -1, Comp::OomPah, Drums::Polka, true, 69, 0.45},
      603);
  WriteSong(
      out, dir + "m63.mid", "Stall Keeper's Waltz",
      {104, 3, 65, false, Accordion, Nylon, AcBass, -1, Comp::Waltz, Drums::None, false, 72, 0.4},
      604);
  WriteSong(
      out, dir + "m64.mid", "Sunday Bargains",
      {124, 4, 57, true, Fiddle, Banjo, Fingered, -1, Comp::OomPah, Drums::Polka, false, 62, 0.55},
      605);
}

}  // namespace assets
