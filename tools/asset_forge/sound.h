// The explosion sound: synthesised from fixed seeds and encoded as Ogg Vorbis
// (stereo, 44,100 Hz, 226,800 sample frames, nominal 256 kbit/s).
#pragma once

#include <string>
#include <vector>

constexpr int kSoundRate = 44100;
constexpr int kSoundFrames = 226800;

// The two channels of the sound, each kSoundFrames samples in -1..1.
struct StereoSound {
    std::vector<float> left;
    std::vector<float> right;
};

StereoSound SynthesiseExplosion();
bool WriteExplosionSound(const std::string& path);
