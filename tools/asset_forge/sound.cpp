// The explosion sound, synthesised from seeded noise and oscillators, then encoded as Ogg Vorbis.
//
// Layers, each made on its own and then balanced against the others:
//   crack   - a pressure jump (an N-shaped wave) and a burst of bright noise, a few milliseconds long;
//   boom    - a falling low sine with saturated edges plus low-passed noise, the body of the blast;
//   rumble  - deep noise whose filter closes over the first second, rolling for several seconds;
//   debris  - sparse crackles and thuds, thinning out, each panned to its own place;
//   space   - two late reflections and a small reverberator, different on the left and right.
// Independent noise per channel (mixed with a shared part) gives the sound its width.
#include "sound.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "noise.h"

namespace {

constexpr float kRate = static_cast<float>(kSoundRate);
constexpr float kTwoPi = 6.28318530718f;

float Seconds(int i) { return static_cast<float>(i) / kRate; }

// A state-variable filter (trapezoidal integration), stable under per-sample cutoff changes.
struct Svf {
    float ic1 = 0, ic2 = 0;
    struct Out {
        float low, band, high;
    };
    Out Run(float x, float cutoff, float q) {
        cutoff = std::clamp(cutoff, 5.0f, kRate * 0.45f);
        float g = std::tan(3.14159265f * cutoff / kRate);
        float k = 1.0f / q;
        float a1 = 1.0f / (1.0f + g * (g + k));
        float a2 = g * a1;
        float a3 = g * a2;
        float v3 = x - ic2;
        float v1 = a1 * ic1 + a2 * v3;
        float v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        return {v2, v1, x - k * v1 - v2};
    }
};

struct Track {
    std::vector<float> l = std::vector<float>(kSoundFrames, 0.0f);
    std::vector<float> r = std::vector<float>(kSoundFrames, 0.0f);
};

float Peak(const Track& t) {
    float p = 0;
    for (int i = 0; i < kSoundFrames; ++i) p = std::max({p, std::fabs(t.l[i]), std::fabs(t.r[i])});
    return p;
}

float Rms(const Track& t, float from, float to) {
    int a = static_cast<int>(from * kRate), b = std::min(static_cast<int>(to * kRate), kSoundFrames);
    double sum = 0;
    for (int i = a; i < b; ++i) sum += 0.5 * (t.l[i] * t.l[i] + t.r[i] * t.r[i]);
    return static_cast<float>(std::sqrt(sum / std::max(1, b - a)));
}

void Gain(Track& t, float g) {
    for (int i = 0; i < kSoundFrames; ++i) {
        t.l[i] *= g;
        t.r[i] *= g;
    }
}

// Slightly after the stream's start, so the very first sample is silent.
constexpr int kOnset = 32;

Track Crack() {
    Track t;
    Rng shared(101), left(102), right(103);
    Svf hl, hr, bl, br;
    // The pressure jump: up at once, down through zero, back; the right ear hears it 0.4 ms later.
    // Its corners are rounded a little so it is a crack, not a digital click.
    const float length = 0.0028f;
    const int delay = 17;
    Track jump;
    for (int i = 0; i < static_cast<int>(length * kRate); ++i) {
        float n = 1.0f - 2.0f * Seconds(i) / length;
        jump.l[i + kOnset] = 1.3f * n;
        jump.r[i + kOnset + delay] = 1.2f * n;
    }
    for (auto* ch : {&jump.l, &jump.r}) {
        float y = 0;
        for (float& v : *ch) {
            y += 0.6f * (v - y);
            v = y;
        }
    }
    // The burst of bright noise riding on it.
    for (int i = 0; i < static_cast<int>(0.25f * kRate); ++i) {
        float s = Seconds(i);
        float env = (1.0f - std::exp(-s / 0.0002f)) * (std::exp(-s / 0.007f) + 0.18f * std::exp(-s / 0.04f));
        float w = shared.Gaussian();
        float xl = 0.75f * w + 0.45f * left.Gaussian();
        float xr = 0.75f * w + 0.45f * right.Gaussian();
        Svf::Out ol = hl.Run(xl, 900.0f, 0.7f), orr = hr.Run(xr, 900.0f, 0.7f);
        Svf::Out pl = bl.Run(xl, 3200.0f, 1.1f), pr = br.Run(xr, 3600.0f, 1.1f);
        int at = i + kOnset;
        t.l[at] = env * (1.0f * ol.high + 0.8f * pl.band) + jump.l[at];
        t.r[at] = 0.95f * env * (1.0f * orr.high + 0.8f * pr.band) + jump.r[at];
    }
    for (int i = static_cast<int>(0.25f * kRate) + kOnset; i < static_cast<int>(0.25f * kRate) + kOnset + delay; ++i)
        t.r[i] += jump.r[i];
    return t;
}

Track BoomTone() {
    Track t;
    float phase = 0;
    for (int i = 0; i + kOnset < kSoundFrames; ++i) {
        float s = Seconds(i);
        float f = 32.0f + 75.0f * std::exp(-s / 0.08f);
        phase += kTwoPi * f / kRate;
        float env = (1.0f - std::exp(-s / 0.003f)) * std::exp(-s / 0.5f);
        float v = std::sin(phase) + 0.3f * std::exp(-s / 0.2f) * std::sin(2.0f * phase + 0.4f);
        v = std::tanh(1.8f * v * env);
        t.l[i + kOnset] = v;
        t.r[i + kOnset] = v;
    }
    return t;
}

Track BoomBody() {
    Track t;
    Rng shared(201), left(202), right(203);
    Svf fl, fr;
    for (int i = 0; i + kOnset < kSoundFrames; ++i) {
        float s = Seconds(i);
        float cutoff = 110.0f + 600.0f * std::exp(-s / 0.2f);
        float env = (1.0f - std::exp(-s / 0.005f)) * std::exp(-s / 0.65f);
        float w = shared.Gaussian();
        t.l[i + kOnset] = env * fl.Run(0.85f * w + 0.35f * left.Gaussian(), cutoff, 1.0f).low;
        t.r[i + kOnset] = env * fr.Run(0.85f * w + 0.35f * right.Gaussian(), cutoff * 1.06f, 1.0f).low;
    }
    return t;
}

// Slow random swells for the rumble, one curve per channel, about -1..1.
std::vector<float> Swell(uint64_t seed) {
    Rng rng(seed);
    std::vector<float> out(kSoundFrames);
    Svf a, b;
    for (int i = 0; i < kSoundFrames; ++i) out[i] = b.Run(a.Run(rng.Gaussian(), 3.0f, 0.6f).low, 3.0f, 0.6f).low;
    float peak = 0;
    for (float v : out) peak = std::max(peak, std::fabs(v));
    for (float& v : out) v /= std::max(peak, 1e-6f);
    return out;
}

Track Rumble() {
    Track t;
    Rng shared(301), left(302), right(303);
    Svf l1, l2, r1, r2;
    std::vector<float> swellL = Swell(304), swellR = Swell(305);
    for (int i = 0; i + kOnset < kSoundFrames; ++i) {
        float s = Seconds(i);
        float cutoff = 160.0f + 1600.0f * std::exp(-s / 0.5f);
        float env = (1.0f - std::exp(-s / 0.04f)) * (0.55f * std::exp(-s / 0.9f) + 0.45f * std::exp(-s / 2.0f));
        float w = shared.Gaussian();
        float xl = l2.Run(l1.Run(0.5f * w + 0.85f * left.Gaussian(), cutoff, 0.6f).low, cutoff, 0.6f).low;
        float xr = r2.Run(r1.Run(0.5f * w + 0.85f * right.Gaussian(), cutoff * 0.93f, 0.6f).low, cutoff * 0.93f, 0.6f).low;
        // As the filter closes the noise loses power; make up part of it so the rumble darkens
        // rather than simply vanishing.
        float makeUp = std::sqrt(std::min(4.0f, 400.0f / cutoff));
        t.l[i + kOnset] = makeUp * env * (1.0f + 0.4f * swellL[i]) * xl;
        t.r[i + kOnset] = makeUp * env * (1.0f + 0.4f * swellR[i]) * xr;
    }
    return t;
}

// Crackles and thuds of the burning, falling debris: short filtered noise bursts at random times,
// thinning out over the first seconds, each with its own pitch, length and place in the stereo field.
Track Debris() {
    Track t;
    Rng rng(401);
    const float step = 0.001f;
    for (float s = 0.02f; s < 3.6f; s += step) {
        float rate = 90.0f * std::exp(-s / 0.35f) + 10.0f * std::exp(-s / 1.4f);
        if (rng.Uniform() >= rate * step) continue;
        bool thud = rng.Uniform() < 0.25f + 0.2f * std::min(s, 1.0f);
        float tau = thud ? rng.Range(0.02f, 0.06f) : rng.Range(0.002f, 0.012f);
        float centre = thud ? rng.Range(150.0f, 500.0f) : rng.Range(1200.0f, 5500.0f);
        float amp = std::exp(rng.Gaussian() * 0.6f) * std::exp(-s / 1.2f) * (thud ? 1.8f : 1.0f);
        float pan = rng.Range(0.0f, 1.0f);
        float gl = std::cos(pan * 1.5707963f), gr = std::sin(pan * 1.5707963f);
        Svf f;
        int start = static_cast<int>(s * kRate) + kOnset;
        int length = static_cast<int>(tau * 6.0f * kRate);
        for (int i = 0; i < length && start + i < kSoundFrames; ++i) {
            float e = std::exp(-Seconds(i) / tau) * (1.0f - std::exp(-Seconds(i) / 0.0004f));
            float v = amp * e * f.Run(rng.Gaussian(), centre, thud ? 1.2f : 2.0f).band;
            t.l[start + i] += gl * v;
            t.r[start + i] += gr * v;
        }
    }
    return t;
}

// A small reverberator (parallel damped combs into allpasses), tuned differently per ear.
std::vector<float> Reverberate(const std::vector<float>& in, int spread) {
    static const int combs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int allpasses[] = {556, 441, 341, 225};
    std::vector<float> out(in.size(), 0.0f);
    for (int d : combs) {
        int len = d + spread;
        std::vector<float> buf(len, 0.0f);
        float store = 0;
        int pos = 0;
        for (size_t i = 0; i < in.size(); ++i) {
            float y = buf[pos];
            store = y * 0.6f + store * 0.4f;
            buf[pos] = in[i] + store * 0.86f;
            out[i] += y;
            pos = (pos + 1) % len;
        }
    }
    for (int d : allpasses) {
        int len = d + spread;
        std::vector<float> buf(len, 0.0f);
        int pos = 0;
        for (float& v : out) {
            float b = buf[pos];
            buf[pos] = v + b * 0.5f;
            v = b - v;
            pos = (pos + 1) % len;
        }
    }
    return out;
}

Track Space(const Track& dry) {
    Track t;
    std::vector<float> mono(kSoundFrames);
    for (int i = 0; i < kSoundFrames; ++i) mono[i] = 0.5f * (dry.l[i] + dry.r[i]);
    t.l = Reverberate(mono, 0);
    t.r = Reverberate(mono, 23);
    // Two distinct echoes from far surfaces: one sooner on the left, one later on the right, dulled.
    Svf el, er;
    const int delayL = static_cast<int>(0.115f * kRate), delayR = static_cast<int>(0.160f * kRate);
    float rmsWet = Rms(t, 0.3f, 2.0f), rmsDry = Rms(dry, 0.0f, 1.0f);
    float wetGain = rmsWet > 0 ? 0.32f * rmsDry / rmsWet : 0.0f;
    Gain(t, wetGain);
    for (int i = 0; i < kSoundFrames; ++i) {
        if (i >= delayL) t.l[i] += 0.30f * el.Run(dry.l[i - delayL], 1500.0f, 0.7f).low;
        if (i >= delayR) t.r[i] += 0.24f * er.Run(dry.r[i - delayR], 1200.0f, 0.7f).low;
    }
    return t;
}

void AddInto(Track& sum, const Track& layer, float gain) {
    for (int i = 0; i < kSoundFrames; ++i) {
        sum.l[i] += gain * layer.l[i];
        sum.r[i] += gain * layer.r[i];
    }
}

}  // namespace

