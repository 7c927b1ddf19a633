// skintool's frame commands.
#include "tools/skintool/FrameCommands.h"

#include <charconv>
#include <iostream>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "skin/data/SkinLimits.h"
#include "skin/data/SkinStream.h"
#include "skin/data/Stream.h"
#include "skin/form/FrameCanvas.h"
#include "skin/form/SkinFrame.h"
#include "skin/form/StaticForm.h"
#include "skin/gfx/RectUtils.h"

namespace ventro::skintool {
namespace {

using nlohmann::json;

constexpr int32_t MaxWindowSize = MaxBitmapDimension;
// `frame` reports the maximum size for a work area of this size.
constexpr Rect ReportWorkArea { 0, 0, 1280, 1024 };

int32_t ParseInt(const std::string& text, const char* what)
{
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw std::runtime_error(std::string("not a number for ") + what + ": " + text);
    return value;
}

int32_t ParseSize(const std::string& text, const char* what)
{
    int32_t v = ParseInt(text, what);
    if (v <= 0 || v > MaxWindowSize)
        throw std::runtime_error(std::string(what) + " must be 1 to 16384: " + text);
    return v;
}

json RectJson(const Rect& r) { return json::array({ r.Left, r.Top, r.Right, r.Bottom }); }
json PointJson(const Point& p) { return json::array({ p.X, p.Y }); }

struct FrameArgs {
    std::vector<std::string> Positional;
    bool Resizable = false, Fallback = false, Maximized = false, RolledUp = false;
};

FrameArgs SplitArgs(const std::vector<std::string>& args, std::initializer_list<const char*> allowed)
{
    FrameArgs a;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& s = args[i];
        bool known = false;
        for (const char* flag : allowed)
            known |= s == flag;
        if (s.size() > 2 && s.rfind("--", 0) == 0 && !known)
            throw std::runtime_error("unknown option " + s);
        if (s == "--resizable")
            a.Resizable = true;
        else if (s == "--fallback")
            a.Fallback = true;
        else if (s == "--maximized")
            a.Maximized = true;
        else if (s == "--rolledup")
            a.RolledUp = true;
        else
            a.Positional.push_back(s);
    }
    return a;
}

FrameOptions OptionsFor(bool fallback, bool resizable)
{
    FrameOptions o;
    o.Style = resizable ? FrameBorderStyle::Sizeable : FrameBorderStyle::Single;
    if (fallback) {
        o.Icons = MainWindowBorderIcons;
        o.ShowIcon = true;
    }
    return o;
}

int Frame(const std::vector<std::string>& args, bool raw)
{
    FrameArgs a = SplitArgs(args, { "--resizable", "--fallback" });
    if (a.Positional.size() != 3)
        throw std::runtime_error("usage: skintool frame SKIN W H [--resizable] [--fallback]");
    const int32_t w = ParseSize(a.Positional[1], "W"), h = ParseSize(a.Positional[2], "H");
    std::unique_ptr<TlxSkinContent> skin = a.Fallback ? nullptr : LoadFrameSkin(a.Positional[0], raw);
    ClassicColors colors;
    TStaticForm form(colors);
    FrameOptions options = OptionsFor(a.Fallback, a.Resizable);
    form.Icon = options.ShowIcon;
    TSkinFrame frame(form, skin.get(), options);
    frame.SetSize(w, h);

    json out;
    out["width"] = w;
    out["height"] = h;
    const Rect client = frame.ClientRect();
    if (frame.Skinned()) {
        const TFrameGeometry& g = frame.Geometry();
        out["newlt"] = PointJson(g.NewLT);
        out["newrt"] = PointJson(g.NewRT);
        out["newlb"] = PointJson(g.NewLB);
        out["newrb"] = PointJson(g.NewRB);
        out["newc"] = RectJson(g.NewC);
        out["newcaption"] = RectJson(g.NewCaption);
        out["newbuttons"] = RectJson(g.NewButtons);
        out["newmask"] = RectJson(g.NewMask);
        const Rect reported = SkinClientRect(frame.Info(), Rect { 0, 0, w, h });
        out["client"] = json::array({ reported.Width(), reported.Height() });
    } else {
        // The fallback frame: its corners are the client's, its caption the
        // text area, its buttons the row right of it, and no mask.
        out["newlt"] = PointJson(Point { client.Left, client.Top });
        out["newrt"] = PointJson(Point { client.Right, client.Top });
        out["newlb"] = PointJson(Point { client.Left, client.Bottom });
        out["newrb"] = PointJson(Point { client.Right, client.Bottom });
        out["newc"] = RectJson(client);
        const DefaultCaptionLayout& l = frame.CaptionLayout();
        out["newcaption"] = RectJson(l.TextArea);
        Rect row {};
        for (int c = 0; c < 7; ++c)
            if (l.Placed[c] && c != int(TlxStdCommand::cmSysMenu))
                row = IsEmptyRect(row) ? l.Buttons[c]
                                       : Rect { std::min(row.Left, l.Buttons[c].Left), std::min(row.Top, l.Buttons[c].Top),
                                             std::max(row.Right, l.Buttons[c].Right),
                                             std::max(row.Bottom, l.Buttons[c].Bottom) };
        out["newbuttons"] = RectJson(row);
        out["newmask"] = RectJson(Rect { 0, 0, w, h });
        out["client"] = json::array({ client.Width(), client.Height() });
    }
    out["minsize"] = json::array({ frame.MinWidth(), frame.MinHeight() });
    const FormSizeLimits& limits = frame.Options().Limits;
    out["maxsize"] = json::array({ GetMaxWidth(limits, ReportWorkArea, ReportWorkArea),
        GetMaxHeight(limits, ReportWorkArea, ReportWorkArea) });
    const std::vector<Rect>& region = frame.RegionRects();
    const std::string refused = RefusedMaskReason(frame.Shape());
    out["region"] = { { "bounds", RectJson(RegionBounds(region)) }, { "count", region.size() },
        { "refused", refused.empty() ? json(nullptr) : json(refused) } };
    out["objects"] = json::array();
    for (const auto& o : frame.Objects()) {
        json obj { { "section", o->IDName }, { "class", o->ClassName() },
            { "command", o->HasCommand() ? json(FormatStdCommand(o->Command())) : json(nullptr) },
            { "rect", RectJson(o->ObjectRect) }, { "visible", o->Visible }, { "enabled", o->Enabled } };
        out["objects"].push_back(obj);
    }
    std::cout << out.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    return 0;
}

int HitTest(const std::vector<std::string>& args, bool raw)
{
    FrameArgs a = SplitArgs(args, { "--resizable", "--maximized", "--rolledup", "--fallback" });
    if (a.Positional.size() != 5)
        throw std::runtime_error("usage: skintool hittest SKIN W H X Y [--resizable] [--maximized] [--rolledup]");
    const int32_t w = ParseSize(a.Positional[1], "W"), h = ParseSize(a.Positional[2], "H");
    const int32_t x = ParseInt(a.Positional[3], "X"), y = ParseInt(a.Positional[4], "Y");
    if (x < 0 || y < 0 || x >= w || y >= h)
        throw std::runtime_error("the point lies outside the window");
    std::unique_ptr<TlxSkinContent> skin = a.Fallback ? nullptr : LoadFrameSkin(a.Positional[0], raw);
    ClassicColors colors;
    TStaticForm form(colors);
    form.State.Maximized = a.Maximized;
    form.State.RolledUp = a.RolledUp;
    FrameOptions options = OptionsFor(a.Fallback, a.Resizable);
    form.Icon = options.ShowIcon;
    TSkinFrame frame(form, skin.get(), options);
    frame.SetSize(w, h);
    std::cout << HitCodeName(frame.HitTest(Point { x, y })) << "\n";
    return 0;
}

} // namespace

bool IsFrameCommand(const std::string& command)
{
    return command == "frame" || command == "hittest" || command == "render";
}

std::unique_ptr<TlxSkinContent> LoadFrameSkin(const std::string& source, bool raw)
{
    std::vector<uint8_t> bytes = source == "-" ? StoredSkinBytes() : ReadWholeFile(source, MaxSkinFileBytes);
    std::vector<uint8_t> compressed = raw && source != "-" ? std::move(bytes) : ReadPackedSkin(bytes);
    if (compressed.empty())
        throw std::runtime_error("not a packed skin, or an unsupported version");
    SkinStreamContent content = InflateSkinStream(compressed);
    if (content.Version > SkinStreamVersion)
        throw std::runtime_error("unsupported skin stream version " + std::to_string(content.Version));
    auto skin = std::make_unique<TlxSkinContent>();
    skin->LoadSkinStreamContent(std::move(content));
    skin->Empty = false;
    return skin;
}

int RunFrameCommand(const std::vector<std::string>& args, bool raw)
{
    if (args[0] == "frame")
        return Frame(args, raw);
    if (args[0] == "hittest")
        return HitTest(args, raw);
    return RenderFrame(args, raw);
}

} // namespace ventro::skintool
