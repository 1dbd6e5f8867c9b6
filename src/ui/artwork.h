// Preparing the embedded pictures: decoding them, fitting the logo and the title picture to the
// window, and cutting the explosion sheet into its 64 frames.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/image.h"
#include "ui/embedded_assets.h"

constexpr int32_t kExplosionFrameCount = 64;
constexpr int32_t kExplosionFrameSide = 52;

struct Artwork {
    Image flag;  // 72 x 72, for the mark tiles
    Image mine;
    Image logo;  // fitted to the window
    Image title;
    std::array<Image, kExplosionFrameCount> explosionFrames;
};

std::optional<Image> DecodeAsset(const AssetBytes& asset);

// A picture of exactly width x height: kept, stretched when the whole-number aspect ratios agree,
// else scaled in whole-percent steps to fill one side and cut to the middle (black where it does
// not reach).
Image FitToWindow(const Image& picture, int32_t width, int32_t height);

// The picture decoded and fitted at once, exactly as FitToWindow would fit it. Where the fit is a
// shrink by whole factors (the big pictures on every preset board) the rows are averaged as they
// are decoded and the full-size picture is never held.
std::optional<Image> DecodeFitted(const AssetBytes& asset, int32_t width, int32_t height);

// Frame n is the 52 x 52 block at (52 * (n % 8), 52 * (n / 8)).
std::array<Image, kExplosionFrameCount> CutExplosionFrames(const Image& sheet);
