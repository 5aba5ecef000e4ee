#include "keyscript/RunLink.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <memory>
#include <span>

#include "keyscript/Base64Url.h"
#include "keyscript/RangeCoder.h"
#include "platform/files/QuotedText.h"

namespace {

constexpr std::string_view FormatTag = "tb1";
constexpr std::string_view FragmentKey = "#run=";
constexpr std::string_view Blanks = " \t\r\n\v\f";
constexpr std::size_t ChecksumBytes = 4;
constexpr std::string_view DamagedLink = "damaged or cut short";

// How the coder's chances are kept: each part of a line learns from the same part of the lines
// before it. The key sets of the latest lines are kept most recent first, since play goes back
// and forth between a few.
struct RunModel {
    static constexpr int RecentBits = 3;
    static constexpr int CountTopBits = 7;
    static constexpr int MaxCountWidth = 32;

    BitTree<5> stage;  // 0 for none
    BitChance anotherLine;
    BitChance freshKeys;
    BitTree<RecentBits> recentKeys;
    BitTree<7> held;
    BitTree<7> tapped;
    BitTree<5> countWidth;                                      // the count's bits, less one
    std::array<BitTree<CountTopBits>, MaxCountWidth> countTop;  // the bits below the highest
    std::array<std::array<BitChance, MaxCountWidth>, MaxCountWidth> countLow;  // and the rest
    std::array<std::uint32_t, 1u << RecentBits> recent{};
};

std::uint32_t keySetOf(const KeyScriptLine& line) {
    return line.held | static_cast<std::uint32_t>(line.tapped) << 7;
}

// One line, written from `line` or read (when `Coder` is a RangeDecoder, `line` unused).
template <class Coder>
KeyScriptLine codeLine(Coder& coder, RunModel& model, const KeyScriptLine& line) {
    const std::uint32_t written = keySetOf(line);
    const auto found = std::find(model.recent.begin(), model.recent.end(), written);
    auto at = static_cast<std::uint32_t>(found - model.recent.begin());
    std::uint32_t keys = 0;
    if (coder.bit(model.freshKeys, found == model.recent.end() ? 1u : 0u) != 0) {
        keys = model.held.code(coder, line.held) | model.tapped.code(coder, line.tapped) << 7;
        at = static_cast<std::uint32_t>(model.recent.size() - 1);
    } else {
        at = model.recentKeys.code(coder, at);
        keys = model.recent[at];
    }
    std::copy_backward(model.recent.begin(), model.recent.begin() + at,
                       model.recent.begin() + at + 1);
    model.recent[0] = keys;

    const int width = static_cast<int>(model.countWidth.code(
                          coder, static_cast<std::uint32_t>(std::bit_width(line.count)) - 1)) +
                      1;
    const int below = width - 1;
    const int top = std::min(below, RunModel::CountTopBits);
    std::uint32_t mantissa = model.countTop[below].code(coder, line.count >> (below - top), top);
    for (int shift = below - top - 1; shift >= 0; --shift) {
        mantissa =
            mantissa << 1 | coder.bit(model.countLow[below][shift], line.count >> shift & 1u);
    }
    const std::uint64_t count = (std::uint64_t{1} << below | mantissa) & 0xFFFFFFFFu;
    return {.count = static_cast<std::uint32_t>(count),
            .held = static_cast<std::uint8_t>(keys & 0x7Fu),
            .tapped = static_cast<std::uint8_t>(keys >> 7 & 0x7Fu)};
}

// FNV-1a over what the run plays, so that a damaged or shortened link is told from a run.
std::uint32_t checksumOf(const RunScript& run) {
    std::uint32_t hash = 2166136261u;
    const auto add = [&hash](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            hash = (hash ^ (value >> (8 * i) & 0xFFu)) * 16777619u;
        }
    };
    add(static_cast<std::uint32_t>(run.stage.value_or(0)));
    for (const KeyScriptLine& line : run.lines) {
        add(line.count);
        add(keySetOf(line));
    }
    return hash;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(Blanks);
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(Blanks) - start + 1);
}

bool readVersion(std::string_view text, std::int32_t& version) {
    const auto [stop, failure] = std::from_chars(text.data(), text.data() + text.size(), version);
    return failure == std::errc{} && stop == text.data() + text.size() && !text.empty() &&
           text[0] != '-' && text[0] != '+';
}

