// Sound effects, synthesised sample by sample: bells, voices, noise.
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "generators.h"
#include "style.h"

namespace assets {

namespace {

constexpr int kRate = 22050;
constexpr double kTau = 6.283185307179586;

using Buffer = std::vector<float>;

int Samples(double seconds) {
  return static_cast<int>(seconds * kRate);
}

void Ensure(Buffer& b, int n) {
  if (static_cast<int>(b.size()) < n) b.resize(n, 0.0f);
}

// A struck partial: instant attack (with a 3 ms ramp against clicks) and an
// exponential decay.
void Partial(Buffer& b, double start, double freq, double amp, double decay, double length) {
  const int s0 = Samples(start), n = Samples(length);
  Ensure(b, s0 + n);
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    const double env = std::min(1.0, t / 0.003) * std::exp(-t / decay);
    b[s0 + i] += static_cast<float>(amp * env * std::sin(kTau * freq * t));
  }
}

// A bell: inharmonic partials decaying at different rates.
void Bell(Buffer& b, double start, double freq, double amp, double length = 1.2) {
  const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.43};
  const double amps[] = {1.0, 0.5, 0.35, 0.2, 0.12};
  for (int k = 0; k < 5; ++k)
    Partial(b, start, freq * ratios[k], amp * amps[k], length / (1 + k * 0.8), length);
}

// A soft mallet tone: fundamental and a quiet octave, quick decay.
void Mallet(Buffer& b, double start, double freq, double amp, double length = 0.5) {
  Partial(b, start, freq, amp, length / 3, length);
  Partial(b, start, freq * 4, amp * 0.15, length / 10, length);
}

// Band-limited-ish brass: a few harmonics with a swelling attack.
void Brass(Buffer& b, double start, double freq, double amp, double length) {
  const int s0 = Samples(start), n = Samples(length);
  Ensure(b, s0 + n);
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    const double env = std::min(1.0, t / 0.04) * std::min(1.0, (length - t) / 0.08) *
                       (0.85 + 0.15 * std::exp(-t * 6));
    double v = 0;
    for (int h = 1; h <= 8; ++h)
      v += std::sin(kTau * freq * h * t + 0.2 * std::sin(kTau * 5 * t)) / (h * 1.2);
    b[s0 + i] += static_cast<float>(amp * env * v * 0.5);
  }
}

void Square(Buffer& b, double start, double f0, double f1, double amp, double length) {
  const int s0 = Samples(start), n = Samples(length);
  Ensure(b, s0 + n);
  double phase = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    const double f = f0 + (f1 - f0) * t / length;
    phase += f / kRate;
    const double env = std::min(1.0, t / 0.005) * std::min(1.0, (length - t) / 0.03);
    // Softened square: a few odd harmonics only.
    const double v =
        std::sin(kTau * phase) + std::sin(3 * kTau * phase) / 3 + std::sin(5 * kTau * phase) / 5;
    b[s0 + i] += static_cast<float>(amp * env * v);
  }
}

// Two-pole resonator, used for voice formants and coloured noise.
struct Resonator {
  double a1 = 0, a2 = 0, gain = 1, y1 = 0, y2 = 0;
  void set(double freq, double bandwidth) {
    const double r = std::exp(-M_PI * bandwidth / kRate);
    a1 = 2 * r * std::cos(kTau * freq / kRate);
    a2 = -r * r;
    gain = 1 - r;
  }
  double step(double x) {
    const double y = gain * x + a1 * y1 + a2 * y2;
    y2 = y1;
    y1 = y;
    return y;
  }
};

void Noise(Buffer& b, Rng& rng, double start, double length, double amp, double f0, double f1,
           double bandwidth, double attack, double release) {
  const int s0 = Samples(start), n = Samples(length);
  Ensure(b, s0 + n);
  Resonator r;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    r.set(f0 + (f1 - f0) * t / length, bandwidth);
    const double env = std::min(1.0, t / attack) * std::min(1.0, (length - t) / release);
    b[s0 + i] += static_cast<float>(amp * env * r.step(rng.real(-1, 1)) * 6);
  }
}

