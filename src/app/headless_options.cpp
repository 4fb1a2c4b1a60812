#include "app/headless_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

#include "app/draw_settings_form.h"

namespace orca {
namespace {

constexpr int kMaxImageSide = 16384;
constexpr int kMaxWindowSide = 100000000;
constexpr int kMaxPitch = INT16_MAX;  // the grid pitch is a 16-bit setting

bool readInt(std::string_view text, int& out) {
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && p == end;
}

bool readSize(const std::string& text, int maxSide, int& w, int& h) {
    const auto x = text.find('x');
    if (x == std::string::npos) return false;
    const std::string_view all(text);
    return readInt(all.substr(0, x), w) && readInt(all.substr(x + 1), h) && w >= 1 && h >= 1 &&
           w <= maxSide && h <= maxSide;
}

bool EndsWithPng(std::string_view name) {
    constexpr std::string_view kPng = ".png";
    if (name.size() < kPng.size()) return false;
    const std::string_view end = name.substr(name.size() - kPng.size());
    return std::equal(end.begin(), end.end(), kPng.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    HeadlessOptions run() {
        // After "--" every argument is a file name, even one that begins with '-'.
        const std::size_t options = std::find(args_.begin(), args_.end(), "--") - args_.begin();
        for (std::size_t i = 0; i < options; ++i) {
            if (args_[i] == "--render") setCommand(HeadlessOptions::Command::Render);
            if (args_[i] == "--dump") setCommand(HeadlessOptions::Command::Dump);
        }
        if (o_.command == HeadlessOptions::Command::None || !o_.error.empty()) return o_;
        const bool render = o_.command == HeadlessOptions::Command::Render;
        o_.width = render ? kRenderDefaultWidth : kDumpDefaultWidth;
        o_.height = render ? kRenderDefaultHeight : kDumpDefaultHeight;

        std::vector<std::string> positional;
        for (std::size_t i = 0; i < options && o_.error.empty(); ++i) {
            const std::string& a = args_[i];
            if (a == "--render" || a == "--dump") continue;
            if (a == "--inc") {
                o_.incremental = true;
            } else if (a == "--dump-lines" && !render) {
                o_.dumpLines = true;
            } else if (a == "--standard") {
                o_.standardReading = true;
            } else if (a == "--hole") {
                const std::optional<double> radius = value(i) ? HoleRadiusFromText(args_[i]) : std::nullopt;
                if (!radius) fail("--hole needs a radius above 0 with at most 3 decimals (e.g. 0.125)");
                o_.holeRadius = radius.value_or(o_.holeRadius);
            } else if (a == (render ? "--size" : "--window")) {
                const int maxSide = render ? kMaxImageSide : kMaxWindowSide;
                if (!value(i) || !readSize(args_[i], maxSide, o_.width, o_.height)) {
                    fail(a + " needs WxH, two whole numbers from 1 to " + std::to_string(maxSide) +
                         " (e.g. " + (render ? "1200x800" : "9000x6000") + ")");
                }
            } else if (a == "--grid") {
                int pitch = 0;
                if (!value(i) || !readInt(args_[i], pitch) || pitch < 1 || pitch > kMaxPitch) {
                    fail("--grid needs a whole number from 1 to " + std::to_string(kMaxPitch));
                }
                o_.gridPitch = pitch;
            } else if (a.starts_with("--")) {
                fail("unknown option " + a);
            } else {
                positional.push_back(a);
            }
        }
        if (!o_.error.empty()) return o_;
        if (options < args_.size())
            positional.insert(positional.end(), args_.begin() + options + 1, args_.end());
        const std::size_t wanted = render ? 2 : 1;
        if (positional.size() != wanted) {
            fail(render ? "--render needs FILE and OUT.png" : "--dump needs FILE");
            return o_;
        }
        o_.file = positional[0];
        if (render) {
            o_.out = positional[1];
            // Also catches FILE and OUT given the wrong way round.
            if (!EndsWithPng(o_.out)) fail("--render writes a PNG: OUT must end in .png, not " + o_.out);
        }
        return o_;
    }

private:
    void setCommand(HeadlessOptions::Command c) {
        if (o_.command != HeadlessOptions::Command::None) fail("give only one of --render and --dump");
        o_.command = c;
    }
    // Moves to the option's value; false when there is none.
    bool value(std::size_t& i) {
        if (i + 1 >= args_.size()) return false;
        ++i;
        return true;
    }
    void fail(const std::string& message) {
        if (o_.error.empty()) o_.error = message;
    }

    const std::vector<std::string>& args_;
    HeadlessOptions o_;
};

}  // namespace

HeadlessOptions ParseHeadlessOptions(const std::vector<std::string>& args) { return Parser(args).run(); }

}  // namespace orca
