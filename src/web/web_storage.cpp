#include "web/web_storage.h"

#include <nlohmann/json.hpp>

namespace nerilo::web {

void WebFileKeeper::bringIn(const std::string& path) { shelf_.call<void>("bringIn", path); }

// Storage that is full, or that stopped being allowed: the write fails, so
// the clear stays in memory to be written at the next write that can.
Text WebFileKeeper::sendBack(const std::string& path) {
    if (shelf_.call<bool>("sendBack", path)) return {};
    return NERILO_TEXT("files", "ブラウザーの保存領域に書き込めません。空きがないか、保存が止められています。");
}

std::string storageTexts(const Translation& translation) {
    const Text blocked = NERILO_TEXT("files", "このブラウザーでは、進行状況と記録を残せません（保存領域が使えません）。\n"
                                              "遊ぶことはできますが、ページを閉じると消えます。残すときは、ファイルに書き出してください。");
    return nlohmann::json{
        {"blocked", translation.say(blocked)},
        {"export", translation.say(NERILO_TEXT("files", "書き出す"))},
        {"damaged", translation.say(NERILO_TEXT("files", "読めなかったため別に残したファイル"))},
        {"download", translation.say(NERILO_TEXT("files", "ダウンロード"))},
        {"discard", translation.say(NERILO_TEXT("files", "捨てる"))},
    }
        .dump();
}

}  // namespace nerilo::web
