#pragma once
// The built-in resources' integer ids. The game looks its pictures and sounds up by them, and
// the build embeds each file under the id named here: assets/CMakeLists.txt lists the files by
// these names, so a name missing here fails the build, and the Windows icon resource takes its
// id from here too.

namespace resource {

constexpr int TrailDotsBitmap = 101;
constexpr int TileSheetBitmap = 102;
constexpr int TitleBitmap = 113;
constexpr int EndingBitmap = 114;
constexpr int GameOverBitmap = 115;

// The sound cues' waves.
constexpr int BounceWave = 103;
constexpr int BrickBreakWave = 104;
constexpr int ExplosionWave = 105;
constexpr int SpringWave = 106;
constexpr int LaunchWave = 107;
constexpr int GlideBreakWave = 108;
constexpr int FallWave = 109;
constexpr int StageCardWave = 110;
constexpr int WallKickWave = 111;
constexpr int StageClearWave = 112;

// The program's icon: its one image and the group that lists it.
constexpr int IconImage = 1;
constexpr int IconGroup = 116;

// The lettering of the stage card, and the English lines drawn over the picture.
constexpr int DefaultFont = 1;
// The Korean lines drawn over the picture.
constexpr int HangulFont = 2;

}  // namespace resource
