#include "devtools/assetgen/Catalogue.h"

#include "devtools/assetgen/BitmapFile.h"
#include "devtools/assetgen/IconFiles.h"
#include "devtools/assetgen/Pictures.h"
#include "devtools/assetgen/Sounds.h"
#include "devtools/assetgen/WaveFile.h"

namespace assetgen {

namespace {

struct PictureRecipe {
    const char* name;
    IndexedImage (*draw)();
};

// The build embeds these under their resource ids (assets/CMakeLists.txt); the sizes, rates and
// sample counts are the ones the game is built around.
constexpr PictureRecipe Pictures[] = {
    {"trail_dots.bmp", trailStrip},      // BITMAP 101
    {"tiles.bmp", tileSheet},            // BITMAP 102
    {"title.bmp", titlePicture},         // BITMAP 113
    {"ending.bmp", endingPicture},       // BITMAP 114
    {"game_over.bmp", gameOverPicture},  // BITMAP 115
};

struct SoundRecipe {
    const char* name;
    PcmFormat format;
    std::size_t samples;
    SoundMaker make;
};

constexpr SoundRecipe Sounds[] = {
    {"bounce.wav", {22050, 8}, 2768, bounceSound},            // WAVE 103
    {"brick_break.wav", {11025, 8}, 12927, brickBreakSound},  // WAVE 104
    {"explosion.wav", {22050, 16}, 32357, explosionSound},    // WAVE 105
    {"spring.wav", {11025, 8}, 6925, springSound},            // WAVE 106
    {"launch.wav", {22050, 8}, 10226, launchSound},           // WAVE 107
    {"glide_break.wav", {22050, 8}, 7570, glideBreakSound},   // WAVE 108
    {"fall.wav", {11025, 8}, 5997, fallSound},                // WAVE 109
    {"stage_card.wav", {44100, 16}, 57408, fanfareSound},     // WAVE 110
    {"wall_kick.wav", {22050, 8}, 8763, wallKickSound},       // WAVE 111
    {"stage_clear.wav", {11000, 8}, 9954, stageClearSound},   // WAVE 112
};

}  // namespace

std::vector<AssetFile> generateAssets() {
    std::vector<AssetFile> files;
    for (const PictureRecipe& picture : Pictures) {
        files.push_back({picture.name, encodeBitmapFile(picture.draw())});
    }
    for (const SoundRecipe& sound : Sounds) {
        files.push_back(
            {sound.name,
             encodeWaveFile(sound.format, sound.make(sound.format.sampleRate, sound.samples))});
    }
    std::vector<std::uint8_t> iconImage = encodeIconImage(programIcon());
    files.push_back({"icon_group.bin",  // GROUP_ICON 116
                     encodeIconGroup(1, static_cast<std::uint32_t>(iconImage.size()))});
    files.push_back({"tilebounce.ico", encodeIconFile(iconImage)});
    files.push_back({"icon_image.bin", std::move(iconImage)});  // ICON 1
    return files;
}

}  // namespace assetgen
