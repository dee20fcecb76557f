#include "cross/detail_naming.h"

#include <cstring>

#include "settings/command_defaults.h"

namespace {

const char* const kCommand = "TRV_MAKECROSSDRAW";
const char* const kShipKey = "SNO";
const char* const kAllowed = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._";
const char* const kForbidden = "\\/:;,?*<>|\"";
const int kMaxLength = 250;

bool shipDefault(CString& value)
{
    if (TrevanComARX_GetCommandDefValue(kCommand, kShipKey, value)) return true;
    return TrevanComARX_SetCommandDefValue(kCommand, kShipKey, kShipKey) &&
           TrevanComARX_GetCommandDefValue(kCommand, kShipKey, value);
}

bool ask(const char* prompt, CString& answer)
{
    // Room for more than a name may hold, so that a long answer is told as too long.
    char buffer[1024] = {};
    if (zcedGetString(0, prompt, buffer, sizeof buffer) != RTNORM) return false;
    answer = buffer;
    return true;
}

}  // namespace

NameCheck TrevanCom_CheckFileNameChars(const CString& name)
{
    bool lastAllowed = false;
    for (int i = 0; i < name.GetLength(); ++i) {
        const char c = name[i];
        if (c != '\0' && std::strchr(kForbidden, c) != nullptr) return NameCheck::kForbidden;
        lastAllowed = c != '\0' && std::strchr(kAllowed, c) != nullptr;
    }
    return lastAllowed ? NameCheck::kAccepted : NameCheck::kAskAgain;
}

bool TrevanCom_AskShipNumber(CString& shipNo)
{
    for (;;) {
        CString def;
        if (!shipDefault(def)) return false;
        CString prompt;
        prompt.Format("\n船番を入力<%s>：", static_cast<const char*>(def));
        CString answer;
        if (!ask(prompt, answer)) return false;
        if (answer.IsEmpty()) answer = def;
        if (answer.GetLength() > kMaxLength) {
            zcutPrintf("\n文字数が多すぎます。");
            continue;
        }
        if (answer.IsEmpty()) continue;
        const NameCheck check = TrevanCom_CheckFileNameChars(answer);
        if (check == NameCheck::kForbidden) zcutPrintf("\n船番として使用できない文字が含まれています。");
        if (check != NameCheck::kAccepted) continue;
        TrevanComARX_SetCommandDefValue(kCommand, kShipKey, answer);
        shipNo = answer;
        return true;
    }
}

bool TrevanCom_AskStandardSymbol(CString& symbol)
{
    for (;;) {
        CString answer;
        if (!ask("\n標準記号を入力：", answer)) return false;
        if (answer.IsEmpty()) {
            zcutPrintf("\n標準記号が入力されていません。");
            continue;
        }
        if (answer.GetLength() > kMaxLength) {
            zcutPrintf("\n文字数が多すぎます。");
            continue;
        }
        const NameCheck check = TrevanCom_CheckFileNameChars(answer);
        if (check == NameCheck::kForbidden) zcutPrintf("\n標準記号として使用できない文字が含まれています。");
        if (check != NameCheck::kAccepted) continue;
        symbol = answer;
        return true;
    }
}
