#pragma once
// The player's files in the page: the browser's storage keeps them, shared by
// every tab of the page, and the engine's file system mirrors it. The
// script's shelf (web/page/storage.js) moves the bytes; every merging write
// goes through it under the file lock (model/file_lock.h), so the one merge of
// the desktop's is the page's too.
#include <emscripten/val.h>
#include <string>

#include "model/file_lock.h"
#include "web/web_platform.h"

namespace nerilo::web {

// The shelf is an object with bringIn(path) and sendBack(path), which
// answers whether the storage took the bytes.
class WebFileKeeper : public FileKeeper {
public:
    explicit WebFileKeeper(emscripten::val shelf) : shelf_(std::move(shelf)) { keepFilesWith(this); }
    ~WebFileKeeper() override { keepFilesWith(nullptr); }
    WebFileKeeper(const WebFileKeeper&) = delete;
    WebFileKeeper& operator=(const WebFileKeeper&) = delete;

    void bringIn(const std::string& path) override;
    Text sendBack(const std::string& path) override;

private:
    emscripten::val shelf_;
};

// The page's own texts about its storage, in the language chosen, by name:
// JSON {"blocked": ..., "export": ..., "damaged": ..., "download": ..., "discard": ...}.
std::string storageTexts(const Translation& translation);

}  // namespace nerilo::web
