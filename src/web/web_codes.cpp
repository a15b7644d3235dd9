#include "web/web_codes.h"

#include <boost/crc.hpp>
#include <emscripten/bind.h>
#include <vector>


namespace nerilo::web {
namespace {

using emscripten::val;

val bytesFor(std::string_view bytes) {
    // A copy: a view into the engine's memory goes stale when the memory grows.
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data())));
}

std::string bytesOf(const val& array) {
    const std::vector<uint8_t> bytes = emscripten::convertJSArrayToNumberVector<uint8_t>(array);
    return {bytes.begin(), bytes.end()};
}

val base64UrlOptions() {
    val options = val::object();
    options.set("alphabet", "base64url");
    options.set("omitPadding", true);
    return options;
}

std::string toBase64Url(std::string_view bytes) { return bytesFor(bytes).call<std::string>("toBase64", base64UrlOptions()); }

// The reader hands over only letters of the base64url alphabet in groups the
// browser decodes ("loose": a last group of two or three letters, spare bits
// not looked at), so Uint8Array.fromBase64 does not throw here.
std::optional<std::string> fromBase64Url(std::string_view letters) {
    return bytesOf(val::global("Uint8Array").call<val>("fromBase64", std::string(letters), base64UrlOptions()));
}

// zlib's CRC-32 (the desktop's): the reflected polynomial 0x04C11DB7.
uint32_t crc32Of(std::string_view bytes) {
    boost::crc_32_type crc;
    crc.process_bytes(bytes.data(), bytes.size());
    return crc.checksum();
}

constexpr StageCodeTools Tools{toBase64Url, fromBase64Url, crc32Of};

InflateEnd inflateEndNamed(const std::string& name) {
    if (name == "complete") return InflateEnd::Complete;
    if (name == "ranOut") return InflateEnd::RanOut;
    return InflateEnd::Broken;
}

}  // namespace

val WebStageCodes::streamsToInflate(const std::string& text) {
    pending_ = stageCodeStreams(text, Tools);
    if (pending_.refused()) {
        game_.stages().openCode(pending_.refusal);
        return val::null();
    }
    val streams = val::array();
    for (const std::string& stream : pending_.streams) streams.call<void>("push", bytesFor(stream));
    val request = val::object();
    request.set("streams", streams);
    request.set("maxBody", static_cast<double>(MaxStageCodeBodyBytes));
    return request;
}

bool WebStageCodes::open(val inflated) {
    std::vector<Inflated> found;
    const int count = inflated["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        Inflated one;
        one.end = inflateEndNamed(inflated[i]["end"].as<std::string>());
        if (one.end == InflateEnd::Complete) one.body = bytesOf(inflated[i]["body"]);
        found.push_back(std::move(one));
    }
    const StageCodeRead read = readInflatedStageCode(pending_, found);
    pending_ = {};
    return game_.stages().openCode(read);
}

void WebStageCodes::share(val then) {
    game_.stages().proveStage([then](const Stage* stage, const std::string& proof) {
        then(stage ? bytesFor(stageCodeBody(*stage, proof)) : val::null());
    });
}

std::string WebStageCodes::codeOf(val deflated) const { return stageCodeOfStream(bytesOf(deflated), Tools); }

}  // namespace nerilo::web
