// The native skintool has no platform text drawing: render is skintool.exe's.
#include <stdexcept>

#include "tools/skintool/FrameCommands.h"

namespace ventro::skintool {

int RenderFrame(const std::vector<std::string>&, bool)
{
    throw std::runtime_error("render draws text with the platform's text drawing: use skintool.exe");
}

} // namespace ventro::skintool