bool decodePayload(const std::vector<std::uint8_t>& bytes, RunScript& run, std::string& problem) {
    if (bytes.size() < ChecksumBytes) {
        problem = DamagedLink;
        return false;
    }
    std::uint32_t checksum = 0;
    for (std::size_t i = 0; i < ChecksumBytes; ++i) {
        checksum = checksum << 8 | bytes[i];
    }
    RangeDecoder decoder(std::span<const std::uint8_t>(bytes).subspan(ChecksumBytes));
    const auto model = std::make_unique<RunModel>();
    run = {};
    if (const std::uint32_t stage = model->stage.code(decoder, 0); stage != 0) {
        run.stage = static_cast<std::int32_t>(stage);
    }
    while (decoder.bit(model->anotherLine) != 0) {
        if (run.lines.size() == MaxRunLinkLines) {
            problem = "it unpacks to over " + std::to_string(MaxRunLinkLines) +
                      " lines, past what a link may hold";
            return false;
        }
        run.lines.push_back(codeLine(decoder, *model, {}));
    }
    const bool sound =
        checksumOf(run) == checksum && run.stage.value_or(1) <= 20 &&
        std::all_of(run.lines.begin(), run.lines.end(), [](const KeyScriptLine& line) {
            return line.count >= 1 && line.count <= MaxKeyScriptCount &&
                   (line.held & line.tapped) == 0;
        });
    if (!sound) {
        problem = DamagedLink;
        return false;
    }
    return true;
}

}  // namespace

std::string packedRunLink(const RunScript& run) {
    RangeEncoder encoder;
    const auto model = std::make_unique<RunModel>();
    model->stage.code(encoder, static_cast<std::uint32_t>(run.stage.value_or(0)));
    for (const KeyScriptLine& line : run.lines) {
        encoder.bit(model->anotherLine, 1);
        codeLine(encoder, *model, line);
    }
    encoder.bit(model->anotherLine, 0);
    const std::uint32_t checksum = checksumOf(run);
    std::vector<std::uint8_t> bytes;
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(checksum >> shift));
    }
    const std::vector<std::uint8_t> coded = encoder.finish();
    bytes.insert(bytes.end(), coded.begin(), coded.end());
    return std::string(FormatTag) + '.' + std::to_string(PlayVersion) + '.' + toBase64Url(bytes);
}

bool makeRunLink(const RunScript& run, std::string& link, std::string& problem) {
    if (run.lines.size() > MaxRunLinkLines) {
        problem = "the script has over " + std::to_string(MaxRunLinkLines) +
                  " lines of polls, past what a link holds";
        return false;
    }
    link = packedRunLink(run);
    if (link.size() > MaxRunLinkChars) {
        problem = "the script's link would be " + std::to_string(link.size()) +
                  " characters long, over the " + std::to_string(MaxRunLinkChars) +
                  " a link may have";
        return false;
    }
    return true;
}

bool looksLikeRunLink(std::string_view text) {
    text = trimmed(text);
    if (text.find_first_of(Blanks) != std::string_view::npos) {
        return false;
    }
    const bool tagged =
        text.size() > 2 && text.starts_with("tb") && text[2] >= '0' && text[2] <= '9';
    return tagged || text.find(FragmentKey) != std::string_view::npos;
}

bool readRunLink(std::string_view text, RunScript& run, std::string& problem) {
    text = trimmed(text);
    if (text.size() > MaxRunLinkChars) {
        problem = "longer than " + std::to_string(MaxRunLinkChars) + " characters";
        return false;
    }
    if (const std::size_t fragment = text.rfind(FragmentKey); fragment != std::string_view::npos) {
        text.remove_prefix(fragment + FragmentKey.size());
    }
    const std::size_t firstDot = text.find('.');
    const std::size_t lastDot = text.rfind('.');
    if (text.substr(0, firstDot) != FormatTag) {
        problem = "of the form '" + quotedForMessage(text.substr(0, firstDot)) +
                  "', and this tilebounce reads " + std::string(FormatTag) + " links";
        return false;
    }
    std::int32_t version = 0;
    if (lastDot == firstDot ||
        !readVersion(text.substr(firstDot + 1, lastDot - firstDot - 1), version)) {
        problem = DamagedLink;
        return false;
    }
    if (version != PlayVersion) {
        problem = "made by a tilebounce of play version " + std::to_string(version) +
                  ", and this one plays version " + std::to_string(PlayVersion) +
                  ", where the run would not play the same";
        return false;
    }
    const std::optional<std::vector<std::uint8_t>> bytes = fromBase64Url(text.substr(lastDot + 1));
    if (!bytes) {
        problem = DamagedLink;
        return false;
    }
    // Only the very text this game writes for the run is taken: a change the coder would not
    // notice (in the last bits of the payload, a version written "01") is damage all the same.
    if (!decodePayload(*bytes, run, problem)) {
        return false;
    }
    if (packedRunLink(run) != text) {
        problem = DamagedLink;
        return false;
    }
    return true;
}

std::string keyScriptText(const RunScript& run) {
    std::string text;
    if (run.stage) {
        text += "stage " + std::to_string(*run.stage) + '\n';
    }
    for (const KeyScriptLine& line : run.lines) {
        text += formatKeyScriptLine(line);
        text += '\n';
    }
    return text;
}
