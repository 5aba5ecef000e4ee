#pragma once
// The game's ten sound effects, synthesised. Each takes its sample rate and its exact length in
// samples and returns samples from -1 to 1 that start and end in silence.
#include <cstddef>
#include <vector>

namespace assetgen {

using SoundMaker = std::vector<double> (*)(int sampleRate, std::size_t count);

std::vector<double> bounceSound(int sampleRate, std::size_t count);
std::vector<double> brickBreakSound(int sampleRate, std::size_t count);
std::vector<double> explosionSound(int sampleRate, std::size_t count);
std::vector<double> springSound(int sampleRate, std::size_t count);
std::vector<double> launchSound(int sampleRate, std::size_t count);
std::vector<double> glideBreakSound(int sampleRate, std::size_t count);
std::vector<double> fallSound(int sampleRate, std::size_t count);
std::vector<double> fanfareSound(int sampleRate, std::size_t count);
std::vector<double> wallKickSound(int sampleRate, std::size_t count);
std::vector<double> stageClearSound(int sampleRate, std::size_t count);

}  // namespace assetgen
