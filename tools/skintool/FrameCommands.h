// skintool's frame commands: `frame` (geometry, limits, region and objects of
// a frame as JSON), `hittest` (one point's hit-test code) and `render` (the
// whole window as a PNG, in skintool.exe).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinContent.h"

namespace ventro::skintool {

bool IsFrameCommand(const std::string& command);
// args[0] is the command; throws std::runtime_error with a one-line message.
int RunFrameCommand(const std::vector<std::string>& args, bool raw);

// A skin file, or our stored skin for "-"; a malformed skin throws.
std::unique_ptr<TlxSkinContent> LoadFrameSkin(const std::string& source, bool raw);
// The bytes of our stored skin as a packed skin file.
std::vector<uint8_t> StoredSkinBytes();

// skintool.exe renders; the native tool refuses with a message.
int RenderFrame(const std::vector<std::string>& args, bool raw);

} // namespace ventro::skintool
