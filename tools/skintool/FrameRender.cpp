// skintool.exe render: the whole window as a 32-bit PNG.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/Text.h"
#include "skin/data/SkinLimits.h"
#include "skin/form/WinFramePicture.h"
#include "tools/skintool/FrameCommands.h"

namespace ventro::skintool {

int RenderFrame(const std::vector<std::string>& args, bool raw)
{
    const char* usage = "usage: skintool render SKIN W H OUT.png [--inactive] [--fallback] [--hot SECTION] "
                        "[--down SECTION] [--morph KF]";
    std::vector<std::string> positional;
    FramePictureOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw std::runtime_error(a + " needs a value");
            return args[++i];
        };
        if (a == "--inactive")
            options.Inactive = true;
        else if (a == "--fallback")
            options.Fallback = true;
        else if (a == "--hot")
            options.Hot = value();
        else if (a == "--down")
            options.Down = value();
        else if (a == "--morph") {
            const std::string& v = value();
            char* end = nullptr;
            options.Morph = std::strtod(v.c_str(), &end);
            if (v.empty() || *end != '\0')
                throw std::runtime_error("not a number for --morph: " + v);
        } else if (a.size() > 2 && a.rfind("--", 0) == 0)
            throw std::runtime_error("unknown option " + a);
        else
            positional.push_back(a);
    }
    if (positional.size() != 4)
        throw std::runtime_error(usage);
    auto size = [](const std::string& s, const char* what) {
        char* end = nullptr;
        long v = std::strtol(s.c_str(), &end, 10);
        if (s.empty() || *end != '\0' || v <= 0 || v > MaxBitmapDimension)
            throw std::runtime_error(std::string(what) + " must be 1 to 16384: " + s);
        return int32_t(v);
    };
    options.Width = size(positional[1], "W");
    options.Height = size(positional[2], "H");
    std::unique_ptr<TlxSkinContent> skin = options.Fallback ? nullptr : LoadFrameSkin(positional[0], raw);
    Picture32 picture = RenderFramePicture(skin.get(), options);
    const std::wstring out = AnsiToWide(positional[3]);
    try {
        WritePng32(out, picture);
    } catch (...) {
        DeleteFileW(out.c_str());
        throw;
    }
    return 0;
}

} // namespace ventro::skintool