StereoSound SynthesiseExplosion() {
    Track crack = Crack();
    Track tone = BoomTone();
    Track body = BoomBody();
    Track rumble = Rumble();
    Track debris = Debris();

    // Balance the layers by their own measures before mixing.
    Gain(crack, 1.0f / Peak(crack));
    Gain(tone, 0.7f / Peak(tone));
    Gain(body, 0.30f / Rms(body, 0.0f, 0.5f));
    Gain(rumble, 0.15f / Rms(rumble, 0.2f, 1.2f));
    Gain(debris, 0.30f / Peak(debris));

    Track dry;
    AddInto(dry, crack, 1.5f);
    AddInto(dry, tone, 1.0f);
    AddInto(dry, body, 1.0f);
    AddInto(dry, rumble, 1.0f);
    AddInto(dry, debris, 1.0f);
    Track space = Space(dry);
    AddInto(dry, space, 1.0f);

    // Soft saturation keeps the peaks round, a high-pass removes any drift below hearing, and the
    // last half second fades to true silence.
    StereoSound out;
    out.left.resize(kSoundFrames);
    out.right.resize(kSoundFrames);
    for (int ch = 0; ch < 2; ++ch) {
        std::vector<float>& in = ch == 0 ? dry.l : dry.r;
        std::vector<float>& o = ch == 0 ? out.left : out.right;
        float prevIn = 0, prevOut = 0;
        const float pole = std::exp(-kTwoPi * 20.0f / kRate);
        for (int i = 0; i < kSoundFrames; ++i) {
            float v = std::tanh(0.9f * in[i]);
            float hp = v - prevIn + pole * prevOut;
            prevIn = v;
            prevOut = hp;
            float tail = Seconds(kSoundFrames - 1 - i);
            float fade = tail < 0.6f ? 0.5f - 0.5f * std::cos(3.14159265f * tail / 0.6f) : 1.0f;
            o[i] = hp * fade;
        }
    }
    float peak = 0;
    for (int i = 0; i < kSoundFrames; ++i) peak = std::max({peak, std::fabs(out.left[i]), std::fabs(out.right[i])});
    const float target = std::pow(10.0f, -2.5f / 20.0f);
    for (int i = 0; i < kSoundFrames; ++i) {
        out.left[i] *= target / peak;
        out.right[i] *= target / peak;
    }
    return out;
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool WritePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, page.header_len, file) == static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, page.body_len, file) == static_cast<size_t>(page.body_len);
}

}  // namespace

bool WriteExplosionSound(const std::string& path) {
    StereoSound sound = SynthesiseExplosion();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;

    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init(&info, 2, kSoundRate, -1, 256000, -1) != 0) {
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x44564C4B);  // a fixed serial number keeps the output identical run to run

    bool ok = true;
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) ok &= WritePage(file.get(), page);

    const int chunk = 1024;
    int written = 0;
    bool ended = false;
    bool closed = false;
    while (!ended) {
        if (written < kSoundFrames) {
            int count = std::min(chunk, kSoundFrames - written);
            float** buffer = vorbis_analysis_buffer(&dsp, count);
            std::copy_n(sound.left.data() + written, count, buffer[0]);
            std::copy_n(sound.right.data() + written, count, buffer[1]);
            vorbis_analysis_wrote(&dsp, count);
            written += count;
        } else if (!closed) {
            vorbis_analysis_wrote(&dsp, 0);  // end of stream
            closed = true;
        } else {
            break;  // everything flushed
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    ok &= WritePage(file.get(), page);
                    if (ogg_page_eos(&page)) ended = true;
                }
            }
        }
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return ok && std::fflush(file.get()) == 0;
}