struct Syllable {
  char vowel;
  double length, pitchFrom, pitchTo;
  bool breathy;  // an "h" onset
};

// A warm hummed voice: a glottal pulse train through three formants.
void Voice(Buffer& b, Rng& rng, double start, const std::vector<Syllable>& syllables, double amp) {
  struct Formants {
    double f1, f2, f3;
  };
  auto formants = [](char v) -> Formants {
    switch (v) {
      case 'a':
        return {730, 1090, 2440};
      case 'e':
        return {530, 1840, 2480};
      case 'i':
        return {300, 2250, 3000};
      case 'o':
        return {500, 850, 2400};
      case 'u':
        return {320, 870, 2240};
      case 'l':
        return {380, 1000, 2600};
      default:
        return {500, 1500, 2500};
    }
  };
  double t0 = start;
  double phase = 0;
  Resonator r1, r2, r3;
  Formants current = formants(syllables.front().vowel);
  for (const Syllable& s : syllables) {
    const int s0 = Samples(t0), n = Samples(s.length);
    Ensure(b, s0 + n);
    const Formants target = formants(s.vowel);
    for (int i = 0; i < n; ++i) {
      const double t = double(i) / n;
      // Glide between vowels for a spoken feel.
      const double g = std::min(1.0, t * 4);
      const Formants f{current.f1 + (target.f1 - current.f1) * g,
                       current.f2 + (target.f2 - current.f2) * g,
                       current.f3 + (target.f3 - current.f3) * g};
      r1.set(f.f1, 90);
      r2.set(f.f2, 120);
      r3.set(f.f3, 160);
      const double pitch = s.pitchFrom + (s.pitchTo - s.pitchFrom) * t;
      phase += pitch / kRate;
      phase -= std::floor(phase);
      const double pulse = (phase < 0.5 ? phase * 2 : 2 - phase * 2) - 0.5 +
                           (s.breathy && t < 0.25 ? rng.real(-1, 1) * 0.8 : 0);
      const double env = std::min(1.0, t / 0.12) * std::min(1.0, (1 - t) / 0.2);
      const double v = r1.step(pulse) * 1.0 + r2.step(pulse) * 0.6 + r3.step(pulse) * 0.25;
      b[s0 + i] += static_cast<float>(amp * env * v * 8);
    }
    current = target;
    t0 += s.length;
  }
}

void Normalise(Buffer& b) {
  float peak = 0;
  for (float v : b) peak = std::max(peak, std::abs(v));
  if (peak <= 0) throw std::runtime_error("silent sound");
  double energy = 0;
  for (float v : b) energy += double(v) * v;
  const double rms = std::sqrt(energy / b.size()) / peak;
  // Peak-normalised, but dense sounds (buzzes, squares) are held back so
  // no effect is much louder than the others.
  const float scale = static_cast<float>(0.89 / peak * std::min(1.0, 0.28 / (rms * 0.89)));
  for (float& v : b) v *= scale;
  // Short fades so nothing clicks at either end.
  const int fade = std::min<int>(Samples(0.01), static_cast<int>(b.size() / 4));
  for (int i = 0; i < fade; ++i) {
    b[i] *= float(i) / fade;
    b[b.size() - 1 - i] *= float(i) / fade;
  }
}

void Write(Output& out, const std::string& relative, Buffer b) {
  Normalise(b);
  const auto file = out.path(relative);
  std::filesystem::create_directories(file.parent_path());
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(file.c_str(), SFM_WRITE, &info);
  if (!f) throw std::runtime_error("cannot write " + file.string() + ": " + sf_strerror(nullptr));
  const sf_count_t written = sf_write_float(f, b.data(), static_cast<sf_count_t>(b.size()));
  sf_close(f);
  if (written != static_cast<sf_count_t>(b.size()))
    throw std::runtime_error("short write " + file.string());
}

double Note(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

}  // namespace

