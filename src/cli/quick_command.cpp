#include "cli/commands.h"
#include "platform/cp932.h"
#include "platform/engine_text.h"
#include "platform/sjis_bytes.h"
#include "search/quick_mode.h"
#include "settings/settings_store.h"

namespace quilsk::cli {

int RunQuickCommand(const Invocation& invocation)
{
    const std::vector<std::string>& a = invocation.args;
    if (a.empty()) return Usage();
    CSettingsStore store(invocation.iniFile);
    if (a[0] == "show" && a.size() == 1) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const std::string key(1, letter);
            PrintLineCp932(key + "\t" + store.Get(setting::kQuickMasks(key)));
        }
        return kExitFound;
    }
    if (a[0] == "set" && a.size() == 3) {
        if (a[1].size() != 1 || !IsAsciiLetter(static_cast<unsigned char>(a[1][0])))
            return Fail("LETTER must be one of A to Z: " + a[1]);
        const std::string key(1, static_cast<char>(AsciiUpper(static_cast<unsigned char>(a[1][0]))));
        if (!store.Write(setting::kQuickMasks(key), ArgumentToCp932(a[2], "MASK")))
            return Fail("cannot write the settings file: " + store.LastError());
        return kExitFound;
    }
    if (a[0] == "auto" && a.size() == 1) {
        if (AutoRecognizeQuickLetters(store)) return kExitFound;
        if (!store.LastError().empty()) return Fail("cannot write the settings file: " + store.LastError());
        return Fail(Cp932ToUtf8(Engine::tr("ファイルがみつかりませんでした(ｰｰ;)")));
    }
    return Usage();
}

}  // namespace quilsk::cli
