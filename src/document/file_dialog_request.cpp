#include "document/file_dialog_request.h"

#include <algorithm>
#include <array>

#include "base/app_title.h"

namespace orca {
namespace {

constexpr std::array<std::uint32_t, 6> kOpenOptions = {OFN_ALLOWMULTISELECT, OFN_CREATEPROMPT,
                                                       OFN_HIDEREADONLY,     OFN_NODEREFERENCELINKS,
                                                       OFN_NOREADONLYRETURN, OFN_READONLY};
constexpr std::array<std::uint32_t, 4> kSaveOptions = {OFN_OVERWRITEPROMPT, OFN_EXTENSIONDIFFERENT,
                                                       OFN_FILEMUSTEXIST, OFN_NOTESTFILECREATE};
constexpr std::array<std::uint32_t, 3> kCommonOptions = {OFN_NOVALIDATE, OFN_PATHMUSTEXIST, OFN_SHOWHELP};

// The runtime's "subscript out of range" (error 9), raised by an option
// index below its table.
constexpr const char* kSubscriptError = "エラーNo:9内容インデックスが有効範囲にありません。";

FileDlgPlan messageOnly(std::string text, const char* title, FileDlgPlan::Box box, std::string result = {}) {
    FileDlgPlan p;
    p.step = FileDlgPlan::Step::MessageOnly;
    p.message = std::move(text);
    p.messageTitle = title;
    p.box = box;
    p.result = std::move(result);
    return p;
}

FileDlgPlan emptyBox() { return messageOnly({}, kAppTitle, FileDlgPlan::Box::Plain); }
FileDlgPlan subscriptFailure() {
    return messageOnly(kSubscriptError, kFileDlgTitle, FileDlgPlan::Box::Exclamation, kFileDlgError);
}

template <std::size_t N>
bool inTable(const std::array<std::uint32_t, N>&, long option) {
    return option >= 1 && option <= static_cast<long>(N);
}

}  // namespace

FileDlgPlan PrepareFileDlg(FileDlgArgs& args, std::string_view currentDir) {
    if (args.kind != 1 && args.kind != 2) {
        return messageOnly("ダイアログ種別が不正です。", kFileDlgTitle, FileDlgPlan::Box::Exclamation);
    }
    if (args.filter.empty()) {
        return messageOnly("フィルタを指定して下さい。", kFileDlgTitle, FileDlgPlan::Box::Exclamation);
    }
    for (char& c : args.filter) {
        if (c == '|') c = '\0';
    }
    args.filter.push_back('\0');
    if (args.initialDir.empty()) args.initialDir = currentDir;
    if (args.title.empty()) args.title = args.kind == 1 ? "ファイルを開く" : "ファイルの保存";
    if (args.commonOption > 3) return emptyBox();

    std::uint32_t flags = 0;
    if (args.kind == 1) {
        if (args.kindOption != 0) {
            if (args.kindOption > 6) return emptyBox();
            if (!inTable(kOpenOptions, args.kindOption) || !inTable(kCommonOptions, args.commonOption)) {
                return subscriptFailure();
            }
            flags = kOpenOptions[args.kindOption - 1] + kCommonOptions[args.commonOption - 1];
        }
    } else {
        if (args.kindOption > 4) return emptyBox();
        if (!inTable(kSaveOptions, args.kindOption) || !inTable(kCommonOptions, args.commonOption)) {
            return subscriptFailure();
        }
        flags = kSaveOptions[args.kindOption - 1] + kCommonOptions[args.commonOption - 1];
    }
    if (args.style != 2) flags += OFN_EXPLORER;

    FileDlgPlan p;
    p.flags = flags;
    return p;
}

std::vector<std::string> NameFiltersOf(std::string_view converted) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos < converted.size()) {
        const std::size_t end = converted.find('\0', pos);
        if (end == std::string_view::npos || end == pos) break;
        parts.emplace_back(converted.substr(pos, end - pos));
        pos = end + 1;
    }
    std::vector<std::string> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        std::size_t from = 0;
        const std::string_view list = parts[i + 1];
        while (from <= list.size()) {
            const std::size_t end = std::min(list.find(';', from), list.size());
            std::string_view pattern = list.substr(from, end - from);
            from = end + 1;
            if (pattern.empty()) continue;
            // "*.*" stands for every file, also those without an extension;
            // as a Qt pattern it would demand a dot.
            if (pattern == "*.*") pattern = "*";
            if (!patterns.empty()) patterns += ' ';
            patterns += pattern;
        }
        filters.push_back(parts[i] + " (" + patterns + ")");
    }
    return filters;
}

FileDlgMode FileDlgModeOf(int kind, std::uint32_t flags) {
    FileDlgMode m;
    m.save = kind == 2;
    m.multiSelect = !m.save && (flags & OFN_ALLOWMULTISELECT);
    m.fileMustExist = (flags & OFN_FILEMUSTEXIST) != 0;
    m.pathMustExist = (flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) != 0;
    m.confirmOverwrite = m.save && (flags & OFN_OVERWRITEPROMPT);
    return m;
}

}  // namespace orca