void MakeSounds(Output& out) {
  Rng rng(61);
  const std::string dir = "sound/sounds/";
  {  // s1: the till: drawer clack and a bright bell.
    Buffer b;
    Noise(b, rng, 0.0, 0.06, 0.6, 2500, 1500, 900, 0.002, 0.03);
    Noise(b, rng, 0.08, 0.05, 0.5, 1800, 1200, 700, 0.002, 0.03);
    Bell(b, 0.14, 2093, 0.5, 0.9);
    Bell(b, 0.14, 2637, 0.35, 0.8);
    Write(out, dir + "s1.wav", b);
  }
  {  // s2: glass breaking, then an alarm siren.
    Buffer b;
    Noise(b, rng, 0.0, 0.25, 0.8, 6000, 3000, 2500, 0.001, 0.2);
    for (int i = 0; i < 10; ++i)
      Partial(b, 0.02 + i * 0.03, 2500 + rng.range(0, 3000), 0.15, 0.05, 0.2);
    for (int i = 0; i < 3; ++i) Square(b, 0.35 + i * 0.5, 700, 1100, 0.3, 0.48);
    Write(out, dir + "s2.wav", b);
  }
  {  // s3: fanfare.
    Buffer b;
    const int notes[] = {60, 64, 67, 72};
    const double at[] = {0.0, 0.16, 0.32, 0.48};
    for (int i = 0; i < 3; ++i) Brass(b, at[i], Note(notes[i]), 0.4, 0.15);
    Brass(b, at[3], Note(72), 0.45, 0.9);
    Brass(b, at[3], Note(64), 0.3, 0.9);
    Brass(b, at[3], Note(67), 0.3, 0.9);
    Write(out, dir + "s3.wav", b);
  }
  {  // s4: the shopkeeper: door chime and a friendly "hello".
    Buffer b;
    Bell(b, 0.0, Note(84), 0.3, 0.8);
    Bell(b, 0.18, Note(79), 0.3, 0.9);
    Voice(b, rng, 0.45,
          {{'e', 0.16, 190, 220, true}, {'l', 0.06, 220, 210, false}, {'o', 0.3, 210, 160, false}},
          0.6);
    Write(out, dir + "s4.wav", b);
  }
  {  // s5: the market keeper: a cheery "hey there!" over a squeezebox chord.
    Buffer b;
    for (int n : {65, 69, 72}) Brass(b, 0.0, Note(n), 0.12, 0.5);
    Voice(b, rng, 0.15,
          {{'e', 0.2, 160, 200, true}, {'i', 0.1, 200, 190, false}, {'e', 0.3, 190, 140, false}},
          0.7);
    Write(out, dir + "s5.wav", b);
  }
  {  // s6: the local gallery host: marimba and "hello".
    Buffer b;
    Mallet(b, 0.0, Note(72), 0.4);
    Mallet(b, 0.12, Note(76), 0.4);
    Voice(b, rng, 0.25,
          {{'a', 0.16, 230, 260, true}, {'l', 0.06, 260, 250, false}, {'o', 0.34, 250, 200, false}},
          0.6);
    Write(out, dir + "s6.wav", b);
  }
  {  // s7: the national gallery host: harp run and a measured "welcome".
    Buffer b;
    const int run[] = {67, 71, 74, 79, 83};
    for (int i = 0; i < 5; ++i) Partial(b, i * 0.06, Note(run[i]), 0.25, 0.4, 1.0);
    Voice(b, rng, 0.35,
          {{'e', 0.2, 130, 140, false}, {'u', 0.12, 140, 130, false}, {'a', 0.34, 130, 100, false}},
          0.7);
    Write(out, dir + "s7.wav", b);
  }
  {  // s8: the international host: grand bells and a bright "bonjour-ish" greeting.
    Buffer b;
    for (int n : {60, 67, 76}) Bell(b, 0.0, Note(n), 0.2, 1.4);
    Voice(b, rng, 0.3,
          {{'o', 0.14, 240, 260, false}, {'u', 0.14, 260, 280, false}, {'u', 0.3, 280, 220, false}},
          0.6);
    Write(out, dir + "s8.wav", b);
  }
  {  // s9: an old telephone bell, two rings.
    Buffer b;
    for (int ring = 0; ring < 2; ++ring)
      for (int k = 0; k < 16; ++k) {
        const double t = ring * 1.2 + k * 0.05;
        Partial(b, t, 1250, 0.25, 0.06, 0.12);
        Partial(b, t + 0.025, 1750, 0.2, 0.05, 0.1);
      }
    Write(out, dir + "s9.wav", b);
  }
  {  // s10: refusal: two falling notes.
    Buffer b;
    Square(b, 0.0, 330, 320, 0.4, 0.18);
    Square(b, 0.2, 247, 200, 0.4, 0.35);
    Write(out, dir + "s10.wav", b);
  }
  {  // s11: clearing a list: a paper swoosh.
    Buffer b;
    Noise(b, rng, 0.0, 0.4, 0.8, 800, 4000, 1500, 0.05, 0.2);
    Write(out, dir + "s11.wav", b);
  }
  {  // s12: fire: roar and crackle.
    Buffer b;
    Noise(b, rng, 0.0, 1.8, 0.7, 300, 500, 400, 0.2, 0.5);
    for (int i = 0; i < 40; ++i)
      Noise(b, rng, rng.real(0.0, 1.6), 0.02, 0.8, rng.range(1500, 4000), 2000, 1500, 0.001, 0.01);
    Write(out, dir + "s12.wav", b);
  }
  {  // s13: "GO!": a starter's horn with a shout.
    Buffer b;
    Brass(b, 0.0, Note(76), 0.35, 0.5);
    Brass(b, 0.0, Note(64), 0.25, 0.5);
    Voice(b, rng, 0.02, {{'o', 0.35, 180, 150, false}}, 0.7);
    Write(out, dir + "s13.wav", b);
  }
  {  // s14: time is up: a gong.
    Buffer b;
    const double ratios[] = {1.0, 1.47, 2.09, 2.56, 3.12};
    for (int k = 0; k < 5; ++k)
      Partial(b, 0.0, 110 * ratios[k], 0.4 / (k + 1), 1.2 / (1 + 0.4 * k), 2.0);
    Noise(b, rng, 0.0, 0.08, 0.3, 1200, 800, 900, 0.001, 0.05);
    Write(out, dir + "s14.wav", b);
  }
  {  // s15: a picture handed in: a soft pop and a small chime.
    Buffer b;
    Noise(b, rng, 0.0, 0.04, 0.6, 600, 300, 300, 0.002, 0.03);
    Mallet(b, 0.04, Note(84), 0.35, 0.35);
    Write(out, dir + "s15.wav", b);
  }
  {  // s16: selection accepted: two rising notes.
    Buffer b;
    Mallet(b, 0.0, Note(72), 0.4, 0.3);
    Mallet(b, 0.1, Note(79), 0.45, 0.5);
    Mallet(b, 0.1, Note(84), 0.2, 0.5);
    Write(out, dir + "s16.wav", b);
  }
  {  // s17: pause: a tick, a tock and a low chime.
    Buffer b;
    Noise(b, rng, 0.0, 0.03, 0.5, 3000, 3000, 800, 0.001, 0.02);
    Noise(b, rng, 0.25, 0.03, 0.5, 2000, 2000, 800, 0.001, 0.02);
    Bell(b, 0.5, Note(57), 0.3, 0.8);
    Write(out, dir + "s17.wav", b);
  }
  {  // s18: trophy: a sparkling run up and a shimmer.
    Buffer b;
    const int run[] = {72, 76, 79, 84, 88, 91, 96};
    for (int i = 0; i < 7; ++i) Bell(b, i * 0.05, Note(run[i]), 0.18, 0.9);
    Bell(b, 0.4, Note(84), 0.25, 1.2);
    Bell(b, 0.4, Note(88), 0.2, 1.2);
    Write(out, dir + "s18.wav", b);
  }
  {  // s19: a buyer's offer: a small counter bell rung twice.
    Buffer b;
    Bell(b, 0.0, Note(88), 0.35, 0.5);
    Bell(b, 0.16, Note(91), 0.3, 0.7);
    Write(out, dir + "s19.wav", b);
  }
}

}  // namespace assets
